#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "TitleOptions.h"
#include "domain/consistency/ConsistencyCheck.h"
#include "domain/consistency/ConsistencyWorkbook.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/tables/TitleResolver.h"

namespace {

int run(const CommandArgs& args) {
    const QString region = regionOrAll(args.required(QStringLiteral("region")));
    const QString year = checkedYear(args.required(QStringLiteral("year")));
    const auto data = args.openProgramFolder();
    const ConsistencyReport report = checkConsistency(data->db(), regionCodeOrAll(data->db(), region), year);
    for (const ConsistencyFinding& finding : report.findings)
        printOut(findingTexts(finding).join(QStringLiteral("; ")));
    printOut(findingsCountText(report));
    if (args.isSet(QStringLiteral("export")))
        saveXlsxToDoc(consistencyWorkbook(report, region, year),
                      data->programFolder(), QString::fromLatin1(kConsistencyWorkbookFile));
    return report.findings.isEmpty() ? 0 : 3;
}

} // namespace

Command checkCommand() {
    return {QStringLiteral("check"),
            QStringLiteral("Проверка согласованности таблиц: все расхождения между хранимыми таблицами каждого "
                           "заголовка за год, по строке на расхождение, затем их число. Код 0: расхождений нет, "
                           "3: есть."),
            {regionOrAllOption(),
             {QStringLiteral("year"), QStringLiteral("ГГГГ"), QStringLiteral("год бонитировки")},
             {QStringLiteral("export"), QString(), QStringLiteral("записать расхождения в doc/check.xlsx")}},
            QString(), 0, 0, run};
}
