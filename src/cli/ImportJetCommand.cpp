#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/exchange/DatabaseImport.h"
#include "domain/exchange/TableSource.h"

namespace {

int run(const CommandArgs& args) {
    const std::unique_ptr<TableSource> source = openTableSource(args.arguments().first());
    const auto data = args.openProgramFolder();
    const ImportOptions options{args.isSet(QStringLiteral("merge")), args.isSet(QStringLiteral("skip-bad"))};
    const ImportReport report = importDatabase(data->db(), *source, data->programFolder(), options,
                                               QDateTime::currentDateTime());
    printLines(report.lines);
    if (report.done)
        return 0;
    printError(QStringLiteral("Импорт не выполнен: есть непринятые строки. Принять остальные — параметр --skip-bad."));
    return 1;
}

} // namespace

Command importJetCommand() {
    return {QStringLiteral("import-jet"),
            QStringLiteral("Импорт рабочей базы формата Jet (.mdb) в базу программы одной транзакцией."),
            {{QStringLiteral("merge"), QString(),
              QStringLiteral("добавить к базе, где уже есть таблицы хозяйств (совпадающие остаются прежними)")},
             {QStringLiteral("skip-bad"), QString(), QStringLiteral("принять хорошие строки, перечислив непринятые")}},
            QStringLiteral("ФАЙЛ"), 1, 1, run};
}
