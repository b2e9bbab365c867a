#pragma once

#include <QList>

struct TableDefinition;

// The nine tables as the correction window has them: the entry window's definitions with the
// correction's differences (cross-table checks on Tables 1 to 5, Table 3's five-digit TM321,
// Table 5's score average on every edit, Table 6's age caption, idle total averages and averages
// with the remainder dropped, Table 9 without the cross-table warnings). In table order.
const QList<const TableDefinition*>& correctionTables();
const TableDefinition& correctionTable(int number);
