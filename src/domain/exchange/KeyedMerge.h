#pragma once

#include "SourceTables.h"

class SqlEngine;

// Puts source rows into the working database's table of the same name by its key: a row whose
// key is new is inserted; for a key that exists the listed columns are updated, or the local rows
// are kept. Nothing is deleted.
class KeyedMerge {
public:
    enum class Outcome { Inserted, Updated, Kept };

    KeyedMerge(SqlEngine& db, const SourceTableSpec& table);
    bool keyExists(const SourceRow& row);
    Outcome merge(const SourceRow& row, bool updateExisting);

private:
    QVariantList keyOf(const SourceRow& row) const;

    SqlEngine& db_;
    QList<int> keyPositions_;
    QString lookUp_;
    QString insert_;
    QString update_;
};

// Receiving's merge: every row in, known keys updated. Returns the number of rows inserted.
int mergeByKey(SqlEngine& db, const SourceTableSpec& table, const std::vector<SourceRow>& rows);
