#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/correction/CorrectionList.h"
#include "domain/db/Database.h"
#include "domain/db/Schema.h"
#include "domain/tables/TitleResolver.h"

#include <stdexcept>

namespace {

int run(const CommandArgs& args) {
    const int table = tableNumber(args);
    const TitleChoice choice = titleChoice(args);
    const auto data = args.openProgramFolder();
    const TableTitle title = resolveTitle(data->db(), choice);
    if (deleteStoredTable(data->db(), table, title) == 0)
        throw std::runtime_error(
            QStringLiteral("Запись с таким заголовком в %1 отсутствует.").arg(Schema::dataTable(table)).toStdString());
    printOut(QStringLiteral("Запись удалена из %1.").arg(Schema::dataTable(table)));
    return 0;
}

} // namespace

Command deleteTableCommand() {
    return {QStringLiteral("delete-table"),
            QStringLiteral("Удаляет хранимую запись одной таблицы; записи других таблиц того же заголовка остаются."),
            QList<CommandOption>{tableOption(QStringLiteral("номер таблицы, 1 … 9"))} + titleOptions(), QString(), 0,
            0, run};
}
