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
    int repeatedRows = 0;
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
    sheet.pageSetup().repeatedRows = c.repeatedRows;
    EXPECT_EQ(pageBreakRows(sheet), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageBreaks,
    ::testing::Values(BreakCase{200, 70, {}, {}, {70, 140}}, BreakCase{140, 70, {}, {}, {70}},
                      BreakCase{70, 70, {}, {}, {}}, BreakCase{150, 70, {500, 30, 70}, {}, {30, 70, 140}},
                      BreakCase{150, 0, {40}, {}, {40}},
                      BreakCase{150, 70, {}, CellRange({5, 1}, {150, 10}), {74, 144}},
                      BreakCase{100, 40, {}, {}, {45, 85}, 5}));

struct ScaleCase {
    PageOrientation orientation;
    double rowHeight;
    bool fitToWidth;
    double columnWidth;  // of columns 1 to 10
    int expected;
    int repeatedRows = 0; // printed again atop every page, beside its 70 rows
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
    setup.repeatedRows = c.repeatedRows;
    EXPECT_EQ(printScale(sheet, pageBreakRows(sheet)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintScale,
                         ::testing::Values(ScaleCase{PageOrientation::Portrait, 15, false, 5, 69},
                                           ScaleCase{PageOrientation::Portrait, 10, false, 5, 100},
                                           ScaleCase{PageOrientation::Landscape, 10, false, 5, 69},
                                           ScaleCase{PageOrientation::Portrait, 10, true, 20, 34},
                                           ScaleCase{PageOrientation::Portrait, 10, false, 20, 100},
                                           ScaleCase{PageOrientation::Portrait, 200, true, 100, 10},
                                           ScaleCase{PageOrientation::Portrait, 10, false, 5, 91, 10}));

// A sheet of `columns` columns of one width and `rows` rows of one height, on A4 with 1 cm margins.
Worksheet& gridSheet(Workbook& book, const QString& name, int columns, double width, int rows, double height) {
    Worksheet& sheet = book.addSheet(name);
    sheet.setValue({rows, columns}, 1);
    sheet.setDefaultRowHeight(height);
    for (int column = 1; column <= columns; ++column)
        sheet.setColumnWidth(column, width);
    sheet.pageSetup().margins = {1, 1, 1, 1};
    return sheet;
}

struct FitCase {
    const char* name;
    int columns;
    double width;
    double rowHeight;
    int rowsPerPage; // 0: the rows flow over the pages
    bool fitToWidth;
    bool fits;
    bool onePage = false;
    int repeatedRows = 0;
};

// Columns count as the widest program prints them: a width of 9 is 68 points (Excel: 68 pixels of
// 0.75 point; LibreOffice without Calibri's twin: 9.71 characters of 7 points). The portrait
// printable area is 538.6 × 785.2 points.
TEST(PrintFitTest, DesignedPagesAreMeasuredInBothDimensions) {
    const FitCase cases[] = {
        {"narrow", 7, 9, 11, 70, false, true},          // 476 × 770
        {"tooWide", 8, 9, 11, 70, false, false},        // 544 wide: height alone sets the scale
        {"wideFitted", 8, 9, 11, 70, true, true},       // the scale takes the width too
        {"tallScaled", 7, 9, 12, 70, false, true},      // 840 high at 100 %: the scale shrinks it
        {"flowing", 7, 9, 15, 0, false, true},          // no breaks: any height flows on
        {"flowingTooWide", 10, 9, 15, 0, false, false}, // 680 wide, nothing scales it
        {"onePage", 7, 9, 15, 0, false, true, true},     // 4500 high, scaled to 17 %
        {"onePageTooTall", 7, 9, 30, 0, false, false, true}, // 9000 high: even 10 % is too large
        {"flowingHeading", 7, 9, 15, 0, false, true, false, 51},        // 765 with one row below
        {"flowingHeadingTooTall", 7, 9, 15, 0, false, false, false, 52}, // 795
    };
    Workbook book;
    QStringList overflowing;
    for (const FitCase& c : cases) {
        Worksheet& sheet = gridSheet(book, c.name, c.columns, c.width, 300, c.rowHeight);
        sheet.pageSetup().rowsPerPage = c.rowsPerPage;
        sheet.pageSetup().fitToWidth = c.fitToWidth;
        sheet.pageSetup().onePage = c.onePage;
        sheet.pageSetup().repeatedRows = c.repeatedRows;
        const PrintFit fit = printFit(sheet);
        EXPECT_EQ(fit.fits(), c.fits) << c.name << " " << fit.width << " × " << fit.height;
        EXPECT_NEAR(fit.paperWidth, 538.6, 0.1);
        EXPECT_NEAR(fit.paperHeight, 785.2, 0.1);
        if (!c.fits)
            overflowing << c.name;
    }
    const QStringList reported = sheetsOverflowingPaper(book);
    ASSERT_EQ(reported.size(), overflowing.size());
    for (int i = 0; i < reported.size(); ++i)
        EXPECT_TRUE(reported[i].startsWith(overflowing[i] + ": ")) << reported[i].toStdString();
    EXPECT_EQ(reported.first(), "tooWide: 544 × 770 пт на листе 539 × 785 пт");
}

struct OrientationCase {
    int columns;
    PageOrientation orientation;
    int scale;
};

// 70 rows of 12 points a page: a wide sheet prints larger across the paper, a narrow one along it.
TEST(PrintFitTest, FittingChoosesTheOrientationWithTheLargerScale) {
    const OrientationCase cases[] = {
        {15, PageOrientation::Landscape, 64}, // portrait: 538.6 / 1020 = 52 %
        {4, PageOrientation::Portrait, 93},   // 785.2 / 840
        {25, PageOrientation::Landscape, 46}, // 785.2 / 1700: the width binds across the paper too
    };
    for (const OrientationCase& c : cases) {
        Workbook book;
        Worksheet& sheet = gridSheet(book, QStringLiteral("табл1"), c.columns, 9, 210, 12);
        sheet.pageSetup().rowsPerPage = 70;
        fitPagesToPaper(sheet, pageBreakRows(sheet));
        EXPECT_EQ(sheet.pageSetup().orientation, c.orientation) << c.columns;
        EXPECT_EQ(sheet.pageSetup().scale, c.scale) << c.columns;
        EXPECT_FALSE(sheet.pageSetup().fitToWidth);
        EXPECT_TRUE(sheetsOverflowingPaper(book).isEmpty()) << c.columns;
    }
}

} // namespace
