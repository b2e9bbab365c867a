#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/exchange/ReceiveData.h"

namespace {

constexpr int kSomeRefused = 3;

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    const ReceiveReport report = receiveData(data->db(), data->programFolder());
    printLines(report.lines);
    if (report.refusedFiles.isEmpty())
        return 0;
    printError(QStringLiteral("Не приняты файлы: %1.").arg(report.refusedFiles.join(QStringLiteral(", "))));
    return kSomeRefused;
}

} // namespace

Command receiveCommand() {
    return {QStringLiteral("receive"),
            QStringLiteral("Принять данные: справочники из файлов in/*.mdb (код 3 — часть файлов не принята)."),
            {}, QString(), 0, 0, run};
}
