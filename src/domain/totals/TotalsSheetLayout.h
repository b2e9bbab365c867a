#pragma once

#include "domain/spreadsheet/CellAddress.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a value of a total row is shown in its block.
enum class TotalsRounding { None, Whole, OneDecimal };

// One cell of a block's value grid: the total table column it shows, or a blank cell.
struct TotalsGridCell {
    QString column; // empty: always blank
    TotalsRounding rounding = TotalsRounding::None;
};

using TotalsGrid = QList<QList<TotalsGridCell>>;

// Where the blocks of one total table go on its sheet of the totals workbook, and how its printed
// heading is repeated on every 70-row page.
struct TotalsSheetLayout {
    int table;
    int valueRows;         // h
    int firstValueColumn;
    int lastColumn;        // the last value column, the header's width and the page number's column
    int captionColumn;
    bool stacked;          // headings above the values instead of beside them
    int firstValueOffset;  // simple layout: the value rows start at T + this
    int headerRows;
    int pageNumberRow;
    int breakThreshold;    // a new page starts when this many rows or fewer are left
    CellAddress yearCell;
    CellAddress regionCell;
    int firstRowPointer;
    QStringList captions;
    bool captionsWithoutHeading; // Table 5 leaves a block without heading uncaptioned
    bool gapAfterCategory;       // stacked: an empty row after a category block too

    QString sheetName() const { return QStringLiteral("табл%1").arg(table); }
    int valueColumns() const { return lastColumn - firstValueColumn + 1; }
    CellAddress pageNumberCell() const { return {pageNumberRow, lastColumn}; }
    // Which column feeds each cell of the grid, and how it is rounded.
    TotalsGrid grid() const;
};

inline constexpr int kTotalsPageRows = 70;

const TotalsSheetLayout& totalsSheetLayout(int table);
