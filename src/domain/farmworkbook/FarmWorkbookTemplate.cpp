#include "FarmWorkbookTemplate.h"

#include "FarmSheetMap.h"
#include "domain/db/Schema.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/tables/FormCaptions.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <algorithm>

namespace {

constexpr double kFontSize = 9;
constexpr int kHeaderTop = 6;
constexpr int kTitleRow = 2;
constexpr double kValueWidth = 9;
constexpr double kCaptionWidth = 30;
constexpr double kNamesLineHeight = 36; // three lines of the form's type

CellFormat plain(bool bold = false, HorizontalAlignment horizontal = HorizontalAlignment::General) {
    CellFormat f;
    f.fontSize = kFontSize;
    f.bold = bold;
    f.horizontal = horizontal;
    return f;
}

CellFormat ruled(bool wrap) {
    CellFormat f = plain();
    f.borders = {BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin, BorderStyle::Thin};
    f.horizontal = wrap ? HorizontalAlignment::Center : HorizontalAlignment::Right;
    f.vertical = VerticalAlignment::Center;
    f.wrap = wrap;
    return f;
}

void caption(Worksheet& sheet, const CellRange& range, const QString& text,
             const CellFormat& format = ruled(true)) {
    sheet.setMergedValue(range, text, format);
}

// The sheet columns a table column's value and caption take: up to the next value column.
CellRange columnSpan(const FarmSheetMap& map, int index, int top, int bottom) {
    const int first = map.columns.at(index);
    int last = first;
    if (index + 1 < map.columns.size())
        last = map.columns.at(index + 1) - 1;
    else if (index > 0)
        last = first + (first - map.columns.at(index - 1)) - 1;
    return CellRange({top, first}, {bottom, last});
}

int lastColumn(const FarmSheetMap& map) {
    return columnSpan(map, int(map.columns.size()) - 1, 1, 1).last().column;
}

// Table 5's values start in column A, so its row captions stand in the row above each row.
bool captionsAbove(const FarmSheetMap& map) { return map.columns.first() == 1; }

void writeTitle(Worksheet& sheet, const FarmSheetMap& map) {
    const TableDefinition& table = reportTable(map.table);
    caption(sheet, CellAddress{1, lastColumn(map)}, table.tableName(), plain(true, HorizontalAlignment::Right));
    const QStringList labels{QStringLiteral("Регион"), QStringLiteral("Район"), QStringLiteral("Хоз-во"),
                             QStringLiteral("Кат. х-ва"), QStringLiteral("Порода")};
    for (int i = 0; i < labels.size(); ++i) {
        caption(sheet, CellAddress{kTitleRow, 1 + 2 * i}, labels.at(i), plain(false, HorizontalAlignment::Right));
        sheet.setFormat(CellAddress{kTitleRow, 2 + 2 * i}, ruled(true));
    }
    const CellAddress year = map.titleCells().last().cell;
    // Right-aligned, the heading runs leftwards over the empty cells before the year.
    caption(sheet, CellAddress{year.row, year.column - 1}, table.heading.text.simplified(),
            plain(true, HorizontalAlignment::Right));
    sheet.setFormat(year, ruled(true));
    caption(sheet, CellAddress{year.row, year.column + 1}, QStringLiteral("ГОДУ"), plain(true));
}

// The names of the title's codes, written with the values, wrap across the form's whole width
// rather than run past the printed page.
void writeNamesLine(Worksheet& sheet) {
    CellFormat format = plain();
    format.wrap = true;
    format.vertical = VerticalAlignment::Top;
    caption(sheet, CellRange({kFarmNamesRow, 1}, {kFarmNamesRow, sheet.lastColumn()}), {}, format);
    sheet.setRowHeight(kFarmNamesRow, kNamesLineHeight);
}

void writeColumnCaptions(Worksheet& sheet, const FarmSheetMap& map, const HeaderCaptions& captions, int bottom) {
    if (map.columns.first() > 1)
        caption(sheet, CellRange({kHeaderTop, 1}, {bottom, map.columns.first() - 1}), captions.rowCaption);
    for (int i = 0; i < map.columns.size(); ++i) {
        const bool grouped = std::any_of(captions.groups.begin(), captions.groups.end(),
                                         [i](const HeaderGroup& g) { return i + 1 >= g.first && i + 1 <= g.last; });
        caption(sheet, columnSpan(map, i, grouped ? kHeaderTop + 1 : kHeaderTop, bottom), captions.columns.at(i));
    }
    for (const HeaderGroup& g : captions.groups) {
        const CellRange first = columnSpan(map, g.first - 1, kHeaderTop, kHeaderTop);
        const CellRange last = columnSpan(map, g.last - 1, kHeaderTop, kHeaderTop);
        caption(sheet, CellRange(first.first(), last.last()), g.text);
    }
}

void writeRowCaptions(Worksheet& sheet, const FarmSheetMap& map, const QStringList& captions) {
    for (int r = 0; r < map.rows.size(); ++r) {
        const int row = map.rows.at(r);
        if (captionsAbove(map))
            caption(sheet, CellRange({row - 1, 1}, {row - 1, lastColumn(map)}), captions.at(r),
                    plain(true, HorizontalAlignment::Center));
        else
            caption(sheet, CellRange({row, 1}, {row, map.columns.first() - 1}), captions.at(r),
                    plain(false, HorizontalAlignment::Left));
        for (int c = 0; c < map.columns.size(); ++c)
            caption(sheet, columnSpan(map, c, row, row), {}, ruled(false));
    }
}

// Table 4 lists the calvings down the sheet: the form's column captions are its rows, grouped
// by calving, and its breeding groups are the columns.
HeaderCaptions captionsOf(const FarmSheetMap& map, QStringList& rowCaptions) {
    const HeaderCaptions form = headerCaptions(map.table);
    if (map.table != 4) {
        rowCaptions = ::rowCaptions(map.table);
        return form;
    }
    rowCaptions = form.columns;
    const QStringList groups = ::rowCaptions(4);
    return {form.rowCaption, {}, {groups.at(0) + u' ' + groups.at(1), groups.at(2), groups.at(3)}};
}

void writeTable4Groups(Worksheet& sheet, const FarmSheetMap& map) {
    for (const HeaderGroup& g : headerCaptions(4).groups)
        caption(sheet, CellRange({map.rows.at(g.first - 1) - 1, 1}, {map.rows.at(g.first - 1) - 1, lastColumn(map)}),
                g.text, plain(true, HorizontalAlignment::Center));
}

void setSizes(Worksheet& sheet, const FarmSheetMap& map) {
    const int captionColumns = map.columns.first() - 1;
    for (int c = 1; c <= captionColumns; ++c)
        sheet.setColumnWidth(c, kCaptionWidth / captionColumns);
    for (int c = map.columns.first(); c <= lastColumn(map); ++c)
        sheet.setColumnWidth(c, kValueWidth);
}

// Each form prints whole on one sheet of paper.
void setPrinting(Worksheet& sheet) {
    PageSetup& setup = sheet.pageSetup();
    setup.printArea = CellRange({1, 1}, {sheet.lastRow(), sheet.lastColumn()});
    setup.onePage = true;
    setup.centerHorizontally = true;
    fitPagesToPaper(sheet, {});
}

} // namespace

Workbook makeFarmTemplate() {
    Workbook book;
    for (int t = 1; t <= Schema::kReportTableCount; ++t) {
        const FarmSheetMap& map = farmSheetMap(t);
        Worksheet& sheet = book.addSheet(map.sheetName());
        setSizes(sheet, map);
        writeTitle(sheet, map);
        writeNamesLine(sheet);
        QStringList rows;
        const HeaderCaptions columns = captionsOf(map, rows);
        const int firstRow = map.rows.first() - (captionsAbove(map) || t == 4 ? 2 : 1);
        writeColumnCaptions(sheet, map, columns, firstRow);
        writeRowCaptions(sheet, map, rows);
        if (t == 4)
            writeTable4Groups(sheet, map);
        setPrinting(sheet);
    }
    return book;
}

QStringList farmColumnCaptions(int table) {
    QStringList rows;
    return captionsOf(farmSheetMap(table), rows).columns;
}
