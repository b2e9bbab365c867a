#include "StoredColumns.h"
#include "StoredTitleFixture.h"
#include "TableCheckCase.h"
#include "TempProgramFolder.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableMessages.h"
#include "domain/tables/Table1.h"
#include "domain/tables/Table9.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Values = std::map<QString, int>;
using Stored = StoredColumns;

const QString col1 = QStringLiteral("Сумма по первой колонке неверна.");
const QString col2 = QStringLiteral("Сумма по второй колонке неверна.");
const QString col3 = QStringLiteral("Сумма по третьей колонке неверна.");
const QString row1 = QStringLiteral("Сумма по первой строке неверна.");
const QString row2 = QStringLiteral("Сумма по второй строке неверна.");
const QString w1 = CrossTableMessages::cows2;
const QString w2 = CrossTableMessages::bulls2;
const QString w3 = CrossTableMessages::cows3;
const QString w4 = CrossTableMessages::total4;
const QString w5 = CrossTableMessages::bulls5;
const QString w6 = CrossTableMessages::bulls25;

// 40 cows and 3 breeding bulls, the same in every table that counts them.
const Stored kConsistent = {{{1, "tm122"}, 40}, {{1, "tm108"}, 3},  {{2, "tm207"}, 40}, {{2, "tm214"}, 3},
                            {{3, "tm331"}, 40}, {{4, "tm431"}, 20}, {{4, "tm435"}, 15}, {{4, "tm439"}, 5},
                            {{5, "tm553"}, 3}};

struct CheckCase {
    const char* name;
    Values values; // every other field is left empty
    Stored stored;
    QStringList messages;
    bool passed;
    const char* focus;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class ControlSumTable9Test : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ControlSumTable9Test, OwnRulesThenWarnings) {
    const CheckCase& c = GetParam();
    CellValues cells(reportTables());
    for (const auto& [cell, value] : c.values)
        cells.setText(cell, QString::number(value));
    const CheckResult result = ControlSumTable9(cells, readerOf(c.stored));
    QStringList messages;
    for (const Notice& n : result.notices)
        messages << n.message;
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(result.passed, c.passed);
    EXPECT_EQ(result.focus(), QString::fromUtf8(c.focus));
}

// 10 bull calves sold (6 elite, 4 class 1) and 7 heifers (2 elite, 5 class 1).
const Values kSold = {{"TM91", 10}, {"TM92", 6}, {"TM93", 4}, {"TM94", 7}, {"TM95", 2},
                      {"TM96", 5},  {"TM97", 17}, {"TM98", 8}, {"TM99", 9}};

INSTANTIATE_TEST_SUITE_P(
    Rules, ControlSumTable9Test,
    ::testing::Values(
        CheckCase{"all empty", {}, {}, {}, true, ""},
        CheckCase{"consistent", kSold, kConsistent, {}, true, ""},
        CheckCase{"elite and class 1 over the head sold",
                  with(kSold, {{"TM92", 6}, {"TM93", 5}, {"TM99", 10}}), {}, {row1}, false, "TM91"},
        CheckCase{"elite and class 1 below the head sold", with(kSold, {{"TM93", 1}, {"TM99", 6}}), {}, {}, true, ""},
        CheckCase{"heifers over", with(kSold, {{"TM94", 6}, {"TM97", 16}}), {}, {row2}, false, "TM94"},
        CheckCase{"total head typed wrong", with(kSold, {{"TM97", 18}}), {}, {col1}, false, "TM97"},
        CheckCase{"total row has no row rule", {{"TM97", 0}, {"TM98", 1}, {"TM99", 1}}, {}, {col2, col3}, false,
                  "TM99"},
        CheckCase{"every own rule fails", {{"TM92", 1}, {"TM93", 1}, {"TM95", 1}, {"TM96", 1}, {"TM97", 1}},
                  {}, {col1, col2, col3, row1, row2}, false, "TM94"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Warnings, ControlSumTable9Test,
    ::testing::Values(
        CheckCase{"only Table 1 stored, cows without bulls", {}, {{{1, "tm122"}, 40}}, {w1, w3, w4}, true, ""},
        CheckCase{"only Table 1 stored, cows and bulls", {}, {{{1, "tm122"}, 40}, {{1, "tm108"}, 3}},
                  {w1, w2, w3, w4, w5}, true, ""},
        CheckCase{"Table 2's cows differ", {}, with(kConsistent, {{{2, "tm207"}, 41}}), {w1}, true, ""},
        CheckCase{"Table 2's bulls differ", {}, with(kConsistent, {{{2, "tm214"}, 4}}), {w2, w6}, true, ""},
        CheckCase{"Table 3's cows differ", {}, with(kConsistent, {{{3, "tm331"}, 39}}), {w3}, true, ""},
        CheckCase{"Table 4's cows summed differ", {}, with(kConsistent, {{{4, "tm439"}, 6}}), {w4}, true, ""},
        CheckCase{"Table 4's other columns do not count", {},
                  with(kConsistent, {{{4, "tm401"}, 7}, {{4, "tm424"}, 9}}), {}, true, ""},
        CheckCase{"Table 5's bulls differ", {}, with(kConsistent, {{{5, "tm553"}, 2}}), {w5, w6}, true, ""},
        CheckCase{"warnings follow a failed rule and keep its focus", with(kSold, {{"TM98", 9}}),
                  with(kConsistent, {{{2, "tm207"}, 41}}), {col2, w1}, false, "TM98"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

class Itogo9Test : public ::testing::Test {
protected:
    CellValues cells{reportTables()};

    void set(const Values& values) {
        for (const auto& [cell, value] : values)
            cells.setText(cell, QString::number(value));
    }
};

TEST_F(Itogo9Test, LeavingARowCellWritesTheTotalRow) {
    set({{"TM91", 3}, {"TM92", 1}, {"TM93", 2}, {"TM94", 7}, {"TM95", 0}, {"TM96", 4}});
    EXPECT_TRUE(table9().leave("TM94", cells).isEmpty());
    EXPECT_EQ(cells.text("TM97"), "10");
    EXPECT_EQ(cells.text("TM98"), "1");
    EXPECT_EQ(cells.text("TM99"), "6");
}

TEST_F(Itogo9Test, TotalFieldsHaveNoLeaveAction) {
    set({{"TM91", 3}, {"TM97", 9}});
    for (const char* total : {"TM97", "TM98", "TM99"})
        EXPECT_TRUE(table9().leave(total, cells).isEmpty());
    EXPECT_EQ(cells.text("TM97"), "9");
}

// Mended: the emptied cell counts as 0 and stays empty; no other field is touched.
TEST_F(Itogo9Test, EmptyCellCountsAsZero) {
    set({{"TM91", 3}, {"TM92", 2}, {"TM93", 1}, {"TM95", 4}, {"TM98", 9}});
    cells.setText("TM92", "");
    cells.setText("TM96", " ");
    table9().leave("TM92", cells);
    EXPECT_EQ(cells.text("TM97"), "3");
    EXPECT_EQ(cells.text("TM98"), "4");
    EXPECT_EQ(cells.text("TM99"), "1");
    EXPECT_EQ(cells.text("TM92"), "");
    EXPECT_EQ(cells.text("TM101"), "");
}

// A gap is still an error: the totals written before it stand, the rest keep their texts.
TEST_F(Itogo9Test, GapEndsTheRoutine) {
    set({{"TM91", 3}, {"TM94", 7}, {"TM93", 1}, {"TM96", 1}, {"TM95", 1}, {"TM98", 55}});
    cells.setText("TM92", "1 2");
    EXPECT_THROW(Itogo9(cells), CellConversionError);
    EXPECT_EQ(cells.text("TM97"), "10");
    EXPECT_EQ(cells.text("TM99"), "2");
    EXPECT_EQ(cells.text("TM98"), "55");
}

// The check does not repair the total row: a wrong total fails until the user changes it.
TEST_F(Itogo9Test, CheckLeavesTheTotalRowAlone) {
    set(with(kSold, {{"TM97", 18}}));
    EXPECT_FALSE(ControlSumTable9(cells, readerOf({})).passed);
    EXPECT_EQ(cells.text("TM97"), "18");
    table9().leave("TM91", cells);
    EXPECT_TRUE(ControlSumTable9(cells, readerOf({})).passed);
}

class Table9StoreTest : public StoredTitleFixture {
protected:
    QStringList messagesOfSavingTable9() {
        const SaveOutcome outcome = saveTable(table9(), cells, store, StoreMode::Insert);
        EXPECT_TRUE(outcome.check.passed);
        EXPECT_EQ(outcome.check.focus(), "");
        EXPECT_EQ(outcome.storeMessage, TableMessages::inserted());
        EXPECT_EQ(home.db().select("SELECT * FROM tmjs9").size(), 1);
        QStringList messages;
        for (const Notice& n : outcome.check.notices)
            messages << n.message;
        return messages;
    }
};

// The comparisons read the stored rows, not the pages: unsaved fields of Table 2 play no part.
TEST_F(Table9StoreTest, OnlyTable1StoredWarnsAndStillStores) {
    cells.blankToZero();
    cells.setText("TM101", "40");
    cells.setText("TM122", "40");
    EXPECT_EQ(saveTable(table1(), cells, store, StoreMode::Insert).storeMessage, TableMessages::inserted());
    cells.setText("TM207", "40");
    cells.setText("TM201", "40");
    EXPECT_EQ(messagesOfSavingTable9(), (QStringList{w1, w3, w4}));
}

TEST_F(Table9StoreTest, ConsistentTablesGiveNoWarning) {
    const QString title = QStringLiteral(", oblm, rnm, khm, kkhm, porm, godm) VALUES (");
    const QString key = QStringLiteral(", 56, 1, 1, 11, 1, 2026)");
    home.db().execute("INSERT INTO tmjs1 (tm101, tm108, tm122" + title + "43, 3, 40" + key);
    home.db().execute("INSERT INTO tmjs2 (tm207, tm214" + title + "40, 3" + key);
    home.db().execute("INSERT INTO tmjs3 (tm331" + title + "40" + key);
    home.db().execute("INSERT INTO tmjs4 (tm431, tm435, tm439" + title + "20, 15, 5" + key);
    home.db().execute("INSERT INTO tmjs5 (tm553" + title + "3" + key);
    // Another title's rows do not count.
    home.db().execute("INSERT INTO tmjs2 (tm207, tm214, oblm, rnm, khm, kkhm, porm, godm) "
                      "VALUES (1, 1, 56, 2, 1, 11, 1, 2026)");
    EXPECT_EQ(messagesOfSavingTable9(), QStringList{});
}

TEST_F(Table9StoreTest, StoredRowHoldsTheCellsInColumnOrder) {
    for (int n = 1; n <= 9; ++n)
        cells.setText(QStringLiteral("TM9%1").arg(n), "0");
    cells.setText("TM91", "5");
    cells.setText("TM93", "2");
    cells.setText("TM97", "5");
    cells.setText("TM99", "2");
    messagesOfSavingTable9();
    const SqlRow row = home.db().select("SELECT * FROM tmjs9").first();
    ASSERT_EQ(row.fieldCount(), 17);
    const int expected[] = {5, 0, 2, 0, 0, 0, 5, 0, 2};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(row.value(i).toInt(), expected[i]) << i;
    EXPECT_EQ(row.text("datesend"), "");
}

} // namespace
