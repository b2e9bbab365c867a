#include "domain/tables/CellMask.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    CellMask mask;
    const char* text;
    bool accepted;
};

const MaskCase kMaskCases[] = {
    {CellMask::Digits3, "", true},        {CellMask::Digits3, "999", true},
    {CellMask::Digits3, "1000", false},   {CellMask::Digits4, "9999", true},
    {CellMask::Digits4, "12345", false},  {CellMask::Digits5, "99999", true},
    {CellMask::Digits5, "999999", false}, {CellMask::Digits6, "999999", true},
    {CellMask::Digits6, "1 2", false},     {CellMask::Digits6, "-1", false},
    {CellMask::Digits6, "1,5", false},    {CellMask::Digits6, "1a", false},
    {CellMask::Decimal2_1, "75,5", true}, {CellMask::Decimal2_1, "7", true},
    {CellMask::Decimal2_1, "75,", true},  {CellMask::Decimal2_1, "", true},
    {CellMask::Decimal2_1, "100", false}, {CellMask::Decimal2_1, "75,55", false},
    {CellMask::Decimal2_1, "75.5", false}, {CellMask::Decimal2_1, "1 5", false},
};

TEST(CellMaskTest, AcceptsOnlyWhatTheMaskAllows) {
    for (const MaskCase& c : kMaskCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(maskAccepts(c.mask, QString::fromUtf8(c.text)), c.accepted);
    }
}

class CellTextsTest : public ::testing::Test {
protected:
    CellValues cells{reportTables()};
};

TEST_F(CellTextsTest, WholeNumbersAreReadTrimmed) {
    cells.setText("TM101", " 45 ");
    EXPECT_EQ(cells.integer("TM101"), 45);
    cells.setText("TM101", "007");
    EXPECT_EQ(cells.integer("TM101"), 7);
}

TEST_F(CellTextsTest, DigitsWithAGapCannotBeRead) {
    for (const char* text : {"1 2", "", "  ", "1,5"}) {
        SCOPED_TRACE(text);
        cells.setText("TM101", text);
        try {
            cells.integer("TM101");
            FAIL() << "read";
        } catch (const CellConversionError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QStringLiteral("Таблица 1, строка «Всего КРС», колонка 1: значение «%1» не является числом.").arg(text));
        }
    }
}

TEST_F(CellTextsTest, DecimalsAreReadWithTheComma) {
    cells.setText("TM101", " 75,5");
    EXPECT_DOUBLE_EQ(cells.decimal("TM101"), 75.5);
    cells.setText("TM101", "7");
    EXPECT_DOUBLE_EQ(cells.decimal("TM101"), 7.0);
    cells.setText("TM101", "75.5");
    EXPECT_THROW(cells.decimal("TM101"), CellConversionError);
}

TEST_F(CellTextsTest, BlankToZeroFillsEveryEmptyFieldOfEveryPageOnly) {
    cells.setText("TM101", "12");
    cells.setText("TM207", "1 ");
    cells.setText("TM340", "   ");
    cells.blankToZero();
    EXPECT_EQ(cells.text("TM101"), "12");
    EXPECT_EQ(cells.text("TM207"), "1 ");
    EXPECT_EQ(cells.text("TM340"), "0");
    EXPECT_EQ(cells.text("TM214"), "0");
    EXPECT_EQ(cells.text("TM135"), "0");
}

TEST_F(CellTextsTest, UnknownCellIsAnError) {
    EXPECT_THROW(cells.text("TM136"), std::out_of_range);
    EXPECT_THROW(cells.setText("TM1010", "1"), std::out_of_range);
}

} // namespace
