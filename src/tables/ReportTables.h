#pragma once

#include <QList>

struct TableDefinition;

// The report tables, in table order; the windows build their pages from these.
const QList<const TableDefinition*>& reportTables();
const TableDefinition& reportTable(int number);

// The page of Table K has index K − 1.
inline int pageIndexOf(int table) { return table - 1; }
// The table whose page the entry window shows after a store: the next one, after Table 9 Table 7.
int tableAfterStore(int table);
