#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/service/Compaction.h"

namespace {

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    compactDatabase(*data, printOut);
    return 0;
}

} // namespace

Command compactCommand() {
    return {QStringLiteral("compact"),
            QStringLiteral("Сжать БД: рабочая БД сжимается, несжатый файл остается в arch."), {}, QString(), 0, 0, run};
}
