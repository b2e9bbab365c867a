#include "TotalsSheetReadBack.h"
#include "domain/db/Schema.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/totals/TotalsBlockWriter.h"
#include "domain/totals/TotalsWorkbookTemplate.h"

#include <QJsonArray>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kBeefBreeds = QStringLiteral("ПОРОДЫ МЯСНОГО НАПРАВЛЕНИЯ");

// A fresh template with a writer on one table's sheet.
class BlockWriterTest : public ::testing::Test {
protected:
    TotalsBlockWriter& writerFor(int table) {
        sheetLayout = &totalsSheetLayout(table);
        sheetName = sheetLayout->sheetName();
        writer = std::make_unique<TotalsBlockWriter>(table, book.sheet(sheetName));
        writer->startFirstPage(QStringLiteral("2026"), QStringLiteral("Оренбургская область"));
        return *writer;
    }
    SheetReadBack readBack() {
        fitTotalsSheetToPages(book.sheet(sheetName), *sheetLayout);
        return saveAndReadSheet(book, sheetName);
    }

    Workbook book = makeTotalsTemplate();
    const TotalsSheetLayout* sheetLayout = nullptr;
    QString sheetName;
    std::unique_ptr<TotalsBlockWriter> writer;
};

TEST_F(BlockWriterTest, Table1FirstBlockStandsBelowTheHeaderWithOneEmptyRowAfterIt) {
    TotalsBlockWriter& w = writerFor(1);
    ASSERT_EQ(w.rowPointer(), 13);
    w.FeelTable({{"tm101", 40}, {"tm107", 5}, {"tm129", 7}, {"tm135", 3}});
    EXPECT_EQ(w.rowPointer(), 19);
    w.FeelTable({{"tm101", 1}}, TotalsHeading::breed("Калмыцкая"));

    const SheetReadBack s = readBack();
    EXPECT_EQ(s.value(3, 6).toDouble(), 2026);
    EXPECT_EQ(s.text(12, 2), "Оренбургская область");
    EXPECT_EQ(s.value(2, 10).toDouble(), 1);
    EXPECT_EQ(s.value(14, 4).toDouble(), 40);
    EXPECT_EQ(s.value(14, 10).toDouble(), 5);
    EXPECT_EQ(s.value(18, 4).toDouble(), 7);
    EXPECT_EQ(s.value(18, 10).toDouble(), 3);
    EXPECT_TRUE(s.isEmpty(14, 5)) << "a 0 is a blank cell";
    EXPECT_EQ(s.text(14, 3), "Всего КРС");
    EXPECT_EQ(s.text(18, 3), "телки старше 2-х лет и нетели");
    EXPECT_TRUE(s.isEmpty(14, 2)) << "the whole region has no heading";
    for (int c = 1; c <= 10; ++c)
        EXPECT_TRUE(s.isEmpty(19, c)) << "column " << c;
    EXPECT_EQ(s.text(20, 2), "Калмыцкая");
    EXPECT_EQ(s.text(20, 3), "Всего КРС");
    EXPECT_EQ(s.value(20, 4).toDouble(), 1);
}

struct PageBreakCase {
    int table;
    int pointer;
    int headerRows;
    int lastColumn;
    int firstValueRow;
};

class PageBreakTest : public BlockWriterTest, public ::testing::WithParamInterface<PageBreakCase> {};

TEST_P(PageBreakTest, AFullPageRepeatsTheHeaderWithTheNextPageNumber) {
    const PageBreakCase c = GetParam();
    const TotalsSheetLayout& layout = totalsSheetLayout(c.table);
    TotalsBlockWriter& w = writerFor(c.table);
    w.setRowPointer(c.pointer);
    const QString first = Schema::dataColumns(c.table).first();
    w.FeelTable({{first, 9}});

    const SheetReadBack s = readBack();
    // The copy starts on row 71, the first row of the second printed page.
    EXPECT_EQ(s.text(70 + layout.yearCell.row, layout.yearCell.column - 1), s.text(layout.yearCell.row, layout.yearCell.column - 1));
    EXPECT_FALSE(s.text(70 + layout.yearCell.row, layout.yearCell.column - 1).isEmpty());
    EXPECT_EQ(s.value(70 + layout.yearCell.row, layout.yearCell.column).toDouble(), 2026);
    EXPECT_EQ(s.text(70 + c.headerRows, 2), "Оренбургская область");
    EXPECT_EQ(s.value(72, c.lastColumn).toDouble(), 2);
    EXPECT_EQ(s.value(2, c.lastColumn).toDouble(), 1) << "the first page keeps its number";
    EXPECT_EQ(s.value(c.firstValueRow, layout.firstValueColumn).toDouble(), 9);
    EXPECT_EQ(s.text(c.firstValueRow, layout.captionColumn), layout.captions.first());
    for (int row = c.pointer + 1; row <= 70; ++row)
        EXPECT_TRUE(s.isEmpty(row, layout.captionColumn)) << "row " << row;
    EXPECT_EQ(w.pageNumber(), 2);
    EXPECT_EQ(s.json().value("rowBreaks").toArray(), QJsonArray{70}) << "a printed page holds 70 rows";
}

// The printed size of a saved sheet's pages, from the file's own column widths, row heights,
// breaks, margins, paper, orientation and scale. A width counts characters that LibreOffice,
// lacking Calibri's metric twin, draws 7 points wide: wider than any other program prints them.
struct PrintedSheet {
    double widest = 0;
    double tallest = 0;
    double paperWidth = 0;
    double paperHeight = 0;
};

PrintedSheet printedFromFile(const QJsonObject& sheet, int lastColumn) {
    PrintedSheet printed;
    const double scale = sheet.value("scale").toInt() / 100.0;
    const QJsonObject widths = sheet.value("columnWidths").toObject();
    for (int column = 1; column <= lastColumn; ++column) {
        const QString letter = QString(QChar(u'A' + column - 1));
        EXPECT_TRUE(widths.contains(letter)) << "column " << letter.toStdString() << " has no width of its own";
        printed.widest += widths.value(letter).toDouble() * 7 * scale;
    }
    const QJsonObject heights = sheet.value("rowHeights").toObject();
    const QJsonArray breaks = sheet.value("rowBreaks").toArray();
    int first = 1;
    for (const QJsonValue& end : breaks) {
        double page = 0;
        for (int row = first; row <= end.toInt(); ++row) {
            EXPECT_TRUE(heights.contains(QString::number(row))) << "row " << row << " has no height of its own";
            page += heights.value(QString::number(row)).toDouble();
        }
        printed.tallest = std::max(printed.tallest, page * scale);
        first = end.toInt() + 1;
    }
    const bool landscape = sheet.value("orientation").toString() == "landscape";
    const QJsonArray margins = sheet.value("margins").toArray(); // inches
    EXPECT_EQ(sheet.value("paperSize").toInt(), 9) << "A4";
    printed.paperWidth = (landscape ? 841.89 : 595.28) - 72 * (margins.at(0).toDouble() + margins.at(1).toDouble());
    printed.paperHeight = (landscape ? 595.28 : 841.89) - 72 * (margins.at(2).toDouble() + margins.at(3).toDouble());
    return printed;
}

// Every sheet, three pages long: each page of 70 rows, with all the table's columns, its heading
// and page number, prints on one sheet of paper. A spreadsheet program would add breaks of its
// own when a page's rows were taller, and print the columns on a second sheet when wider.
TEST_F(BlockWriterTest, EveryPageOfEverySheetFitsThePaperInBothDimensions) {
    for (int table = 1; table <= Schema::kReportTableCount; ++table) {
        TotalsBlockWriter& w = writerFor(table);
        while (w.pageNumber() < 3)
            w.FeelTable({}, TotalsHeading::category(QStringLiteral("ПЛЕМЕННЫЕ ХОЗЯЙСТВА")));
        fitTotalsSheetToPages(book.sheet(sheetName), *sheetLayout);
    }
    EXPECT_EQ(sheetsOverflowingPaper(book), QStringList{});

    for (int table = 1; table <= Schema::kReportTableCount; ++table) {
        const TotalsSheetLayout& layout = totalsSheetLayout(table);
        SCOPED_TRACE(layout.sheetName().toStdString());
        const QJsonObject sheet = saveAndReadSheet(book, layout.sheetName()).json();
        EXPECT_EQ(sheet.value("rowBreaks").toArray(), (QJsonArray{70, 140}));
        EXPECT_FALSE(sheet.value("fitToPage").toBool());
        EXPECT_EQ(sheet.value("printArea").toString(),
                  QStringLiteral("$A$1:$%1$210").arg(QChar(u'A' + layout.lastColumn - 1)));
        const PrintedSheet printed = printedFromFile(sheet, layout.lastColumn);
        EXPECT_GT(sheet.value("scale").toInt(), 40);
        EXPECT_LE(printed.widest, printed.paperWidth);
        EXPECT_LE(printed.tallest, printed.paperHeight);
        // The heading, right-aligned before the year, runs leftwards over the columns before it:
        // in Excel a bold capital takes about 0.65 of the font size, a width unit 5.25 points.
        const SheetReadBack readBack(sheet);
        const CellAddress year = layout.yearCell;
        const QString heading = readBack.text(year.row, year.column - 1);
        double room = 0;
        for (int column = 1; column < year.column; ++column)
            room += sheet.value("columnWidths").toObject().value(QString(QChar(u'A' + column - 1))).toDouble() * 5.25;
        EXPECT_LE(0.65 * readBack.fontSize(year.row, year.column - 1) * heading.size(), room) << heading.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, PageBreakTest,
                         ::testing::Values(PageBreakCase{1, 66, 12, 10, 84}, PageBreakCase{2, 67, 9, 12, 82}));

TEST_F(BlockWriterTest, NoBreakWhileMoreRowsThanTheThresholdAreLeft) {
    TotalsBlockWriter& w = writerFor(1);
    w.setRowPointer(63);
    w.FeelTable({{"tm101", 9}});
    EXPECT_EQ(w.pageNumber(), 1);
    EXPECT_EQ(w.rowPointer(), 69);
    const SheetReadBack s = readBack();
    EXPECT_EQ(s.value(64, 4).toDouble(), 9);
}

TEST_F(BlockWriterTest, AveragesAreRoundedHalfUpAfterTheZeroTest) {
    TotalsBlockWriter& w = writerFor(3);
    w.FeelTable({{"tm301", 3}, {"tm310", 0.4}, {"tm320", 452.5}, {"tm330", 452.49}, {"tm309", 2.5}});
    const SheetReadBack s = readBack();
    const int first = 13;
    EXPECT_EQ(s.value(first, 13).toDouble(), 0);
    EXPECT_FALSE(s.isEmpty(first, 13)) << "0.4 is not 0: it shows as 0";
    EXPECT_EQ(s.value(first + 1, 13).toDouble(), 453);
    EXPECT_EQ(s.value(first + 2, 13).toDouble(), 452);
    EXPECT_EQ(s.value(first, 12).toDouble(), 2.5) << "summed columns are written as they come";
    EXPECT_TRUE(s.isEmpty(first + 3, 13));
}

TEST(CategoryHeadingLinesTest, LongNamesTakeTwoLinesBeforeTheBeefBreedsLine) {
    const QString twentyEight(28, u'Ж');
    const QString twentyNine(29, u'Ж');
    EXPECT_EQ(categoryHeadingLines(twentyEight), (QStringList{twentyEight, kBeefBreeds}));
    EXPECT_EQ(categoryHeadingLines(twentyNine), (QStringList{twentyNine, QString(), kBeefBreeds}));
    EXPECT_EQ(categoryHeadingLines("КРЕСТЬЯНСКИЕ (ФЕРМЕРСКИЕ) ХОЗЯЙСТВА"),
              (QStringList{"КРЕСТЬЯНСКИЕ (ФЕРМЕРСКИЕ) ХОЗ", "ЯЙСТВА", kBeefBreeds}));
    EXPECT_EQ(categoryHeadingLines("  " + QString(30, u'Ж') + "ЁЁ  "),
              (QStringList{"  " + QString(27, u'Ж'), QStringLiteral("ЖЁЁ"), kBeefBreeds}))
        << "the second line is taken from the name without its outer blanks";
}

TEST_F(BlockWriterTest, CategoryHeadingLinesStandBesideTheCaptionsInSmallFont) {
    TotalsBlockWriter& w = writerFor(1);
    w.FeelTable({{"tm101", 5}}, TotalsHeading::category(QString(29, u'Ж')));
    const SheetReadBack s = readBack();
    EXPECT_EQ(s.text(14, 2), QString(29, u'Ж'));
    EXPECT_TRUE(s.isEmpty(15, 2));
    EXPECT_EQ(s.text(16, 2), kBeefBreeds);
    for (int row = 14; row <= 16; ++row)
        EXPECT_EQ(s.fontSize(row, 2), 8) << "row " << row;
    EXPECT_EQ(s.text(14, 3), "Всего КРС");
    EXPECT_EQ(w.rowPointer(), 19);
}

struct StackedCase {
    int table;
    TotalsHeading heading;
    int headingRows;
    int nextAfterValues; // rows between the last value row and the next pointer: 0 or 1
};

class StackedLayoutTest : public BlockWriterTest, public ::testing::WithParamInterface<StackedCase> {};

TEST_P(StackedLayoutTest, HeadingsStandAboveTheValues) {
    const StackedCase c = GetParam();
    const TotalsSheetLayout& layout = totalsSheetLayout(c.table);
    TotalsBlockWriter& w = writerFor(c.table);
    const int top = w.rowPointer();
    const QString first = Schema::dataColumns(c.table).first();
    w.FeelTable({{first, 6}}, c.heading);

    const int firstValueRow = top + 1 + c.headingRows;
    const int lastValueRow = firstValueRow + layout.valueRows - 1;
    EXPECT_EQ(w.rowPointer(), lastValueRow + c.nextAfterValues);
    const SheetReadBack s = readBack();
    EXPECT_EQ(s.value(firstValueRow, layout.firstValueColumn).toDouble(), 6);
    if (c.heading.kind == TotalsHeading::Category) {
        const QStringList lines = categoryHeadingLines(c.heading.text);
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_EQ(s.text(top + 1 + i, 2), lines.at(i)) << "line " << i;
    } else if (c.heading.kind == TotalsHeading::Breed) {
        EXPECT_EQ(s.text(top + 1, 2), c.heading.text);
    }
    const bool captioned = c.heading.kind != TotalsHeading::None || c.table == 4;
    for (int r = 0; r < layout.valueRows; ++r)
        EXPECT_EQ(s.text(firstValueRow + r, 2), captioned ? layout.captions.at(r) : QString()) << "row " << r;
}

const QString kTwoLines = QStringLiteral("КРЕСТЬЯНСКИЕ (ФЕРМЕРСКИЕ) ХОЗЯЙСТВА");
const QString kOneLine = QStringLiteral("ПЛЕМЕННЫЕ ХОЗЯЙСТВА");

INSTANTIATE_TEST_SUITE_P(
    Tables4And5, StackedLayoutTest,
    ::testing::Values(StackedCase{4, {}, 0, 1}, StackedCase{4, TotalsHeading::breed("Герефордская"), 1, 1},
                      StackedCase{4, TotalsHeading::category(kOneLine), 2, 1},
                      StackedCase{4, TotalsHeading::category(kTwoLines), 3, 1}, StackedCase{5, {}, 0, 1},
                      StackedCase{5, TotalsHeading::breed("Герефордская"), 1, 1},
                      StackedCase{5, TotalsHeading::category(kOneLine), 2, 0},
                      StackedCase{5, TotalsHeading::category(kTwoLines), 3, 0}));

TEST_F(BlockWriterTest, Table4SecondRowIsTheCaptionsSecondLineAndStaysBlank) {
    TotalsBlockWriter& w = writerFor(4);
    w.FeelTable({{"tm401", 10}, {"tm403", 180.5}, {"tm416", 4}, {"tm431", 14}});
    const SheetReadBack s = readBack();
    EXPECT_EQ(s.value(20, 3).toDouble(), 10);
    EXPECT_EQ(s.value(20, 5).toDouble(), 181);
    for (int c = 3; c <= 17; ++c)
        EXPECT_TRUE(s.isEmpty(21, c)) << "column " << c;
    EXPECT_EQ(s.value(22, 3).toDouble(), 4);
    EXPECT_EQ(s.value(23, 3).toDouble(), 14);
}

TEST_F(BlockWriterTest, Table9LeavesEveryOtherValueColumnBlank) {
    TotalsBlockWriter& w = writerFor(9);
    TotalsValues all;
    for (const QString& column : Schema::dataColumns(9))
        all.insert(column, 7);
    w.FeelTable(all);
    w.FeelTable(all, TotalsHeading::breed("Калмыцкая"));
    const SheetReadBack s = readBack();
    for (int row : {13, 14, 15, 17, 18, 19}) {
        for (int c : {6, 8, 10})
            EXPECT_EQ(s.value(row, c).toDouble(), 7) << row << "," << c;
        for (int c : {7, 9, 11})
            EXPECT_TRUE(s.isEmpty(row, c)) << row << "," << c;
    }
}

TEST_F(BlockWriterTest, Table5TotalScoreIsTheMeanOfTheShownScores) {
    TotalsBlockWriter& w = writerFor(5);
    w.FeelTable({{"tm501", 10}, {"tm513", 4.26}, {"tm514", 30}, {"tm526", 3.94}, {"tm553", 40}, {"tm565", 4.02}},
                TotalsHeading::breed("Калмыцкая"));
    w.FeelTable({{"tm501", 10}, {"tm513", 4.26}, {"tm553", 40}, {"tm565", 0}});
    const SheetReadBack s = readBack();
    // Breed block: heading on 18, values 19 to 23; the next block's values 25 to 29.
    EXPECT_EQ(s.value(19, 15).toDouble(), 4.3);
    EXPECT_EQ(s.value(20, 15).toDouble(), 3.9);
    EXPECT_EQ(s.value(23, 15).toDouble(), 4);
    EXPECT_EQ(s.value(23, 3).toDouble(), 40);
    EXPECT_TRUE(s.isEmpty(29, 15)) << "a stored total score of 0 leaves the cell blank";
    EXPECT_EQ(s.value(25, 15).toDouble(), 4.3);
}

} // namespace
