#pragma once

#include <QString>
#include <QStringList>

class SqlEngine;

// The tables of the working database. Data columns keep their physical order, because the
// report rows are inserted positionally.
namespace Schema {

constexpr int kReportTableCount = 9;

QString dataTable(int table);    // "tmjs1" … "tmjs9"
QString totalsTable(int table);  // "stmjs1" … "stmjs9"
QStringList dataColumns(int table); // lower case, in column order: "tm101" … "tm135"
bool hasDateSend(int table);     // Tables 7 and 8 have no datesend
const QStringList& titleColumns(); // oblm, rnm, khm, kkhm, porm, godm
const QStringList& referenceTables();
// Every table the program's database has.
QStringList allTables();
// Those of them that `present` lacks (names compared without regard to case).
QStringList missingTables(const QStringList& present);

// Every table of the program, for a database that has none yet.
void create(SqlEngine& db);
// Indexes added since the first release; harmless on a database that has them.
void ensureIndexes(SqlEngine& db);
// What db lacks of the program's tables and their columns, one text for each missing table or
// table with missing columns; empty for a working database of this program.
QStringList missingParts(SqlEngine& db);

} // namespace Schema
