#include "ConsistencyWorkbook.h"

#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"

#include <algorithm>
#include <cmath>

namespace {

// Narrow enough for a landscape page at a legible scale; longer texts wrap.
const double kColumnWidths[] = {18, 16, 20, 16, 16, 6, 18, 44, 11, 11};
constexpr int kCaptionRow = 3;
constexpr double kLineHeight = 15;
// The characters a wrapped line holds a unit of column width, at the least: in the program that
// measures widest, less what breaking at spaces loses.
constexpr double kCharsPerWidth = 0.85;

// Programs keep a row's stored height on opening, so a row of wrapped texts is given the lines of
// its longest one.
void fitRowToTexts(Worksheet& sheet, int row, const QStringList& texts) {
    int lines = 1;
    for (int c = 0; c < texts.size(); ++c)
        lines = std::max(lines, int(std::ceil(texts[c].size() / (kColumnWidths[c] * kCharsPerWidth))));
    sheet.setRowHeight(row, lines * kLineHeight);
}

// The findings flow over as many pages as they need, each under the heading rows.
void setPrinting(Worksheet& sheet) {
    PageSetup& setup = sheet.pageSetup();
    setup.margins = {1.0, 1.0, 1.5, 1.5};
    setup.repeatedRows = kCaptionRow;
    setup.centerHorizontally = true;
    fitPagesToPaper(sheet, {});
}

} // namespace

Workbook consistencyWorkbook(const ConsistencyReport& report, const QString& regionName, const QString& year) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Проверка"));
    sheet.setValue({1, 1}, QStringLiteral("Проверка согласованности таблиц: %1, %2 год").arg(regionName, year));
    sheet.changeFormat(CellAddress{1, 1}, [](CellFormat& f) {
        f.bold = true;
        f.fontSize = 12;
    });
    sheet.setValue({2, 1}, findingsCountText(report));
    const QStringList& captions = findingCaptions();
    for (int c = 0; c < captions.size(); ++c) {
        sheet.setValue({kCaptionRow, c + 1}, captions[c]);
        sheet.setColumnWidth(c + 1, kColumnWidths[c]);
    }
    sheet.changeFormat(CellRange({kCaptionRow, 1}, {kCaptionRow, int(captions.size())}),
                       [](CellFormat& f) { f.bold = true; });
    fitRowToTexts(sheet, kCaptionRow, captions);
    int row = kCaptionRow;
    for (const ConsistencyFinding& finding : report.findings) {
        const QStringList texts = findingTexts(finding);
        ++row;
        fitRowToTexts(sheet, row, texts);
        for (int c = 0; c < texts.size() - 2; ++c)
            sheet.setValue({row, c + 1}, texts[c]);
        sheet.setValue({row, int(texts.size()) - 1}, finding.leftValue);
        sheet.setValue({row, int(texts.size())}, finding.rightValue);
    }
    const CellRange table({kCaptionRow, 1}, {row, int(captions.size())});
    sheet.changeFormat(table, [](CellFormat& f) {
        f.wrap = true;
        f.vertical = VerticalAlignment::Top;
    });
    sheet.setBorders(table, BorderStyle::Thin);
    setPrinting(sheet);
    return book;
}
