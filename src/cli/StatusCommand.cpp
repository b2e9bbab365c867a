#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/db/Database.h"
#include "domain/service/StatusReport.h"
#include "domain/service/StatusWorkbook.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"

#include <stdexcept>

namespace {

int run(const CommandArgs& args) {
    const QString region = regionOrAll(args.value(QStringLiteral("region")));
    const auto data = args.openProgramFolder();
    if (const auto refusal = buildStatusReport(data->db(), region, args.value(QStringLiteral("year"))))
        throw std::invalid_argument(refusal->toStdString());
    const SqlResult rows = statusReportRows(data->db());
    for (const SqlRow& row : rows) {
        QStringList fields;
        for (int i = 0; i < row.fieldCount(); ++i)
            fields << row.text(i);
        printOut(fields.join(u'\t'));
    }
    if (args.isSet(QStringLiteral("export")))
        saveXlsxToDoc(buildStatusWorkbook(rows), data->programFolder(), QString::fromLatin1(kStatusWorkbookFile));
    return 0;
}

} // namespace

Command statusCommand() {
    return {QStringLiteral("status"),
            QStringLiteral("Справка о состоянии БД: какие из девяти таблиц есть для каждого заголовка таблиц за год."),
            {regionOrAllOption(),
             {QStringLiteral("year"), QStringLiteral("ГГГГ"), QStringLiteral("год бонитировки")},
             {QStringLiteral("export"), QString(), QStringLiteral("записать справку в doc/spravka.xlsx")}},
            QString(), 0, 0, run};
}
