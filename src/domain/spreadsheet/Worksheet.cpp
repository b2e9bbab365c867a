#include "Worksheet.h"

#include "SpreadsheetError.h"

#include <algorithm>
#include <unordered_map>

namespace {
const CellValue kEmptyValue;
const CellFormat kDefaultFormat;
} // namespace

const Worksheet::Cell* Worksheet::findCell(CellAddress cell) const {
    if (cell.row < 1 || cell.row > int(rows_.size()))
        return nullptr;
    const auto& row = rows_[cell.row - 1];
    if (cell.column < 1 || cell.column > int(row.size()))
        return nullptr;
    return &row[cell.column - 1];
}

Worksheet::Cell& Worksheet::cellAt(CellAddress cell) {
    checkCellAddress(cell);
    if (cell.row > int(rows_.size()))
        rows_.resize(cell.row);
    auto& row = rows_[cell.row - 1];
    if (cell.column > int(row.size()))
        row.resize(cell.column);
    return row[cell.column - 1];
}

void Worksheet::forEachCellOf(const CellRange& range, const std::function<void(Cell&)>& visit) {
    checkCellAddress(range.first());
    checkCellAddress(range.last());
    for (int r = range.first().row; r <= range.last().row; ++r)
        for (int c = range.first().column; c <= range.last().column; ++c)
            visit(cellAt({r, c}));
}

const CellValue& Worksheet::value(CellAddress cell) const {
    const Cell* found = findCell(cell);
    return found ? found->value : kEmptyValue;
}

void Worksheet::setValue(CellAddress cell, const CellValue& value) {
    if (value.isEmpty() && !findCell(cell)) {
        checkCellAddress(cell);
        return;
    }
    cellAt(cell).value = value;
}

void Worksheet::setValues(CellAddress topLeft, const ValueGrid& values) {
    for (std::size_t r = 0; r < values.size(); ++r)
        for (std::size_t c = 0; c < values[r].size(); ++c)
            setValue({topLeft.row + int(r), topLeft.column + int(c)}, values[r][c]);
}

FormatId Worksheet::formatId(CellAddress cell) const {
    const Cell* found = findCell(cell);
    return found ? found->format : FormatTable::kDefault;
}

const CellFormat& Worksheet::format(CellAddress cell) const {
    const Cell* found = findCell(cell);
    return found ? formats_.at(found->format) : kDefaultFormat;
}

void Worksheet::setFormat(const CellRange& range, const CellFormat& format) {
    const FormatId id = formats_.intern(format);
    forEachCellOf(range, [id](Cell& cell) { cell.format = id; });
}

void Worksheet::changeFormat(const CellRange& range, const std::function<void(CellFormat&)>& change) {
    // Most cells of a range share a few formats: change each of them once.
    std::unordered_map<FormatId, FormatId> changed;
    forEachCellOf(range, [&](Cell& cell) {
        auto it = changed.find(cell.format);
        if (it == changed.end()) {
            CellFormat format = formats_.at(cell.format);
            change(format);
            it = changed.emplace(cell.format, formats_.intern(format)).first;
        }
        cell.format = it->second;
    });
}

void Worksheet::setFontSize(const CellRange& range, double points) {
    changeFormat(range, [points](CellFormat& f) { f.fontSize = points; });
}

void Worksheet::setBorders(const CellRange& range, BorderStyle style, BorderScope scope) {
    if (scope == BorderScope::Grid) {
        changeFormat(range, [style](CellFormat& f) { f.borders = {style, style, style, style}; });
        return;
    }
    const CellAddress first = range.first();
    const CellAddress last = range.last();
    changeFormat(CellRange(first, {first.row, last.column}), [style](CellFormat& f) { f.borders.top = style; });
    changeFormat(CellRange({last.row, first.column}, last), [style](CellFormat& f) { f.borders.bottom = style; });
    changeFormat(CellRange(first, {last.row, first.column}), [style](CellFormat& f) { f.borders.left = style; });
    changeFormat(CellRange({first.row, last.column}, last), [style](CellFormat& f) { f.borders.right = style; });
}

void Worksheet::merge(const CellRange& range) {
    checkCellAddress(range.first());
    checkCellAddress(range.last());
    if (range.first() == range.last())
        return;
    if (std::any_of(merges_.begin(), merges_.end(), [&](const CellRange& m) { return m.intersects(range); }))
        throw SpreadsheetError(QStringLiteral("На листе «%1» объединяемые ячейки (строки %2–%3, столбцы %4–%5) "
                                              "пересекаются с уже объединёнными.")
                                   .arg(name_)
                                   .arg(range.first().row)
                                   .arg(range.last().row)
                                   .arg(range.first().column)
                                   .arg(range.last().column));
    merges_.push_back(range);
}

void Worksheet::setMergedValue(const CellRange& range, const CellValue& value, const CellFormat& format) {
    setFormat(range, format);
    merge(range);
    setValue(range.first(), value);
}

void Worksheet::copyBlock(const CellRange& source, CellAddress target) {
    const int rowShift = target.row - source.first().row;
    const int columnShift = target.column - source.first().column;
    const CellRange destination = source.movedBy(rowShift, columnShift);
    checkCellAddress(source.first());
    checkCellAddress(source.last());
    checkCellAddress(destination.first());
    checkCellAddress(destination.last());

    // Take the whole block first: source and destination may overlap.
    std::vector<Cell> block;
    block.reserve(std::size_t(source.rowCount()) * source.columnCount());
    for (int r = source.first().row; r <= source.last().row; ++r)
        for (int c = source.first().column; c <= source.last().column; ++c) {
            const Cell* cell = findCell({r, c});
            block.push_back(cell ? *cell : Cell{});
        }
    std::vector<CellRange> blockMerges;
    for (const CellRange& m : merges_)
        if (source.contains(m))
            blockMerges.push_back(m.movedBy(rowShift, columnShift));
    std::map<int, double> blockHeights;
    for (auto it = rowHeights_.lower_bound(source.first().row);
         it != rowHeights_.end() && it->first <= source.last().row; ++it)
        blockHeights.emplace(it->first + rowShift, it->second);

    auto next = block.begin();
    for (int r = destination.first().row; r <= destination.last().row; ++r)
        for (int c = destination.first().column; c <= destination.last().column; ++c, ++next)
            if (!next->isBlank() || findCell({r, c}))
                cellAt({r, c}) = *next;
    std::erase_if(merges_, [&](const CellRange& m) { return m.intersects(destination); });
    merges_.insert(merges_.end(), blockMerges.begin(), blockMerges.end());
    for (const auto& [row, height] : blockHeights)
        rowHeights_[row] = height;
}

void Worksheet::setColumnWidth(int column, double width) {
    checkCellAddress({1, column});
    columnWidths_[column] = width;
}

void Worksheet::setRowHeight(int row, double height) {
    checkCellAddress({row, 1});
    rowHeights_[row] = height;
}

int Worksheet::lastRow() const {
    int last = 0;
    for (int r = int(rows_.size()); r > 0 && last == 0; --r)
        if (std::any_of(rows_[r - 1].begin(), rows_[r - 1].end(), [](const Cell& c) { return !c.isBlank(); }))
            last = r;
    for (const CellRange& m : merges_)
        last = std::max(last, m.last().row);
    return last;
}

int Worksheet::lastColumn() const {
    int last = 0;
    for (const auto& row : rows_)
        for (int c = int(row.size()); c > last; --c)
            if (!row[c - 1].isBlank()) {
                last = c;
                break;
            }
    for (const CellRange& m : merges_)
        last = std::max(last, m.last().column);
    return last;
}

void Worksheet::forEachCell(const std::function<void(CellAddress, const CellValue&, FormatId)>& visit) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (std::size_t c = 0; c < rows_[r].size(); ++c)
            if (!rows_[r][c].isBlank())
                visit({int(r) + 1, int(c) + 1}, rows_[r][c].value, rows_[r][c].format);
}
