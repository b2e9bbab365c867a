#include "TotalsBlockWriter.h"

#include "TotalsWorkbookTemplate.h"
#include "domain/spreadsheet/Worksheet.h"

#include <cmath>

namespace {

constexpr int kHeadingColumn = 2;
constexpr double kHeadingFontSize = 8;
constexpr int kOneLineHeading = 28;
constexpr int kHeadingLine = 29;

// Half up, as the paper forms round.
double rounded(double value, TotalsRounding rounding) {
    switch (rounding) {
    case TotalsRounding::Whole: return std::trunc(value + 0.5);
    case TotalsRounding::OneDecimal: return std::trunc(value * 10 + 0.5) / 10;
    case TotalsRounding::None: break;
    }
    return value;
}

// Table 5's total score is the mean of the shown age-group scores weighted by their head
// counts, so that the printed column adds up; the stored mean is only tested for 0.
CellValue table5TotalScore(const TotalsGrid& grid, const TotalsValues& values) {
    const int totalRow = int(grid.size()) - 1;
    const int scoreColumn = int(grid.first().size()) - 1;
    if (values.value(grid.at(totalRow).at(scoreColumn).column) == 0)
        return {};
    double weighted = 0;
    for (int r = 0; r < totalRow; ++r) {
        const float score = float(rounded(values.value(grid.at(r).at(scoreColumn).column), TotalsRounding::OneDecimal));
        weighted += std::trunc(values.value(grid.at(r).first().column)) * score;
    }
    const double heads = std::trunc(values.value(grid.at(totalRow).first().column));
    return heads == 0 ? 0.0 : rounded(weighted / heads, TotalsRounding::OneDecimal);
}

CellValue yearValue(const QString& year) {
    bool isNumber = false;
    const int number = year.toInt(&isNumber);
    return isNumber ? CellValue(number) : CellValue(year);
}

} // namespace

QStringList categoryHeadingLines(const QString& text) {
    const QString beefBreeds = QStringLiteral("ПОРОДЫ МЯСНОГО НАПРАВЛЕНИЯ");
    if (text.size() <= kOneLineHeading)
        return {text, beefBreeds};
    return {text.left(kHeadingLine), text.trimmed().mid(kHeadingLine, kHeadingLine), beefBreeds};
}

TotalsBlockWriter::TotalsBlockWriter(int table, Worksheet& sheet)
    : layout_(totalsSheetLayout(table)), grid_(layout_.grid()), sheet_(sheet), rowPointer_(layout_.firstRowPointer) {}

void TotalsBlockWriter::startFirstPage(const QString& year, const QString& regionName) {
    sheet_.setValue(layout_.yearCell, yearValue(year));
    sheet_.setValue(layout_.regionCell, regionName);
    pageNumber_ = 1;
    sheet_.setValue(layout_.pageNumberCell(), pageNumber_);
}

void TotalsBlockWriter::FeelTable(const TotalsValues& values, const TotalsHeading& heading) {
    breakPageIfFull();
    const int top = rowPointer_;
    if (!layout_.stacked) {
        const int first = top + layout_.firstValueOffset;
        writeHeading(first, heading);
        writeCaptions(first, layout_.captionColumn);
        writeGrid(first, values);
        rowPointer_ = top + layout_.valueRows + 1;
        return;
    }
    const int lines = headingRows(heading);
    writeHeading(top + 1, heading);
    const int first = top + 1 + lines;
    if (heading.kind != TotalsHeading::None || layout_.captionsWithoutHeading)
        writeCaptions(first, layout_.captionColumn);
    writeGrid(first, values);
    const bool gap = heading.kind != TotalsHeading::Category || layout_.gapAfterCategory;
    rowPointer_ = top + lines + layout_.valueRows + (gap ? 1 : 0);
}

void TotalsBlockWriter::breakPageIfFull() {
    const int rowsLeft = kTotalsPageRows - rowPointer_ % kTotalsPageRows;
    if (rowsLeft > layout_.breakThreshold)
        return;
    rowPointer_ += rowsLeft + 1;
    PaintHeaderTable();
}

void TotalsBlockWriter::PaintHeaderTable() {
    sheet_.copyBlock(CellRange({1, 1}, {layout_.headerRows, layout_.lastColumn}), {rowPointer_, 1});
    ++pageNumber_;
    sheet_.setValue({rowPointer_ + layout_.pageNumberRow - 1, layout_.lastColumn}, pageNumber_);
    rowPointer_ += layout_.headerRows;
}

void TotalsBlockWriter::writeGrid(int firstRow, const TotalsValues& values) {
    for (int r = 0; r < grid_.size(); ++r)
        for (int c = 0; c < grid_.at(r).size(); ++c) {
            const TotalsGridCell& cell = grid_.at(r).at(c);
            const CellAddress address{firstRow + r, layout_.firstValueColumn + c};
            const double value = values.value(cell.column);
            sheet_.setFormat(address, totalsValueFormat(cell.rounding));
            sheet_.setValue(address, cell.column.isEmpty() || value == 0 ? CellValue() : rounded(value, cell.rounding));
        }
    if (layout_.table == 5)
        sheet_.setValue({firstRow + int(grid_.size()) - 1, layout_.lastColumn}, table5TotalScore(grid_, values));
}

void TotalsBlockWriter::writeCaptions(int firstRow, int column) {
    for (int r = 0; r < layout_.captions.size(); ++r) {
        const CellAddress address{firstRow + r, column};
        sheet_.setFormat(address, totalsCaptionFormat());
        sheet_.setValue(address, layout_.captions.at(r));
    }
}

void TotalsBlockWriter::writeHeading(int firstRow, const TotalsHeading& heading) {
    if (heading.kind == TotalsHeading::Breed) {
        sheet_.setValue({firstRow, kHeadingColumn}, heading.text);
        return;
    }
    if (heading.kind != TotalsHeading::Category)
        return;
    const QStringList lines = categoryHeadingLines(heading.text);
    for (int i = 0; i < lines.size(); ++i) {
        const CellAddress address{firstRow + i, kHeadingColumn};
        sheet_.setFontSize(address, kHeadingFontSize);
        sheet_.setValue(address, lines.at(i));
    }
}

int TotalsBlockWriter::headingRows(const TotalsHeading& heading) const {
    switch (heading.kind) {
    case TotalsHeading::Breed: return 1;
    case TotalsHeading::Category: return int(categoryHeadingLines(heading.text).size());
    case TotalsHeading::None: break;
    }
    return 0;
}
