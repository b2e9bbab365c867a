#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/tables/TitleResolver.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// The title as the entry window resolves the names chosen in the main window, for the given
// region and year instead of the settings'. Usage is checked before the folder is opened.
int run(const CommandArgs& args) {
    const QString region = args.required(QStringLiteral("region"));
    const QString year = args.required(QStringLiteral("year")).trimmed();
    const TitleNames names{args.required(QStringLiteral("district")), args.required(QStringLiteral("farm")),
                           args.required(QStringLiteral("category")), args.required(QStringLiteral("breed"))};
    if (!QRegularExpression(QStringLiteral("^[0-9]{4}$")).match(year).hasMatch())
        throw UsageError(QStringLiteral("Год «%1» задан неверно: нужны четыре цифры.").arg(year));
    const auto data = args.openProgramFolder();
    const TableTitle title = resolveTitle(data->db(), TitleChoice{region, names, year});
    const FarmWorkbookContent content =
        args.isSet(QStringLiteral("blank")) ? FarmWorkbookContent::Blank : FarmWorkbookContent::Stored;
    const QString path = exportFarmWorkbook(data->db(), data->programFolder(), title, content);
    printOut(QStringLiteral("Таблицы хозяйства записаны в файл %1").arg(QDir::toNativeSeparators(path)));
    return 0;
}

} // namespace

Command farmWorkbookCommand() {
    const QString name = QStringLiteral("НАЗВАНИЕ");
    return {QStringLiteral("farm-workbook"),
            QStringLiteral("Записывает девять таблиц одного хозяйства в doc/stavor.xlsx."),
            {{QStringLiteral("region"), name, QStringLiteral("регион, как в справочнике регионов")},
             {QStringLiteral("district"), name, QStringLiteral("район")},
             {QStringLiteral("farm"), name, QStringLiteral("хозяйство")},
             {QStringLiteral("category"), name, QStringLiteral("категория хозяйства")},
             {QStringLiteral("breed"), name, QStringLiteral("порода")},
             {QStringLiteral("year"), QStringLiteral("ГГГГ"), QStringLiteral("год бонитировки")},
             {QStringLiteral("blank"), QString(),
              QStringLiteral("пустой бланк для хозяйства: только заголовок, без значений")}},
            QString(), 0, 0, run};
}
