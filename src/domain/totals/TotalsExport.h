#pragma once

#include <QString>
#include <QVariant>

class SqlEngine;
class TotalsLog;
class Workbook;

inline constexpr const char* kTotalsWorkbookFile = "outstavor.xlsx";

// The region and year whose total rows go into the workbook.
struct TotalsExportScope {
    QVariant regionCode;
    QString regionName;
    QString year;
};

// One sheet of the totals workbook from the total table: the whole region, the region by breed,
// the breeding farms and their breeds, every category but 11 and its breeds; then its log line.
void ImportEndToExcelTable1(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable2(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable3(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable4(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable5(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable6(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable7(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable8(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);
void ImportEndToExcelTable9(Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log);

// The totals workbook for the save button and the command line alike: checks the region and year
// as the computation does (std::invalid_argument, nothing written),
// logs the start, and fills the nine sheets of a fresh template, all read in one read transaction.
// A table whose sheet fails is left as far as it got and lacks its log line; the others go on.
// A value beyond the range of numbers throws TotalsOverflow: no workbook at all.
Workbook buildTotalsWorkbook(SqlEngine& db, const QString& regionName, const QString& year, TotalsLog& log);
