#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/Table4.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// No rule: a total that differs from its columns passes, and the blank-to-zero pass still runs
// over the whole window.
TEST(Table4Test, CheckAlwaysPassesAndZeroesBlanks) {
    CellValues cells(reportTables());
    cells.setText("TM401", "10");
    cells.setText("TM416", "5");
    cells.setText("TM431", "99");
    cells.setText("TM403", "  7");
    const CheckResult result = ControlSumTable4(cells);
    EXPECT_TRUE(result.passed);
    EXPECT_TRUE(result.notices.isEmpty());
    EXPECT_EQ(cells.text("TM431"), "99");
    EXPECT_EQ(cells.text("TM403"), "  7");
    EXPECT_EQ(cells.text("TM445"), "0");
    EXPECT_EQ(cells.text("TM101"), "0");
}

// Stored column after column, entered row after row.
TEST(Table4Test, TabOrderRunsAcrossEachRow) {
    QList<CellDefinition> byTab = table4().cells;
    std::sort(byTab.begin(), byTab.end(), [](const auto& a, const auto& b) { return a.tabOrder < b.tabOrder; });
    QStringList order;
    for (const CellDefinition& c : byTab)
        order << c.name;
    ASSERT_EQ(order.size(), 45);
    EXPECT_EQ(order.mid(0, 6), QStringList({"TM401", "TM416", "TM431", "TM402", "TM417", "TM432"}));
    EXPECT_EQ(order.mid(42), QStringList({"TM415", "TM430", "TM445"}));
    for (int i = 0; i + 1 < byTab.size(); ++i)
        EXPECT_LE(byTab[i].y, byTab[i + 1].y) << byTab[i].name.toStdString();
}

struct MaskCase {
    const char* cell;
    CellMask mask;
    int width;
};

TEST(Table4Test, HeadCountsTakeFiveDigitsWeightsAndAgesThree) {
    const MaskCase cases[] = {
        {"TM401", CellMask::Digits5, 72}, {"TM402", CellMask::Digits5, 72}, {"TM403", CellMask::Digits3, 72},
        {"TM404", CellMask::Digits3, 72}, {"TM420", CellMask::Digits5, 72}, {"TM440", CellMask::Digits5, 72},
        {"TM442", CellMask::Digits3, 72}, {"TM413", CellMask::Digits3, 64}, {"TM430", CellMask::Digits3, 64},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(table4().cell(c.cell).mask, c.mask);
        EXPECT_EQ(table4().cell(c.cell).width, c.width);
    }
}

} // namespace
