#include "TableCheckCase.h"
#include "domain/tables/Table6.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kAboveTotal = QStringLiteral("Не может быть больше общего.");

class Table6Test : public ::testing::Test {
protected:
    CellValues cells{reportTables()};

    QList<Notice> leave(const QString& cell) { return table6().leave(cell, cells); }
};

// Two age rows of one sex: head and weight cells, the left field and the total row's cells.
struct AverageCase {
    const char* name;
    CellTextMap texts;
    const char* left;
    const char* totalHead;
    const char* head;
    const char* average;
    const char* expected;
};

TEST_F(Table6Test, TotalAverageRoundsHalfToEven) {
    const AverageCase cases[] = {
        {"bulls 100,5", {{"TM6b07", "2"}, {"TM6b09", "100"}, {"TM6b10", "2"}, {"TM6b12", "101"}}, "TM6b07", "TM6b16",
         "4", "TM6b18", "100"},
        {"bulls 101,5", {{"TM6b07", "2"}, {"TM6b09", "101"}, {"TM6b10", "2"}, {"TM6b12", "102"}}, "TM6b10", "TM6b16",
         "4", "TM6b18", "102"},
        {"heifers 100,5", {{"TM6t25", "2"}, {"TM6t27", "100"}, {"TM6t28", "2"}, {"TM6t30", "101"}}, "TM6t36",
         "TM6t34", "4", "TM6t36", "100"},
        {"heifers 100,75", {{"TM6t19", "1"}, {"TM6t21", "100"}, {"TM6t31", "3"}, {"TM6t33", "101"}}, "TM6t19",
         "TM6t34", "4", "TM6t36", "101"},
    };
    for (const AverageCase& c : cases) {
        SCOPED_TRACE(c.name);
        cells.setAllZero();
        fill(cells, c.texts);
        EXPECT_TRUE(leave(c.left).isEmpty());
        EXPECT_EQ(cells.text(c.totalHead), c.head);
        EXPECT_EQ(cells.text(c.average), c.expected);
    }
}

TEST_F(Table6Test, NoHeadKeepsTheAverageText) {
    fill(cells, {{"TM6b18", "77"}, {"TM6t36", "88"}, {"TM6b16", "5"}, {"TM6t34", "5"}, {"TM6b05", "2"}});
    leave("TM6b01");
    leave("TM6t19");
    EXPECT_EQ(cells.text("TM6b16"), "0");
    EXPECT_EQ(cells.text("TM6b17"), "2");
    EXPECT_EQ(cells.text("TM6b18"), "77");
    EXPECT_EQ(cells.text("TM6t34"), "0");
    EXPECT_EQ(cells.text("TM6t36"), "88");
}

// The sexes are recomputed apart: leaving a bulls' field leaves the heifers' totals alone.
TEST_F(Table6Test, EachSexHasItsOwnTotals) {
    fill(cells, {{"TM6b01", "3"}, {"TM6t19", "4"}, {"TM6t34", "9"}});
    leave("TM6b01");
    EXPECT_EQ(cells.text("TM6b16"), "3");
    EXPECT_EQ(cells.text("TM6t34"), "9");
}

struct GuardCase {
    const char* name;
    CellTextMap texts;
    const char* left;
    QList<Notice> notices;
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class Table6GuardTest : public Table6Test, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(Table6GuardTest, MinimumWeightsAndClassOnLeaving) {
    const GuardCase& c = GetParam();
    fill(cells, c.texts);
    EXPECT_EQ(leave(c.left), c.notices);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Table6GuardTest,
    ::testing::Values(
        GuardCase{"newborn 14 kg", {{"TM6b01", "3"}, {"TM6b03", "14"}}, "TM6b03",
                  {{QStringLiteral("Не может быть меньше 15."), "TM6b03"}}},
        GuardCase{"newborn 14 kg, no head", {{"TM6b03", "14"}}, "TM6b03", {}},
        GuardCase{"newborn 15 kg", {{"TM6b01", "3"}, {"TM6b03", "15"}}, "TM6b03", {}},
        GuardCase{"205 days 99 kg", {{"TM6b04", "1"}, {"TM6b06", "99"}}, "TM6b06",
                  {{QStringLiteral("Не может быть меньше 100."), "TM6b06"}}},
        GuardCase{"heifers 12 months 179 kg", {{"TM6t25", "1"}, {"TM6t27", "179"}}, "TM6t27",
                  {{QStringLiteral("Не может быть меньше 180."), "TM6t27"}}},
        GuardCase{"heifers 15 months 199 kg", {{"TM6t28", "1"}, {"TM6t30", "199"}}, "TM6t30",
                  {{QStringLiteral("Не может быть меньше 200."), "TM6t30"}}},
        GuardCase{"heifers 18 months 239 kg", {{"TM6t31", "2"}, {"TM6t33", "239"}}, "TM6t33",
                  {{QStringLiteral("Не может быть меньше 240."), "TM6t33"}}},
        GuardCase{"heifers 18 months 240 kg", {{"TM6t31", "2"}, {"TM6t33", "240"}}, "TM6t33", {}},
        GuardCase{"class above head", {{"TM6b04", "5"}, {"TM6b05", "6"}}, "TM6b05", {{kAboveTotal, "TM6b05"}}},
        GuardCase{"class equal to head", {{"TM6t31", "5"}, {"TM6t32", "5"}}, "TM6t32", {}},
        GuardCase{"total average has no minimum", {{"TM6b16", "1"}, {"TM6b18", "1"}}, "TM6b18", {}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// Leaving a class cell rewrites only the class total, whether or not its guard complained.
TEST_F(Table6Test, ClassFieldsRewriteOnlyTheClassTotal) {
    fill(cells, {{"TM6b02", "1"}, {"TM6b04", "5"}, {"TM6b05", "6"}, {"TM6b14", "2"}, {"TM6b16", "99"},
                 {"TM6b18", "98"}});
    leave("TM6b05");
    EXPECT_EQ(cells.text("TM6b17"), "9");
    EXPECT_EQ(cells.text("TM6b16"), "99");
    EXPECT_EQ(cells.text("TM6b18"), "98");
    fill(cells, {{"TM6t20", "4"}, {"TM6t35", "0"}, {"TM6t34", "7"}});
    EXPECT_TRUE(leave("TM6t20").isEmpty());
    EXPECT_EQ(cells.text("TM6t35"), "4");
    EXPECT_EQ(cells.text("TM6t34"), "7");
}

TEST(Table6LayoutTest, NewbornClassCellsAreReadOnly) {
    QStringList readOnly;
    for (const CellDefinition& c : table6().cells)
        if (c.readOnly)
            readOnly << c.name;
    EXPECT_EQ(readOnly, QStringList({"TM6b02", "TM6t20"}));
}

// Stored bulls first, then heifers; entered along each row, bulls then heifers.
TEST(Table6LayoutTest, TabOrderRunsAlongEachRow) {
    QList<CellDefinition> byTab = table6().cells;
    std::sort(byTab.begin(), byTab.end(), [](const auto& a, const auto& b) { return a.tabOrder < b.tabOrder; });
    QStringList order;
    for (const CellDefinition& c : byTab)
        order << c.name;
    EXPECT_EQ(order.mid(0, 9), QStringList({"TM6b01", "TM6b02", "TM6b03", "TM6t19", "TM6t20", "TM6t21", "TM6b04",
                                            "TM6b05", "TM6b06"}));
    EXPECT_EQ(order.mid(30), QStringList({"TM6b16", "TM6b17", "TM6b18", "TM6t34", "TM6t35", "TM6t36"}));
    EXPECT_EQ(table6().cell("TM6b16").mask, CellMask::Digits5);
    EXPECT_EQ(table6().cell("TM6t36").mask, CellMask::Digits3);
    EXPECT_EQ(table6().cell("TM6t31").mask, CellMask::Digits4);
}

class ControlSumTable6Test : public ::testing::TestWithParam<TableCheckCase> {};

TEST_P(ControlSumTable6Test, EvaluatesEveryRuleInOrder) { expectCheck(ControlSumTable6, GetParam()); }

// 5 bull calves at 205 days (3 of class 1+) and 4 heifers at 12 months (2 of class 1+).
const CellTextMap kYoung = {{"TM6b04", "5"},  {"TM6b05", "3"},  {"TM6b06", "180"}, {"TM6b16", "5"},
                            {"TM6b17", "3"},  {"TM6b18", "180"}, {"TM6t25", "4"},  {"TM6t26", "2"},
                            {"TM6t27", "250"}, {"TM6t34", "4"},  {"TM6t35", "2"},  {"TM6t36", "250"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlSumTable6Test,
    ::testing::Values(
        TableCheckCase{"all empty", {}, {}, ""},
        TableCheckCase{"consistent", kYoung, {}, ""},
        TableCheckCase{"weights below the minimums pass", with(kYoung, {{"TM6b06", "0"}, {"TM6t27", "1"}}), {},
                       ""},
        TableCheckCase{"bulls' head total wrong", with(kYoung, {{"TM6b16", "6"}}), {columnSumMessage(1)},
                       "TM6b16"},
        TableCheckCase{"heifers' class total wrong", with(kYoung, {{"TM6t35", "3"}}), {columnSumMessage(5)},
                       "TM6t35"},
        TableCheckCase{"class above head at 205 days", with(kYoung, {{"TM6b05", "6"}, {"TM6b17", "6"}}),
                       {kAboveTotal, kAboveTotal}, "TM6b17"},
        TableCheckCase{"bull newborns classed above their head",
                       with(kYoung, {{"TM6b01", "1"}, {"TM6b02", "3"}, {"TM6b16", "6"}, {"TM6b17", "6"}}), {},
                       ""},
        TableCheckCase{"heifer newborns classed above their head",
                       with(kYoung, {{"TM6t19", "1"}, {"TM6t20", "3"}, {"TM6t34", "5"}, {"TM6t35", "5"}}),
                       {kAboveTotal}, "TM6t20"},
        TableCheckCase{"every column sum wrong",
                       with(kYoung, {{"TM6b16", "1"}, {"TM6b17", "1"}, {"TM6t34", "1"}, {"TM6t35", "1"}}),
                       {columnSumMessage(1), columnSumMessage(2), columnSumMessage(4), columnSumMessage(5)}, "TM6t35"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The check rewrites both total rows after its rules, so a second Save stores fresh totals.
TEST_F(Table6Test, CheckRecomputesTheTotalsWhateverTheOutcome) {
    fill(cells, with(kYoung, {{"TM6b16", "7"}, {"TM6t36", "999"}}));
    CheckResult first = ControlSumTable6(cells);
    EXPECT_FALSE(first.passed);
    EXPECT_EQ(first.focus(), "TM6b16");
    EXPECT_EQ(cells.text("TM6b16"), "5");
    EXPECT_EQ(cells.text("TM6t36"), "250");
    EXPECT_TRUE(ControlSumTable6(cells).passed);

    cells.setText("TM6b18", "1");
    EXPECT_TRUE(ControlSumTable6(cells).passed);
    EXPECT_EQ(cells.text("TM6b18"), "180");
}

} // namespace
