#include "StatusWorkbook.h"

#include "StatusColumns.h"
#include "domain/db/SqlResult.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"

namespace {

constexpr int kFirstRow = 6;
constexpr int kCaptionRow = 5;
constexpr int kGroupRow = 4;
constexpr int kFirstTitleColumn = 2;
constexpr int kLastTitleColumn = 7;
constexpr int kFirstMarkColumn = 8;
constexpr int kPageRows = 40;

CellFormat centred(bool bold = false, double size = 10) {
    CellFormat format;
    format.fontName = QStringLiteral("Arial");
    format.fontSize = size;
    format.bold = bold;
    format.horizontal = HorizontalAlignment::Center;
    format.vertical = VerticalAlignment::Center;
    format.wrap = true;
    return format;
}

Worksheet& makeTemplate(Workbook& book) {
    Worksheet& sheet = book.addSheet(QStringLiteral("spravka"));
    const std::vector<StatusColumn>& columns = statusReportColumns();
    const int last = int(columns.size());
    const CellFormat caption = centred(true);
    sheet.setMergedValue(CellRange({1, 1}, {1, last}), QStringLiteral("С П Р А В К А"), centred(true, 14));
    sheet.setMergedValue(CellRange({2, 1}, {2, last}),
                         QStringLiteral("О СОСТОЯНИИ БД ПО БОНИТИРОВКЕ КРС МЯСНОГО НАПРАВЛЕНИЯ"), centred(true, 12));
    sheet.setMergedValue(CellRange({kGroupRow, 1}, {kCaptionRow, 1}),
                         QString::fromUtf8(columns.front().caption).trimmed(), caption);
    sheet.setMergedValue(CellRange({kGroupRow, kFirstTitleColumn}, {kGroupRow, kLastTitleColumn}),
                         QStringLiteral("Заголовок таблицы"), caption);
    sheet.setMergedValue(CellRange({kGroupRow, kFirstMarkColumn}, {kGroupRow, last}),
                         QStringLiteral("Наличие таблиц"), caption);
    for (int c = kFirstTitleColumn; c <= last; ++c)
        sheet.setMergedValue(CellAddress{kCaptionRow, c}, QString::fromUtf8(columns.at(size_t(c - 1)).caption),
                             caption);
    for (int c = 1; c <= last; ++c)
        sheet.setColumnWidth(c, columns.at(size_t(c - 1)).width + 2);
    sheet.setRowHeight(1, 21);
    sheet.setRowHeight(2, 18);
    sheet.setRowHeight(kCaptionRow, 27);
    sheet.setBorders(CellRange({kGroupRow, 1}, {kCaptionRow, last}), BorderStyle::Thin);
    return sheet;
}

// A long list prints over several pages of kPageRows titles, each under the heading rows.
void setPrinting(Worksheet& sheet) {
    PageSetup& setup = sheet.pageSetup();
    setup.margins = {1.0, 1.0, 1.5, 1.5};
    setup.repeatedRows = kCaptionRow;
    setup.rowsPerPage = kPageRows;
    setup.centerHorizontally = true;
    fitPagesToPaper(sheet, pageBreakRows(sheet));
}

void writeRows(Worksheet& sheet, const SqlResult& rows) {
    const int columns = int(statusReportColumns().size());
    ValueGrid values;
    for (const SqlRow& row : rows) {
        std::vector<CellValue> line;
        for (int c = 0; c < columns; ++c)
            line.push_back(CellValue::fromVariant(row.value(c)));
        values.push_back(std::move(line));
    }
    sheet.setValues({kFirstRow, 1}, values);
    const CellRange body({kFirstRow, 1}, {kFirstRow + rows.size() - 1, columns});
    sheet.setFormat(body, centred());
    sheet.setBorders(body, BorderStyle::Thin);
}

} // namespace

Workbook buildStatusWorkbook(const SqlResult& rows) {
    Workbook book;
    Worksheet& sheet = makeTemplate(book);
    if (!rows.isEmpty())
        writeRows(sheet, rows);
    setPrinting(sheet);
    return book;
}
