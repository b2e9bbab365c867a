#pragma once

#include "TableTotals.h"
#include "domain/db/Schema.h"

#include <QString>
#include <array>

class SqlEngine;
class TotalsLog;

// How many total rows each of the nine tables received in one computation.
struct TotalsCounters {
    std::array<int, Schema::kReportTableCount> added{};

    int addedTo(int table) const { return added.at(size_t(table - 1)); }
    bool anyAdded() const;
};

// The region and year the user chose, checked for the computation and the export alike: an empty,
// unknown or malformed choice throws std::invalid_argument with the message for the user.
TotalsScope checkedTotalsScope(SqlEngine& db, const QString& regionName, const QString& year);

// Everything "Рассчитать" does, for the totals window and the command line alike: checks the region
// name and the year, rebuilds the nine total tables in order in one transaction, then logs each
// table's line and that there is no data when no table got a row.
// An empty, unknown or malformed region or year throws std::invalid_argument with the message for
// the user, before anything is changed; a total beyond the range of numbers throws TotalsOverflow
// and changes nothing.
TotalsCounters computeRegionalTotals(SqlEngine& db, const QString& regionName, const QString& year, TotalsLog& log);
