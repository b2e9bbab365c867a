#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/correction/CorrectionSelector.h"
#include "domain/correction/TitleChange.h"
#include "domain/db/Database.h"
#include "domain/tables/TitleResolver.h"

namespace {

const QString kFrom = QStringLiteral("from-");
const QString kTo = QStringLiteral("to-");

int run(const CommandArgs& args) {
    const QList<int> tables = args.isSet(QStringLiteral("table"))
                                  ? QList<int>{tableNumber(args)}
                                  : CorrectionSelector::retitledTables(CorrectionSelector::kAllTables);
    const TitleChoice from = titleChoice(args, kFrom);
    const TitleChoice to = titleChoice(args, kTo, &from);
    const auto data = args.openProgramFolder();
    const TableTitle oldTitle = resolveTitle(data->db(), from);
    const TableTitle newTitle = resolveTitle(data->db(), to);
    bool duplicate = false;
    for (int table : tables) {
        const TableTitleChange change = changeTableTitle(data->db(), table, oldTitle, newTitle);
        duplicate = duplicate || change.outcome == TitleChangeOutcome::Duplicate;
        printOut(change.message());
    }
    return duplicate ? 3 : 0;
}

} // namespace

Command retitleCommand() {
    return {QStringLiteral("retitle"),
            QStringLiteral("Меняет заголовок хранимых таблиц: одной (--table) или всех девяти, по строке на таблицу. "
                           "Не указанные --to-… берутся из --from-…. Код 3: в какой-то таблице уже есть запись "
                           "с новым заголовком."),
            QList<CommandOption>{tableOption(QStringLiteral("только эта таблица, 1 … 9 (иначе все девять)"))} +
                titleOptions(kFrom, QStringLiteral(" (старый заголовок)")) +
                titleOptions(kTo, QStringLiteral(" (новый заголовок)")),
            QString(), 0, 0, run};
}
