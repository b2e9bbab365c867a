#pragma once

#include <QString>

struct TableDefinition;

// Where a cell stands on its page, in the words printed there: the row by the captions beside or
// above its fields, the column by its number in the header or, where the header numbers no
// columns, by the column's caption. Both are read from the page's layout.
struct CellPlace {
    QString row;    // "Всего КРС"; "строка 3" where the page prints no caption for the row
    QString column; // "колонка 4", "колонка «Итого»"
};
CellPlace cellPlace(const TableDefinition& table, const QString& cell);

// "Таблица 1, строка «Всего КРС», колонка 4"; empty for a cell of no report table.
QString describeCellPlace(const QString& cell);
