#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/correction/CorrectionList.h"
#include "domain/db/Database.h"

namespace {

int run(const CommandArgs& args) {
    const int table = tableNumber(args);
    const auto data = args.openProgramFolder();
    const CorrectionFilter filter{args.value(QStringLiteral("district")), args.value(QStringLiteral("breed"))};
    for (const NamedTitle& t : correctionList(data->db(), table, filter))
        printOut(QStringList{t.region, t.district, t.farm, t.category, t.breed, t.title.godm}.join(QStringLiteral("; ")));
    return 0;
}

} // namespace

Command correctionListCommand() {
    return {QStringLiteral("correction-list"),
            QStringLiteral("Список корректировки: хранимые записи таблицы всех регионов и лет (регион; район; "
                           "хозяйство; категория хозяйства; порода; год), по одной в строке."),
            {tableOption(QStringLiteral("номер таблицы, 1 … 9")),
             {QStringLiteral("district"), QStringLiteral("НАЗВАНИЕ"), QStringLiteral("только записи этого района")},
             {QStringLiteral("breed"), QStringLiteral("НАЗВАНИЕ"), QStringLiteral("только записи этой породы")}},
            QString(), 0, 0, run};
}
