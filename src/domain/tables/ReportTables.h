#pragma once

#include <QList>

struct TableDefinition;

// The report tables, in table order; the windows build their pages from these.
// A page: fields from `cells` (mask validators from maskExpression), `pictures` painted, the
// heading and labels placed. Opening: CreateUpperForTables, then per page ReportTableStore::load
// (its `found` is the page's stored-row flag). Leaving a field: TableDefinition::leave. Save:
// saveTable, then the page of tableAfterStore. Cancel: CellTexts::setAllZero. Every notice goes
// to dialogs().information, then the focus moves to fieldName(notice.focus) when it names one.
const QList<const TableDefinition*>& reportTables();
const TableDefinition& reportTable(int number);
// The table of that number in a list of definitions; throws std::out_of_range when it has none.
const TableDefinition& tableNumbered(const QList<const TableDefinition*>& tables, int number);

// The page of Table K has index K − 1.
inline int pageIndexOf(int table) { return table - 1; }
// The table whose page the entry window shows after a store: the next one, after Table 9 Table 7.
int tableAfterStore(int table);
