#pragma once

#include "StoredTitles.h"

// The correction list's filter: a district name, a breed name, or both; empty names do not narrow.
struct CorrectionFilter {
    QString district;
    QString breed;
    bool isEmpty() const { return district.isEmpty() && breed.isEmpty(); }
    bool operator==(const CorrectionFilter&) const = default;
};

// The condition that setting the filter with these names leaves: the chosen names, or the
// previous condition when neither is chosen.
CorrectionFilter filterAfterSetting(const CorrectionFilter& previous, const QString& district,
                                    const QString& breed);

// The stored rows of a report table, every region and year, with their names, in list order,
// narrowed by the filter (names compared without regard to case).
QList<NamedTitle> correctionList(SqlEngine& db, int table, const CorrectionFilter& filter = {});

// Deletes the one table's row of the title; the title's rows in the other tables stay. Returns the
// number of rows deleted.
int deleteStoredTable(SqlEngine& db, int table, const TableTitle& title);
