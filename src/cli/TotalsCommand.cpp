#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/TotalsLog.h"


namespace {

class ConsoleLog : public TotalsLog {
public:
    void logLine(const QString& line) override { printOut(line); }
};

int run(const CommandArgs& args) {
    const QString region = args.value(QStringLiteral("region"));
    const QString year = args.value(QStringLiteral("year"));
    const auto data = args.openProgramFolder();
    ConsoleLog log;
    computeRegionalTotals(data->db(), region, year, log);
    if (args.isSet(QStringLiteral("export"))) {
        // The save button's workbook, written to doc/outstavor.xlsx without being shown.
        const Workbook book = buildTotalsWorkbook(data->db(), region, year, log);
        saveXlsxToDoc(book, data->programFolder(), QString::fromLatin1(kTotalsWorkbookFile));
    }
    return 0;
}

} // namespace

Command totalsCommand() {
    return {QStringLiteral("totals"),
            QStringLiteral("Счет по области: суммирует таблицы хозяйств региона за год в итоговые таблицы."),
            {{QStringLiteral("region"), QStringLiteral("НАЗВАНИЕ"), QStringLiteral("регион, как в справочнике регионов")},
             {QStringLiteral("year"), QStringLiteral("ГГГГ"), QStringLiteral("год бонитировки")},
             {QStringLiteral("export"), QString(), QStringLiteral("записать итоги в doc/outstavor.xlsx")}},
            QString(), 0, 0, run};
}
