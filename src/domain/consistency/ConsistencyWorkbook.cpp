#include "ConsistencyWorkbook.h"

#include "domain/spreadsheet/Workbook.h"

namespace {

const double kColumnWidths[] = {24, 16, 22, 24, 20, 6, 20, 70, 11, 11};
constexpr int kCaptionRow = 3;

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
    int row = kCaptionRow;
    for (const ConsistencyFinding& finding : report.findings) {
        const QStringList texts = findingTexts(finding);
        ++row;
        for (int c = 0; c < texts.size() - 2; ++c)
            sheet.setValue({row, c + 1}, texts[c]);
        sheet.setValue({row, int(texts.size()) - 1}, finding.leftValue);
        sheet.setValue({row, int(texts.size())}, finding.rightValue);
    }
    sheet.setBorders(CellRange({kCaptionRow, 1}, {row, int(captions.size())}), BorderStyle::Thin);
    return book;
}
