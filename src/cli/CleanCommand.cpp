#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/service/Cleaning.h"

#include <stdexcept>

namespace {

QStringList chosenTables(const CommandArgs& args) {
    const QStringList tables = args.required(QStringLiteral("tables")).split(u',', Qt::SkipEmptyParts);
    try {
        requireCleanable(tables);
    } catch (const std::invalid_argument& e) {
        throw UsageError(QString::fromUtf8(e.what()));
    }
    return tables;
}

int run(const CommandArgs& args) {
    const QStringList tables = chosenTables(args);
    const auto data = args.openProgramFolder();
    printOut(cleaningCopyMessage(cleanDatabase(*data, tables)));
    return 0;
}

} // namespace

Command cleanCommand() {
    return {QStringLiteral("clean"),
            QStringLiteral("Очистить БД: копия рабочей БД в arch, затем выбранные таблицы очищаются."),
            {{QStringLiteral("tables"), QStringLiteral("СПИСОК"),
              QStringLiteral("таблицы через запятую: kodra, kodxoz, tmjs1 … tmjs6, tmjs9")}},
            QString(),
            0,
            0,
            run};
}
