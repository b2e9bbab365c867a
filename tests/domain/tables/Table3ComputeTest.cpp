#include "TableCheckCase.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/Rounding.h"
#include "domain/tables/Table3.h"

#include <gtest/gtest.h>

namespace {

class Table3ComputeTest : public ::testing::Test {
protected:
    CellValues cells{reportTables()};
    QList<Notice> leave(const char* cell) { return table3().leave(cell, cells); }
};

struct AverageCase {
    const char* count1;
    const char* weight1;
    const char* count2;
    const char* weight2;
    const char* total;
    const char* average;
};

TEST_F(Table3ComputeTest, HerdAverageRoundsHalfToEven) {
    const AverageCase cases[] = {
        {"10", "450", "30", "520", "40", "502"}, // 502.5
        {"2", "503", "2", "504", "4", "504"},    // 503.5
        {"1", "450", "2", "451", "3", "451"},    // 450.67
        {"3", "450", "1", "451", "4", "450"},    // 450.25
    };
    for (const AverageCase& c : cases) {
        SCOPED_TRACE(c.average);
        fill(cells, {{"TM301", c.count1}, {"TM310", c.weight1}, {"TM311", c.count2}, {"TM320", c.weight2}});
        EXPECT_TRUE(leave("TM320").isEmpty());
        EXPECT_EQ(cells.text("TM331"), c.total);
        EXPECT_EQ(cells.text("TM340"), c.average);
    }
}

TEST(RoundingTest, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(12.5L), 12);
    EXPECT_EQ(roundHalfEven(13.5L), 14);
    EXPECT_EQ(roundHalfEven(13.4999L), 13);
    EXPECT_EQ(roundHalfEven(12.5001L), 13);
    EXPECT_EQ(roundHalfEven(0.5L), 0);
}

TEST_F(Table3ComputeTest, NoCowsKeepsTheAverageText) {
    fill(cells, {{"TM340", "777"}, {"TM310", "450"}});
    leave("TM301");
    EXPECT_EQ(cells.text("TM331"), "0");
    EXPECT_EQ(cells.text("TM340"), "777");
}

TEST_F(Table3ComputeTest, ClassOneTotalOnLeavingAClassField) {
    fill(cells, {{"TM309", "4"}, {"TM319", "20"}, {"TM329", "1"}, {"TM331", "99"}});
    leave("TM319");
    EXPECT_EQ(cells.text("TM339"), "25");
    EXPECT_EQ(cells.text("TM331"), "99");
}

TEST_F(Table3ComputeTest, TypedComputedValueStandsUntilTheNextRecompute) {
    fill(cells, {{"TM301", "10"}, {"TM310", "450"}, {"TM331", "55"}});
    leave("TM305");
    EXPECT_EQ(cells.text("TM331"), "55");
    leave("TM301");
    EXPECT_EQ(cells.text("TM331"), "10");
    EXPECT_EQ(cells.text("TM340"), "450");
}

TEST_F(Table3ComputeTest, RecomputeRunsBlankToZeroOverAllPages) {
    leave("TM310");
    EXPECT_EQ(cells.text("TM101"), "0");
    EXPECT_EQ(cells.text("TM214"), "0");
}

TEST_F(Table3ComputeTest, GapInACountStopsTheRecomputeBeforeWriting) {
    fill(cells, {{"TM301", "10"}, {"TM311", "1 2"}, {"TM331", "7"}, {"TM340", "8"}});
    EXPECT_THROW(leave("TM311"), CellConversionError);
    EXPECT_EQ(cells.text("TM331"), "7");
    EXPECT_EQ(cells.text("TM340"), "8");
}

} // namespace
