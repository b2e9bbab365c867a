#include "CellAddress.h"

#include "SpreadsheetError.h"

void checkCellAddress(CellAddress cell) {
    if (cell.row < 1 || cell.row > kMaxSheetRows || cell.column < 1 || cell.column > kMaxSheetColumns)
        throw SpreadsheetError(QStringLiteral("Ячейки (строка %1, столбец %2) нет на листе.")
                                   .arg(cell.row)
                                   .arg(cell.column));
}
