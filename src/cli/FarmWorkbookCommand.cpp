#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/db/Database.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/tables/TitleResolver.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// The title as the entry window resolves the names chosen in the main window, for the given
// region and year instead of the settings'. Usage is checked before the folder is opened.
int run(const CommandArgs& args) {
    const TitleChoice choice = titleChoice(args);
    const QString year = choice.year.trimmed();
    if (!QRegularExpression(QStringLiteral("^[0-9]{4}$")).match(year).hasMatch())
        throw UsageError(QStringLiteral("Год «%1» задан неверно: нужны четыре цифры.").arg(year));
    const auto data = args.openProgramFolder();
    const TableTitle title = resolveTitle(data->db(), choice);
    const FarmWorkbookContent content =
        args.isSet(QStringLiteral("blank")) ? FarmWorkbookContent::Blank : FarmWorkbookContent::Stored;
    const QString path = exportFarmWorkbook(data->db(), data->programFolder(), title, content);
    printOut(QStringLiteral("Таблицы хозяйства записаны в файл %1").arg(QDir::toNativeSeparators(path)));
    return 0;
}

} // namespace

Command farmWorkbookCommand() {
    return {QStringLiteral("farm-workbook"),
            QStringLiteral("Записывает девять таблиц одного хозяйства в doc/stavor.xlsx."),
            titleOptions() + QList<CommandOption>{{QStringLiteral("blank"), QString(),
                                                   QStringLiteral("пустой бланк для хозяйства: только заголовок, без значений")}},
            QString(), 0, 0, run};
}
