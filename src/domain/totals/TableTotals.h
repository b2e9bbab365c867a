#pragma once

#include <QtGlobal>

class SqlEngine;
class TotalsLog;

// The farm rows a computation sums: one region in one bonitation year.
struct TotalsScope {
    qint64 regionCode = 0;
    int year = 0;
};

// Rebuilds the total table of report table 1 … 9 for the scope in one transaction (emptying and
// inserts; a savepoint of the caller's transaction), writes its log line and returns the number of
// total rows added. A sum beyond the range of numbers throws TotalsOverflow naming the column and
// the farm with the largest value.
int createTableItog(int table, SqlEngine& db, const TotalsScope& scope, TotalsLog& log);

// The SELECT of every level's total row of report table 1 … 9 for one scope (bound: region code,
// year): the rules' values in column order, then oblm, kkhm, porm, godm.
QString totalsLevelsQuery(int table);

int CreateTable1Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable2Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable3Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable4Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable5Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable6Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable7Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable8Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
int CreateTable9Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log);
