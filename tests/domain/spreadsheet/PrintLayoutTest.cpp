#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"

#include <gtest/gtest.h>

namespace {

struct BreakCase {
    int lastRow;
    int rowsPerPage;
    std::vector<int> breaksAfterRows;
    std::optional<CellRange> printArea;
    std::vector<int> expected;
};

class PageBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(PageBreaks, EndPagesBelowTheLastPrintedRow) {
    const BreakCase& c = GetParam();
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("табл1"));
    sheet.setValue({c.lastRow, 3}, QStringLiteral("ИТОГО"));
    sheet.pageSetup().rowsPerPage = c.rowsPerPage;
    sheet.pageSetup().breaksAfterRows = c.breaksAfterRows;
    sheet.pageSetup().printArea = c.printArea;
    EXPECT_EQ(pageBreakRows(sheet), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageBreaks,
    ::testing::Values(BreakCase{200, 70, {}, {}, {70, 140}}, BreakCase{140, 70, {}, {}, {70}},
                      BreakCase{70, 70, {}, {}, {}}, BreakCase{150, 70, {500, 30, 70}, {}, {30, 70, 140}},
                      BreakCase{150, 0, {40}, {}, {40}},
                      BreakCase{150, 70, {}, CellRange({5, 1}, {150, 10}), {74, 144}}));

struct ScaleCase {
    PageOrientation orientation;
    double rowHeight;
    bool fitToWidth;
    double columnWidth;  // of columns 1 to 10
    int expected;
};

class PrintScale : public ::testing::TestWithParam<ScaleCase> {};

// Seventy rows a page: the scale must let each page's rows fit its height, or the spreadsheet
// program would break the pages earlier than the sheet says.
TEST_P(PrintScale, LetsEveryPageFitThePaper) {
    const ScaleCase& c = GetParam();
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("табл1"));
    sheet.setValue({300, 10}, 1);
    sheet.setDefaultRowHeight(c.rowHeight);
    for (int column = 1; column <= 10; ++column)
        sheet.setColumnWidth(column, c.columnWidth);
    PageSetup& setup = sheet.pageSetup();
    setup.orientation = c.orientation;
    setup.fitToWidth = c.fitToWidth;
    setup.rowsPerPage = 70;
    EXPECT_EQ(printScale(sheet, pageBreakRows(sheet)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintScale,
                         ::testing::Values(ScaleCase{PageOrientation::Portrait, 15, false, 5, 69},
                                           ScaleCase{PageOrientation::Portrait, 10, false, 5, 100},
                                           ScaleCase{PageOrientation::Landscape, 10, false, 5, 69},
                                           ScaleCase{PageOrientation::Portrait, 10, true, 20, 45},
                                           ScaleCase{PageOrientation::Portrait, 10, false, 20, 100},
                                           ScaleCase{PageOrientation::Portrait, 200, true, 100, 10}));

} // namespace
