#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/consistency/ConsistencyCheck.h"
#include "domain/consistency/ConsistencyWorkbook.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/tables/TitleResolver.h"

namespace {

const QString kAllRegions = QStringLiteral("all");

int run(const CommandArgs& args) {
    const QString region = args.required(QStringLiteral("region"));
    const QString year = checkedYear(args.required(QStringLiteral("year")));
    const auto data = args.openProgramFolder();
    const bool all = region.compare(kAllRegions, Qt::CaseInsensitive) == 0;
    const ConsistencyReport report = checkConsistency(data->db(), all ? QString() : regionCode(data->db(), region), year);
    for (const ConsistencyFinding& finding : report.findings)
        printOut(findingTexts(finding).join(QStringLiteral("; ")));
    printOut(findingsCountText(report));
    if (args.isSet(QStringLiteral("export")))
        saveXlsxToDoc(consistencyWorkbook(report, all ? kAllRegionsName : region, year),
                      data->programFolder(), QString::fromLatin1(kConsistencyWorkbookFile));
    return report.findings.isEmpty() ? 0 : 3;
}

} // namespace

Command checkCommand() {
    return {QStringLiteral("check"),
            QStringLiteral("Проверка согласованности таблиц: все расхождения между хранимыми таблицами каждого "
                           "заголовка за год, по строке на расхождение, затем их число. Код 0: расхождений нет, "
                           "3: есть."),
            {{QStringLiteral("region"), QStringLiteral("НАЗВАНИЕ|all"),
              QStringLiteral("регион, как в справочнике регионов, или all — все регионы")},
             {QStringLiteral("year"), QStringLiteral("ГГГГ"), QStringLiteral("год бонитировки")},
             {QStringLiteral("export"), QString(), QStringLiteral("записать расхождения в doc/check.xlsx")}},
            QString(), 0, 0, run};
}
