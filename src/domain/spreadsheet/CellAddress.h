#pragma once

#include <algorithm>

// Rows and columns are counted from 1, column 1 being A, as the spreadsheet shows them.
struct CellAddress {
    int row = 1;
    int column = 1;

    bool operator==(const CellAddress&) const = default;
};

inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

// Throws SpreadsheetError for an address outside the sheet.
void checkCellAddress(CellAddress cell);

// A rectangle of cells given by any two opposite corners.
class CellRange {
public:
    CellRange(CellAddress cell) : first_(cell), last_(cell) {}
    CellRange(CellAddress a, CellAddress b)
        : first_{std::min(a.row, b.row), std::min(a.column, b.column)},
          last_{std::max(a.row, b.row), std::max(a.column, b.column)} {}

    CellAddress first() const { return first_; }
    CellAddress last() const { return last_; }
    int rowCount() const { return last_.row - first_.row + 1; }
    int columnCount() const { return last_.column - first_.column + 1; }

    bool contains(CellAddress cell) const {
        return cell.row >= first_.row && cell.row <= last_.row && cell.column >= first_.column &&
               cell.column <= last_.column;
    }
    bool contains(const CellRange& other) const { return contains(other.first_) && contains(other.last_); }
    bool intersects(const CellRange& other) const {
        return first_.row <= other.last_.row && other.first_.row <= last_.row &&
               first_.column <= other.last_.column && other.first_.column <= last_.column;
    }
    CellRange movedBy(int rows, int columns) const {
        return {{first_.row + rows, first_.column + columns}, {last_.row + rows, last_.column + columns}};
    }

    bool operator==(const CellRange&) const = default;

private:
    CellAddress first_;
    CellAddress last_;
};
