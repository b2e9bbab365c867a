#include "TotalsWorkbookTemplate.h"

#include "domain/db/Schema.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/tables/FormCaptions.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kRowHeight = 12;
constexpr double kHeaderFontSize = 8;
constexpr double kBodyFontSize = 9;
constexpr double kTitleFontSize = 10;
constexpr double kMarginCm = 1;
constexpr int kHeadingColumn = 2;
constexpr int kFullScale = 100;

CellFormat headerFormat() {
    CellFormat f;
    f.fontSize = kHeaderFontSize;
    f.borders = {BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin};
    f.horizontal = HorizontalAlignment::Center;
    f.vertical = VerticalAlignment::Center;
    f.wrap = true;
    return f;
}

CellFormat textFormat(double size, bool bold, HorizontalAlignment horizontal) {
    CellFormat f;
    f.fontSize = size;
    f.bold = bold;
    f.horizontal = horizontal;
    return f;
}

void putCaption(Worksheet& sheet, const CellRange& range, const QString& text) {
    sheet.setFormat(range, headerFormat());
    if (range.rowCount() > 1 || range.columnCount() > 1)
        sheet.merge(range);
    sheet.setValue(range.first(), text);
}

void putText(Worksheet& sheet, CellAddress cell, const CellFormat& format, const QString& text = {}) {
    sheet.setFormat(cell, format);
    if (!text.isEmpty())
        sheet.setValue(cell, text);
}

// The heading runs leftwards from the year over the empty cells before it and must end within the
// sheet. A bold capital takes about 0.65 of the font size in Excel, whose columns are 3/4 as wide as
// the widest program prints them (LibreOffice's wider fallback font comes with wider columns), so
// a long heading is set smaller until its letters fit, in half points.
double headingFontSize(const Worksheet& sheet, int yearColumn, const QString& heading) {
    constexpr double kCapitalWidth = 0.65 / 0.75;
    const double room = printedColumnsWidth(sheet, 1, yearColumn - 1);
    const double fitting = std::floor(2 * room / (kCapitalWidth * double(heading.size()))) / 2;
    return std::min(kTitleFontSize, fitting);
}

// The title line with the year cell, "Таблица N" and the page number's label.
void writeTitle(Worksheet& sheet, const TotalsSheetLayout& layout) {
    const TableDefinition& table = reportTable(layout.table);
    const CellAddress year = layout.yearCell;
    // Right-aligned, the title runs leftwards over the empty cells before the year.
    // The entry page spaces its words for a screen font; the sheet's narrow columns need them closed up.
    const QString heading = table.heading.text.simplified();
    putText(sheet, {year.row, year.column - 1},
            textFormat(headingFontSize(sheet, year.column, heading), true, HorizontalAlignment::Right), heading);
    putText(sheet, year, textFormat(kTitleFontSize, true, HorizontalAlignment::Center));
    putText(sheet, {year.row, year.column + 1}, textFormat(kTitleFontSize, true, HorizontalAlignment::Left),
            QStringLiteral("ГОДУ"));
    putText(sheet, {layout.pageNumberRow == 1 ? 2 : 1, layout.lastColumn},
            textFormat(kBodyFontSize, true, HorizontalAlignment::Right), table.tableName());
    putText(sheet, {layout.pageNumberRow, layout.lastColumn - 1},
            textFormat(kBodyFontSize, false, HorizontalAlignment::Right), QStringLiteral("Стр."));
    putText(sheet, layout.pageNumberCell(), textFormat(kBodyFontSize, false, HorizontalAlignment::Center));
    putText(sheet, layout.regionCell, textFormat(kTitleFontSize, true, HorizontalAlignment::Left));
}

// Column captions from two rows below the title down to the column numbers, which stand in the
// row above the region name.
void writeColumnCaptions(Worksheet& sheet, const TotalsSheetLayout& layout) {
    const HeaderCaptions captions = headerCaptions(layout.table);
    const int top = layout.yearCell.row + 2;
    const int numbers = layout.headerRows - 1;
    const int span = layout.valueColumns() / int(captions.columns.size());
    const int captionLast = layout.firstValueColumn - 1;
    putCaption(sheet, CellRange({top, kHeadingColumn}, {numbers - 1, captionLast}), captions.rowCaption);
    putCaption(sheet, CellRange({numbers, kHeadingColumn}, {numbers, captionLast}), QStringLiteral("А"));
    auto columnOf = [&](int number) { return layout.firstValueColumn + (number - 1) * span; };
    for (const HeaderGroup& g : captions.groups)
        putCaption(sheet, CellRange({top, columnOf(g.first)}, {top, columnOf(g.last) + span - 1}), g.text);
    for (int n = 1; n <= captions.columns.size(); ++n) {
        const bool grouped = std::any_of(captions.groups.begin(), captions.groups.end(),
                                         [n](const HeaderGroup& g) { return n >= g.first && n <= g.last; });
        const int first = columnOf(n);
        const int last = first + span - 1;
        putCaption(sheet, CellRange({grouped ? top + 1 : top, first}, {numbers - 1, last}), captions.columns.at(n - 1));
        putCaption(sheet, CellRange({numbers, first}, {numbers, last}), QString::number(n));
    }
}

void setSizes(Worksheet& sheet, const TotalsSheetLayout& layout) {
    sheet.setDefaultRowHeight(kRowHeight);
    sheet.setColumnWidth(1, 2);
    for (int c = kHeadingColumn; c < layout.firstValueColumn; ++c) {
        double width = 2;
        if (c == kHeadingColumn)
            width = layout.stacked ? 30 : 22;
        else if (c == layout.captionColumn)
            width = 27;
        sheet.setColumnWidth(c, width);
    }
    for (int c = layout.firstValueColumn; c <= layout.lastColumn; ++c)
        sheet.setColumnWidth(c, layout.stacked ? 7 : 9);
}

// The orientation and scale are chosen by fitTotalsSheetToPages; a page narrower than the paper
// stands in its middle.
void setPrinting(Worksheet& sheet) {
    PageSetup& setup = sheet.pageSetup();
    setup.paper = PaperSize::A4;
    setup.margins = {kMarginCm, kMarginCm, kMarginCm, kMarginCm};
    setup.rowsPerPage = kTotalsPageRows;
    setup.centerHorizontally = true;
}

} // namespace

Workbook makeTotalsTemplate() {
    Workbook book;
    for (int t = 1; t <= Schema::kReportTableCount; ++t) {
        const TotalsSheetLayout& layout = totalsSheetLayout(t);
        Worksheet& sheet = book.addSheet(layout.sheetName());
        setSizes(sheet, layout);
        setPrinting(sheet);
        writeTitle(sheet, layout);
        writeColumnCaptions(sheet, layout);
        fitTotalsSheetToPages(sheet, layout);
    }
    return book;
}

CellFormat totalsValueFormat(TotalsRounding rounding) {
    CellFormat f = totalsCaptionFormat();
    f.horizontal = HorizontalAlignment::Right;
    f.numberFormat = rounding == TotalsRounding::OneDecimal ? QStringLiteral("0.0") : QStringLiteral("0");
    return f;
}

CellFormat totalsCaptionFormat() {
    CellFormat f;
    f.fontSize = kBodyFontSize;
    f.borders = {BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin};
    return f;
}

void fitTotalsSheetToPages(Worksheet& sheet, const TotalsSheetLayout& layout) {
    const int pages = std::max(1, (sheet.lastRow() + kTotalsPageRows - 1) / kTotalsPageRows);
    std::vector<int> pageEnds;
    for (int page = 1; page <= pages; ++page)
        pageEnds.push_back(page * kTotalsPageRows);
    for (int row = 1; row <= pageEnds.back(); ++row)
        if (!sheet.rowHeights().contains(row))
            sheet.setRowHeight(row, sheet.defaultRowHeight());
    PageSetup& setup = sheet.pageSetup();
    setup.printArea = CellRange({1, 1}, {pageEnds.back(), layout.lastColumn});
    setup.scale = kFullScale;
    fitPagesToPaper(sheet, pageEnds);
}
