#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class SqlEngine;
class TableSource;

struct ImportOptions {
    bool merge = false;   // into a database that already holds report tables; local rows stay
    bool skipBad = false; // take the good rows when some are refused
};

struct ImportReport {
    QStringList lines;
    int refused = 0;   // rows refused
    bool done = false; // false: nothing was changed (refused rows without skipBad)
};

// True when any report table holds a row: an import then needs the merge option.
bool holdsReportTables(SqlEngine& db);

// Moves a working database of the described layout (reference books, districts, farms, settings,
// the nine report tables) from `source` into the working database as one transaction, after an
// archive copy of the working database into arch. Refuses (throws, nothing changed) a source
// lacking a table or column, and a filled working database without the merge option. Every
// refused row is listed with its reason.
ImportReport importDatabase(SqlEngine& db, TableSource& source, const QString& programFolder,
                            const ImportOptions& options, const QDateTime& now);
