#pragma once

#include "domain/spreadsheet/CellAddress.h"

#include <QList>
#include <QString>

inline constexpr const char* kFarmWorkbookFile = "stavor.xlsx";

// One cell of a farm sheet that holds a stored value: a title column ("oblm") or a data
// column ("TM101"), and its place.
struct FarmCell {
    QString column;
    CellAddress cell;
};

// How the cells of a table run over its grid of sheet rows and columns.
enum class FarmCellOrder {
    ByRow,    // along each row, then down
    ByColumn, // down each column, then right (Table 4)
    ByHalves, // the first half of the cells fills the left half of every row, the second the right
};

// Where one table's values stand on its sheet of the farm workbook. The export writes through
// this map and the import reads through it, so the two cannot disagree.
struct FarmSheetMap {
    int table;
    QList<int> rows;    // the sheet row of every table row
    QList<int> columns; // the sheet column of every table column
    int yearColumn;     // of row 4
    FarmCellOrder order;

    QString sheetName() const { return QStringLiteral("table%1").arg(table); }
    // oblm, rnm, khm, kkhm, porm in row 2 (B, D, F, H, J), then godm in row 4.
    QList<FarmCell> titleCells() const;
    // Every data column of the table, in column order.
    QList<FarmCell> dataCells() const;
};

const FarmSheetMap& farmSheetMap(int table);

// Row 3 of every sheet: the names of the title, so that a person sees whose table it is.
inline constexpr int kFarmNamesRow = 3;
