#pragma once

#include "domain/totals/TotalsLog.h"

#include <QStringList>
#include <QVariantMap>

class SqlEngine;
class SqlRow;

// The title of one farm's report table; the demo region and year by default.
struct FarmTitle {
    int oblm = 56;
    int rnm = 1;
    int khm = 1;
    int kkhm = 22;
    int porm = 2;
    int godm = 2026;
};

// Stores one farm's report table directly: the given cells, every other data cell 0.
void storeFarmRow(SqlEngine& db, int table, const FarmTitle& title, const QVariantMap& cells = {});

// The (kkhm, porm) titles of the rows of a total table, sorted.
QList<QPair<int, int>> totalTitles(SqlEngine& db, int table);

// The one total row with the given category and breed codes.
SqlRow totalRow(SqlEngine& db, int table, int kkhm, int porm);

class RecordedLog : public TotalsLog {
public:
    void logLine(const QString& line) override { lines << line; }
    QStringList lines;
};
