#include "domain/spreadsheet/SpreadsheetError.h"
#include "domain/spreadsheet/Workbook.h"

#include <gtest/gtest.h>

namespace {

CellFormat boldOf(double size) {
    CellFormat format;
    format.bold = true;
    format.fontSize = size;
    return format;
}

TEST(WorkbookSheets, FindsCyrillicNamesRegardlessOfCase) {
    Workbook book;
    Worksheet& first = book.addSheet(QStringLiteral("табл1"));
    book.addSheet(QStringLiteral("табл2"));
    EXPECT_EQ(book.findSheet(QStringLiteral("ТАБЛ1")), &first);
    EXPECT_EQ(&book.sheet(QStringLiteral("табл1")), &first);
    EXPECT_EQ(book.findSheet(QStringLiteral("табл3")), nullptr);
}

TEST(WorkbookSheets, MissingSheetThrowsNamingIt) {
    Workbook book;
    book.addSheet(QStringLiteral("table1"));
    try {
        book.sheet(QStringLiteral("table9"));
        FAIL() << "no error";
    } catch (const SpreadsheetError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("В книге нет листа «table9»."));
    }
}

TEST(WorkbookSheets, RefusesNamesTheSpreadsheetRejects) {
    const QString names[] = {QString(), QString(32, u'л'), QStringLiteral("a/b"), QStringLiteral("итог[1]"),
                             QStringLiteral("'табл"), QStringLiteral("ТАБЛ1")};
    for (const QString& name : names) {
        Workbook book;
        book.addSheet(QStringLiteral("табл1"));
        EXPECT_THROW(book.addSheet(name), SpreadsheetError) << name.toStdString();
        EXPECT_EQ(book.sheetCount(), 1);
    }
    Workbook book;
    EXPECT_NO_THROW(book.addSheet(QString(31, u'л')));
}

TEST(CellValues, EmptyTextIsAnEmptyCell) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    sheet.setValue({2, 3}, QStringLiteral("450"));
    sheet.setValue({2, 3}, QString());
    EXPECT_TRUE(sheet.value({2, 3}).isEmpty());
    EXPECT_EQ(sheet.lastRow(), 0);
}

TEST(CellValues, DatabaseFieldsKeepTheirKind) {
    EXPECT_TRUE(CellValue::fromVariant(QVariant()).isEmpty());
    EXPECT_EQ(CellValue::fromVariant(QVariant(qint64(450))), CellValue(450.0));
    EXPECT_EQ(CellValue::fromVariant(QVariant(75.5)), CellValue(75.5));
    EXPECT_EQ(CellValue::fromVariant(QVariant(QStringLiteral("75,5"))), CellValue(QStringLiteral("75,5")));
    EXPECT_EQ(CellValue::fromVariant(QVariant(QStringLiteral("+"))).text(), QStringLiteral("+"));
}

TEST(CellValues, GridGoesDownAndRightFromItsCorner) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    sheet.setValues({6, 1}, {{1, QStringLiteral("+")}, {2, QString(), 7}});
    EXPECT_EQ(sheet.value({6, 1}).number(), 1);
    EXPECT_EQ(sheet.value({6, 2}).text(), QStringLiteral("+"));
    EXPECT_TRUE(sheet.value({7, 2}).isEmpty());
    EXPECT_EQ(sheet.value({7, 3}).number(), 7);
}

TEST(CellAddresses, OutsideTheSheetThrows) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    EXPECT_THROW(sheet.setValue({0, 1}, 1), SpreadsheetError);
    EXPECT_THROW(sheet.setValue({1, kMaxSheetColumns + 1}, 1), SpreadsheetError);
    EXPECT_THROW(sheet.setFontSize(CellRange({1, 1}, {kMaxSheetRows + 1, 1}), 8), SpreadsheetError);
}

// A sheet with a three-row heading like a paper form, as the block copies repeat it.
class BlockCopy : public ::testing::Test {
protected:
    void SetUp() override {
        sheet.setValue({1, 1}, QStringLiteral("СВОДНАЯ ВЕДОМОСТЬ"));
        sheet.setFormat(CellRange({1, 1}, {1, 10}), boldOf(12));
        sheet.merge(CellRange({1, 1}, {1, 10}));
        sheet.setValue({2, 10}, 1);
        sheet.setBorders(CellRange({3, 1}, {3, 10}), BorderStyle::Thin);
        sheet.setRowHeight(1, 24);
    }
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("табл1"));
};

TEST_F(BlockCopy, CopiesValuesFormatsMergesAndRowHeights) {
    sheet.copyBlock(CellRange({1, 1}, {3, 10}), {71, 1});
    EXPECT_EQ(sheet.value({71, 1}).text(), QStringLiteral("СВОДНАЯ ВЕДОМОСТЬ"));
    EXPECT_EQ(sheet.format({71, 5}), boldOf(12));
    EXPECT_EQ(sheet.value({72, 10}).number(), 1);
    EXPECT_EQ(sheet.format({73, 4}).borders.bottom, BorderStyle::Thin);
    EXPECT_EQ(sheet.mergedRanges().back(), CellRange({71, 1}, {71, 10}));
    EXPECT_EQ(sheet.rowHeights().at(71), 24);
    EXPECT_EQ(sheet.mergedRanges().size(), 2u);
}

TEST_F(BlockCopy, BlankSourceCellsAndMergesClearTheTarget) {
    sheet.setValue({72, 2}, QStringLiteral("старое"));
    sheet.setFontSize(CellRange({72, 2}), 8);
    sheet.merge(CellRange({72, 2}, {72, 3}));
    sheet.copyBlock(CellRange({1, 1}, {3, 10}), {71, 1});
    EXPECT_TRUE(sheet.value({72, 2}).isEmpty());
    EXPECT_EQ(sheet.format({72, 2}), CellFormat{});
    EXPECT_EQ(sheet.mergedRanges(), (std::vector<CellRange>{CellRange({1, 1}, {1, 10}), CellRange({71, 1}, {71, 10})}));
}

TEST_F(BlockCopy, OverlappingTargetGetsTheSourceAsItWas) {
    sheet.copyBlock(CellRange({1, 1}, {3, 10}), {2, 1});
    EXPECT_EQ(sheet.value({2, 1}).text(), QStringLiteral("СВОДНАЯ ВЕДОМОСТЬ"));
    EXPECT_EQ(sheet.value({3, 10}).number(), 1);
    EXPECT_EQ(sheet.format({4, 1}).borders.top, BorderStyle::Thin);
    EXPECT_EQ(sheet.format({3, 1}).borders.top, BorderStyle::None);
    EXPECT_EQ(sheet.mergedRanges(), (std::vector<CellRange>{CellRange({1, 1}, {1, 10}), CellRange({2, 1}, {2, 10})}));
}

TEST_F(BlockCopy, FormatsAreSharedNotMultiplied) {
    const FormatId before = book.formats().size();
    for (int page = 1; page <= 50; ++page)
        sheet.copyBlock(CellRange({1, 1}, {3, 10}), {page * 70 + 1, 1});
    sheet.setFontSize(CellRange({100, 1}, {3000, 17}), 8);
    sheet.setFontSize(CellRange({4000, 1}, {4500, 17}), 8);
    EXPECT_EQ(book.formats().size(), before + 3);  // size 8 alone, bold 8, thin borders 8
}

TEST(CellFormats, FontSizeKeepsTheRestOfTheFormat) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    sheet.setFormat(CellRange({1, 1}, {1, 2}), boldOf(12));
    sheet.setFontSize(CellRange({1, 2}), 8);
    EXPECT_EQ(sheet.format({1, 1}), boldOf(12));
    EXPECT_EQ(sheet.format({1, 2}), boldOf(8));
}

TEST(CellFormats, OutlineBordersOnlyTheEdges) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    sheet.setBorders(CellRange({2, 2}, {4, 4}), BorderStyle::Medium, BorderScope::Outline);
    const CellBorders corner{BorderStyle::Medium, BorderStyle::None, BorderStyle::Medium, BorderStyle::None};
    EXPECT_EQ(sheet.format({2, 2}).borders, corner);
    EXPECT_EQ(sheet.format({3, 3}).borders, CellBorders{});
    EXPECT_EQ(sheet.format({4, 3}).borders.bottom, BorderStyle::Medium);
    EXPECT_EQ(sheet.format({3, 4}).borders.right, BorderStyle::Medium);
}

TEST(MergedRanges, OverlapIsRefused) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("s"));
    sheet.merge(CellRange({1, 1}, {2, 3}));
    EXPECT_THROW(sheet.merge(CellRange({2, 3}, {2, 5})), SpreadsheetError);
    EXPECT_NO_THROW(sheet.merge(CellRange({3, 1}, {3, 3})));
    EXPECT_EQ(sheet.lastRow(), 3);
    EXPECT_EQ(sheet.lastColumn(), 3);
}

} // namespace
