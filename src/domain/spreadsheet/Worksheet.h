#pragma once

#include "CellAddress.h"
#include "CellFormat.h"
#include "CellValue.h"
#include "PageSetup.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

using ValueGrid = std::vector<std::vector<CellValue>>;

enum class BorderScope { Grid, Outline };

// One sheet of a Workbook: cell values, formats, merged ranges, sizes and print setup.
class Worksheet {
public:
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    const QString& name() const { return name_; }

    const CellValue& value(CellAddress cell) const;
    void setValue(CellAddress cell, const CellValue& value);
    // The grid's rows go down from topLeft, each row's values to the right; rows may differ in length.
    void setValues(CellAddress topLeft, const ValueGrid& values);

    const CellFormat& format(CellAddress cell) const;
    FormatId formatId(CellAddress cell) const;
    void setFormat(const CellRange& range, const CellFormat& format);
    // Applies change to the format of every cell of range, keeping what it leaves alone.
    void changeFormat(const CellRange& range, const std::function<void(CellFormat&)>& change);
    void setFontSize(const CellRange& range, double points);
    // Grid: every side of every cell; Outline: only the rectangle around the range.
    void setBorders(const CellRange& range, BorderStyle style, BorderScope scope = BorderScope::Grid);

    // A merged range must not overlap one that exists.
    void merge(const CellRange& range);
    // A caption or heading: the value in the range's first cell, the format over the whole range,
    // merged when it is more than one cell.
    void setMergedValue(const CellRange& range, const CellValue& value, const CellFormat& format);
    const std::vector<CellRange>& mergedRanges() const { return merges_; }

    // Copy and paste: the block's values, formats, merged ranges and row heights go to the block
    // of the same size whose top left cell is target, replacing what was there.
    void copyBlock(const CellRange& source, CellAddress target);

    // Widths in characters of the default font, heights in points.
    void setColumnWidth(int column, double width);
    void setRowHeight(int row, double height);
    void setDefaultRowHeight(double height) { defaultRowHeight_ = height; }
    const std::map<int, double>& columnWidths() const { return columnWidths_; }
    const std::map<int, double>& rowHeights() const { return rowHeights_; }
    double defaultRowHeight() const { return defaultRowHeight_; }

    PageSetup& pageSetup() { return pageSetup_; }
    const PageSetup& pageSetup() const { return pageSetup_; }

    // The last row and column holding a value, a format or a merged range; 0 on an empty sheet.
    int lastRow() const;
    int lastColumn() const;

    // Every cell with a value or a format other than the default, row by row.
    void forEachCell(const std::function<void(CellAddress, const CellValue&, FormatId)>& visit) const;

private:
    friend class Workbook;
    Worksheet(const QString& name, FormatTable& formats) : name_(name), formats_(formats) {}

    struct Cell {
        CellValue value;
        FormatId format = FormatTable::kDefault;
        bool isBlank() const { return value.isEmpty() && format == FormatTable::kDefault; }
    };
    const Cell* findCell(CellAddress cell) const;
    Cell& cellAt(CellAddress cell);
    void forEachCellOf(const CellRange& range, const std::function<void(Cell&)>& visit);

    QString name_;
    FormatTable& formats_;
    std::vector<std::vector<Cell>> rows_;  // rows_[row - 1][column - 1]
    std::vector<CellRange> merges_;
    std::map<int, double> columnWidths_;
    std::map<int, double> rowHeights_;
    double defaultRowHeight_ = 15;
    PageSetup pageSetup_;
};
