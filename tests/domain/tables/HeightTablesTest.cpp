#include "TableCheckCase.h"
#include "TempProgramFolder.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableMessages.h"
#include "domain/tables/Table7.h"
#include "domain/tables/Table8.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Tables 7 and 8 share their shape; every case below runs on both.
struct HeightTable {
    const char* name;
    const TableDefinition& (*table)();
    CheckResult (*check)(CellTexts&);
    void (*firstTotals)(CellTexts&);
    void (*secondTotals)(CellTexts&);
};

const HeightTable kTable7{"Table7", table7, ControlSumTable7, ItogoSredVysotaBychka7, ItogoSredVysotaTelki7};
const HeightTable kTable8{"Table8", table8, ControlSumTable8, ItogoSredVysotaByka8, ItogoSredVysotaKor8};

const QString zeroCell = QStringLiteral("Эта ячейка не может равняться 0.");
const QString notZero = QStringLiteral("Не может быть равно 0.");
const QString col1 = QStringLiteral("Сумма по первой колонке неверна.");
const QString col3 = QStringLiteral("Сумма по третьей колонке неверна.");

// Cells by their running number 1 … 20 in column order (1 … 10 the first group, 11 … 20 the second).
using Values = std::map<int, int>;

// The window's cells, addressed by running number on one height table.
struct HeightCells {
    const HeightTable& table;
    CellValues cells{reportTables()};

    QString cell(int number) const { return number == 0 ? QString() : table.table().cells.at(number - 1).name; }
    QString text(int number) const { return cells.text(cell(number)); }
    void set(const Values& values) {
        for (const auto& [number, value] : values)
            cells.setText(cell(number), QString::number(value));
    }
    QList<Notice> leave(int number) { return table.table().leave(cell(number), cells); }
};

struct RuleCase {
    const char* name;
    Values values; // every other field is left empty
    QStringList messages;
    int focus; // 0: none
};

class HeightRulesTest : public ::testing::TestWithParam<std::tuple<HeightTable, RuleCase>> {
protected:
    HeightCells page{std::get<0>(GetParam())};
};

TEST_P(HeightRulesTest, EvaluatesEveryRuleInOrder) {
    const RuleCase& c = std::get<1>(GetParam());
    page.set(c.values);
    const CheckResult result = page.table.check(page.cells);
    QStringList messages;
    for (const Notice& n : result.notices)
        messages << n.message;
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(result.passed, c.messages.isEmpty());
    EXPECT_EQ(result.focus(), page.cell(c.focus));
}

// 3 head of 100 cm and 1 of 102 cm in the first group, 2 of 90 cm in the second.
const Values kHerd = {{1, 3}, {2, 100}, {3, 1}, {4, 102}, {9, 4}, {11, 2}, {12, 90}, {19, 2}};

INSTANTIATE_TEST_SUITE_P(
    Cases, HeightRulesTest,
    ::testing::Combine(
        ::testing::Values(kTable7, kTable8),
        ::testing::Values(
            RuleCase{"all empty", {}, {}, 0}, RuleCase{"consistent", kHerd, {}, 0},
            RuleCase{"first total one over", with(kHerd, {{9, 5}}), {col1}, 9},
            RuleCase{"second total left empty", with(kHerd, {{19, 0}}), {col3}, 19},
            RuleCase{"head without height in the third row", with(kHerd, {{5, 5}, {9, 9}}), {zeroCell}, 6},
            RuleCase{"head without height in the second group's last row", with(kHerd, {{17, 2}, {19, 4}}),
                     {zeroCell}, 18},
            RuleCase{"height without head", with(kHerd, {{6, 120}, {16, 95}}), {}, 0},
            RuleCase{"total average 0 is no saving rule", with(kHerd, {{10, 0}, {20, 0}}), {}, 0},
            RuleCase{"four rules fail: focus on the last", {{1, 1}, {11, 1}}, {col1, col3, zeroCell, zeroCell},
                     12})),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_case" + std::to_string(info.index); });

struct AverageCase {
    int head1, height1, head2, height2;
    int total, average;
};

class HeightTotalsTest : public ::testing::TestWithParam<HeightTable>, protected HeightCells {
protected:
    HeightTotalsTest() : HeightCells{GetParam()} {}
};

// The examples of both tables: exact halves go to the even neighbour.
TEST_P(HeightTotalsTest, AverageHeightRoundsHalfToEven) {
    const AverageCase cases[] = {
        {3, 100, 1, 102, 4, 100}, // 100,5
        {3, 101, 1, 103, 4, 102}, // 101,5
        {1, 130, 1, 131, 2, 130}, // 130,5
        {1, 131, 1, 132, 2, 132}, // 131,5
        {2, 130, 1, 131, 3, 130}, // 130,33
    };
    for (const AverageCase& c : cases) {
        for (int first : {1, 11}) {
            SCOPED_TRACE(testing::Message() << c.average << " from cell " << first);
            set({{first, c.head1}, {first + 1, c.height1}, {first + 2, c.head2}, {first + 3, c.height2}});
            EXPECT_TRUE(leave(first + 3).isEmpty());
            EXPECT_EQ(text(first + 8), QString::number(c.total));
            EXPECT_EQ(text(first + 9), QString::number(c.average));
        }
    }
}

TEST_P(HeightTotalsTest, EachRoutineWritesOnlyItsGroup) {
    set({{7, 2}, {8, 120}, {9, 77}, {10, 77}, {17, 4}, {18, 110}, {19, 55}, {20, 55}});
    table.firstTotals(cells);
    EXPECT_EQ(text(9), "2");
    EXPECT_EQ(text(10), "120");
    EXPECT_EQ(text(19), "55");
    table.secondTotals(cells);
    EXPECT_EQ(text(19), "4");
    EXPECT_EQ(text(20), "110");
}

TEST_P(HeightTotalsTest, NoHeadKeepsTheAverageText) {
    set({{2, 100}, {10, 123}});
    EXPECT_TRUE(leave(1).isEmpty());
    EXPECT_EQ(text(9), "0");
    EXPECT_EQ(text(10), "123");
}

TEST_P(HeightTotalsTest, HeightLeftZeroWithHeadWarnsAndStillRecomputes) {
    set({{13, 5}, {14, 0}, {11, 1}, {12, 100}, {20, 7}});
    EXPECT_EQ(leave(14), (QList<Notice>{{zeroCell, cell(14)}}));
    EXPECT_EQ(text(19), "6");
    EXPECT_EQ(text(20), "17");
    cells.setText(cell(14), "");
    EXPECT_EQ(leave(14), (QList<Notice>{{zeroCell, cell(14)}}));
    set({{13, 0}});
    EXPECT_TRUE(leave(14).isEmpty());
}

TEST_P(HeightTotalsTest, TypedTotalStandsUntilTheNextRecompute) {
    set({{1, 3}, {2, 100}});
    leave(2);
    set({{9, 8}});
    EXPECT_EQ(text(9), "8");
    leave(9);
    EXPECT_EQ(text(9), "3");
}

// A wrong total typed and saved fails once; the check then rewrites the totals, so the next save passes.
TEST_P(HeightTotalsTest, CheckRecomputesTheTotalsWhateverItsOutcome) {
    set({{1, 3}, {2, 100}, {3, 1}, {4, 102}, {9, 5}, {10, 1}, {20, 9}});
    EXPECT_FALSE(table.check(cells).passed);
    EXPECT_EQ(text(9), "4");
    EXPECT_EQ(text(10), "100");
    EXPECT_EQ(text(19), "0");
    EXPECT_EQ(text(20), "9");
    EXPECT_TRUE(table.check(cells).passed);
}

TEST_P(HeightTotalsTest, GapInAHeightStopsTheRecompute) {
    set({{1, 3}, {9, 7}});
    cells.setText(cell(2), "1 2");
    EXPECT_THROW(leave(2), CellConversionError);
    EXPECT_EQ(text(9), "7");
}

INSTANTIATE_TEST_SUITE_P(Tables, HeightTotalsTest, ::testing::Values(kTable7, kTable8),
                         [](const auto& info) { return std::string(info.param.name); });

// Leaving the total average height: Table 7 asks for it even without calves, Table 8 only with head.
struct TotalAverageCase {
    const char* name;
    const HeightTable* table;
    Values values;
    int left;
    QString message; // empty: no notice
};

class TotalAverageTest : public ::testing::TestWithParam<TotalAverageCase> {};

TEST_P(TotalAverageTest, AsksOnlyWhereItsTableDoes) {
    const TotalAverageCase& c = GetParam();
    HeightCells f{*c.table};
    f.set(c.values);
    const QList<Notice> expected =
        c.message.isEmpty() ? QList<Notice>{} : QList<Notice>{{c.message, f.cell(c.left)}};
    EXPECT_EQ(f.leave(c.left), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TotalAverageTest,
    ::testing::Values(TotalAverageCase{"Table7NoCalves", &kTable7, {{10, 0}}, 10, notZero},
                      TotalAverageCase{"Table7NoHeifers", &kTable7, {}, 20, notZero},
                      TotalAverageCase{"Table7WithCalves", &kTable7, {{1, 2}, {2, 100}, {9, 2}, {10, 0}}, 10, notZero},
                      TotalAverageCase{"Table7NotZero", &kTable7, {{10, 1}}, 10, {}},
                      TotalAverageCase{"Table8NoBulls", &kTable8, {{10, 0}}, 10, {}},
                      TotalAverageCase{"Table8NoCows", &kTable8, {}, 20, {}},
                      TotalAverageCase{"Table8WithBulls", &kTable8, {{1, 2}, {2, 100}, {9, 2}, {10, 0}}, 10, zeroCell},
                      TotalAverageCase{"Table8WithCows", &kTable8, {{19, 1}, {20, 0}}, 20, zeroCell},
                      TotalAverageCase{"Table8NotZero", &kTable8, {{9, 2}, {10, 1}}, 10, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeightMasksTest, CowsTakeFiveDigitsBullsFourTotalsSix) {
    const struct {
        const TableDefinition& table;
        const char* cell;
        const char* text;
        bool accepted;
    } cases[] = {
        {table8(), "TM8k11", "12000", true}, {table8(), "TM8b01", "12000", false}, {table8(), "TM8b01", "9999", true},
        {table8(), "TM8k19", "120000", true}, {table8(), "TM8b09", "120000", true}, {table8(), "TM8k12", "1000", false},
        {table7(), "TM7t11", "12000", false}, {table7(), "TM7b09", "120000", true}, {table7(), "TM7b10", "999", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(maskAccepts(c.table.cell(c.cell).mask, c.text), c.accepted) << c.cell << " " << c.text;
}

// Their data tables have no datesend: the insert has 27 values and the update sets only send.
TEST(HeightStoreTest, InsertAndUpdateWithoutDateSend) {
    TempProgramFolder home;
    ReportTableStore store(home.db(), TableTitle{"56", "1", "1", "11", "1", "2026"});
    CellValues cells(reportTables());
    for (const TableDefinition* table : {&table7(), &table8()}) {
        SCOPED_TRACE(table->number);
        EXPECT_FALSE(home.db().columnNames(table->dataTable()).contains("datesend", Qt::CaseInsensitive));
        cells.setText(table->cells.at(0).name, "3");
        cells.setText(table->cells.at(1).name, "101");
        cells.setText(table->cells.at(8).name, "3");
        EXPECT_EQ(saveTable(*table, cells, store, StoreMode::Insert).storeMessage, TableMessages::inserted());
        home.db().execute("UPDATE " + table->dataTable() + " SET send=1");
        cells.setText(table->cells.at(1).name, "104");
        EXPECT_EQ(saveTable(*table, cells, store, StoreMode::Update).storeMessage, TableMessages::updated());
        const SqlResult rows = home.db().select("SELECT * FROM " + table->dataTable());
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows.first().fieldCount(), 27);
        EXPECT_EQ(rows.first().integer(table->cells.at(8).name), 3);
        EXPECT_EQ(rows.first().integer(table->cells.at(9).name), 104);
        EXPECT_EQ(rows.first().value("send").toInt(), 0);
    }
}

} // namespace
