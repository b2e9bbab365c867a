#include "TableCheckCase.h"
#include "TempProgramFolder.h"
#include "domain/tables/ReportTableStore.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableMessages.h"
#include "domain/tables/Table5.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QString kAskHeadForWeight = QStringLiteral("Сначала нужно ввести кол. гол.,а потом живую массу");
const QString kAskHeadForScore = QStringLiteral("Сначала нужно ввести кол. гол.,а потом баллы");
const QString kWeightRange = QStringLiteral("Неправильная ср. живая масса 1 быка. Должно быть от 400 до 2000.");
const QString kScoreMinimum = QStringLiteral("Ср.оценка 1 гол. не может быть меньше 50 бал.");
const QString kWrongNumber = QStringLiteral("Неверное число.");
const QString kAboveTotal = QStringLiteral("Неверное число.Больше общего.");

class Table5Test : public ::testing::Test {
protected:
    CellValues cells{reportTables()};

    QList<Notice> leave(const char* cell) { return table5().leave(cell, cells); }
};

// 10 bulls aged 2 (600 kg, 70,0 points) and 30 aged 3 (650 kg, 75,5 points).
const CellTextMap kTwoAges = {{"TM501", "10"}, {"TM512", "600"}, {"TM513", "70,0"},
                              {"TM514", "30"}, {"TM525", "650"}, {"TM526", "75,5"}};

TEST_F(Table5Test, AveragesOfTheTotalRow) {
    fill(cells, kTwoAges);
    EXPECT_TRUE(leave("TM514").isEmpty());
    EXPECT_EQ(cells.text("TM553"), "40");
    EXPECT_EQ(cells.text("TM564"), "638"); // 637.5 goes to the even neighbour
    EXPECT_EQ(cells.text("TM565"), "74,1"); // 74.125
}

// The scores are read and written with a comma, not with the separator of the default locale.
TEST_F(Table5Test, ScoresKeepTheCommaUnderAnyLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    fill(cells, kTwoAges);
    leave("TM514");
    QLocale::setDefault(saved);
    EXPECT_EQ(cells.text("TM565"), "74,1");
}

struct ScoreCase {
    const char* name;
    CellTextMap texts;
    const char* average;
};

// "00.0": two integer digits at least, and an exact half of the last digit rounds up.
TEST_F(Table5Test, AverageScoreFormat) {
    const ScoreCase cases[] = {
        {"one digit before the comma", {{"TM501", "1"}, {"TM513", "5,0"}}, "05,0"},
        {"half rounds up", {{"TM501", "1"}, {"TM513", "70,0"}, {"TM514", "1"}, {"TM526", "70,5"}}, "70,3"},
        {"a half not exact in binary", {{"TM501", "1"}, {"TM513", "70,1"}, {"TM514", "1"}, {"TM526", "70,2"}},
         "70,2"},
        {"below the half", {{"TM501", "2"}, {"TM513", "70,1"}, {"TM514", "1"}, {"TM526", "70,0"}}, "70,1"},
        {"whole-number text", {{"TM540", "3"}, {"TM552", "81"}}, "81,0"},
    };
    for (const ScoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        cells.setAllZero();
        fill(cells, c.texts);
        leave("TM514");
        EXPECT_EQ(cells.text("TM565"), c.average);
    }
}

TEST_F(Table5Test, NoBullsKeepsBothAverages) {
    fill(cells, {{"TM512", "600"}, {"TM513", "70,0"}, {"TM564", "123"}, {"TM565", "44,4"}, {"TM553", "9"}});
    leave("TM501");
    EXPECT_EQ(cells.text("TM553"), "0");
    EXPECT_EQ(cells.text("TM564"), "123");
    EXPECT_EQ(cells.text("TM565"), "44,4");
}

// Only the score routine runs on leaving the total score: it reads the head total as it stands.
TEST_F(Table5Test, LeavingTheTotalScoreUsesTheTypedHeadTotal) {
    fill(cells, with(kTwoAges, {{"TM553", "50"}, {"TM564", "1"}}));
    leave("TM565");
    EXPECT_EQ(cells.text("TM553"), "50");
    EXPECT_EQ(cells.text("TM564"), "1");
    EXPECT_EQ(cells.text("TM565"), "59,3"); // (700 + 2265) ÷ 50
    leave("TM523");
    EXPECT_EQ(cells.text("TM553"), "40");
    EXPECT_EQ(cells.text("TM564"), "638");
    EXPECT_EQ(cells.text("TM565"), "74,1");
}

struct GuardCase {
    const char* name;
    CellTextMap texts;
    const char* left;
    QList<Notice> notices;
    const char* leftText; // the left field's text afterwards
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class Table5GuardTest : public Table5Test, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(Table5GuardTest, WeightAndScoreGuardsOnLeaving) {
    const GuardCase& c = GetParam();
    fill(cells, c.texts);
    EXPECT_EQ(leave(c.left), c.notices);
    EXPECT_EQ(cells.text(c.left), c.leftText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Table5GuardTest,
    ::testing::Values(
        GuardCase{"weight before head", {{"TM525", "650"}}, "TM525", {{kAskHeadForWeight, "TM514"}}, "0"},
        GuardCase{"weight 399", {{"TM514", "3"}, {"TM525", "399"}}, "TM525", {{kWeightRange, "TM525"}}, "399"},
        GuardCase{"weight 2001", {{"TM540", "3"}, {"TM551", "2001"}}, "TM551", {{kWeightRange, "TM551"}}, "2001"},
        GuardCase{"weight 400", {{"TM501", "3"}, {"TM512", "400"}}, "TM512", {}, "400"},
        GuardCase{"weight 2000", {{"TM527", "3"}, {"TM538", "2000"}}, "TM538", {}, "2000"},
        GuardCase{"score before head", {{"TM539", "75,5"}}, "TM539", {{kAskHeadForScore, "TM527"}}, "0"},
        GuardCase{"score 49,9", {{"TM501", "2"}, {"TM513", "49,9"}}, "TM513", {{kScoreMinimum, "TM513"}}, "49,9"},
        GuardCase{"score 50,0", {{"TM540", "2"}, {"TM552", "50,0"}}, "TM552", {}, "50,0"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(Table5Test, WeightGuardRunsAfterTheRecompute) {
    fill(cells, {{"TM514", "2"}, {"TM525", "399"}});
    leave("TM525");
    EXPECT_EQ(cells.text("TM553"), "2");
    EXPECT_EQ(cells.text("TM564"), "399");
}

class ControlSumTable5Test : public ::testing::TestWithParam<TableCheckCase> {};

TEST_P(ControlSumTable5Test, EvaluatesEveryRuleInOrder) { expectCheck(ControlSumTable5, GetParam()); }

// kTwoAges with its weight classes, elite counts and total row filled in consistently.
const CellTextMap kBulls = with(kTwoAges, {{"TM504", "10"},
                                                {"TM511", "2"},
                                                {"TM518", "30"},
                                                {"TM524", "5"},
                                                {"TM553", "40"},
                                                {"TM556", "10"},
                                                {"TM557", "30"},
                                                {"TM563", "7"},
                                                {"TM564", "638"},
                                                {"TM565", "74,1"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlSumTable5Test,
    ::testing::Values(
        TableCheckCase{"all empty", {}, {}, ""},
        TableCheckCase{"consistent", kBulls, {}, ""},
        TableCheckCase{"row 2 classes short", with(kBulls, {{"TM518", "29"}}),
                       {rowSumMessage(2), columnSumMessage(5)}, "TM557"},
        TableCheckCase{"total head typed wrong", with(kBulls, {{"TM553", "41"}}),
                       {rowSumMessage(5), columnSumMessage(1)}, "TM553"},
        TableCheckCase{"elite above head in row 1", with(kBulls, {{"TM511", "11"}, {"TM563", "16"}}),
                       {kWrongNumber}, "TM511"},
        TableCheckCase{"elite above head in row 2", with(kBulls, {{"TM524", "31"}, {"TM563", "33"}}),
                       {kAboveTotal}, "TM524"},
        TableCheckCase{"elite above head in the total row", with(kBulls, {{"TM563", "41"}}),
                       {columnSumMessage(11), kAboveTotal}, "TM563"},
        TableCheckCase{"weight 399 in row 1", with(kBulls, {{"TM512", "399"}}), {kWeightRange}, "TM512"},
        TableCheckCase{"weight 2001 and score 49,9 in row 2",
                       with(kBulls, {{"TM525", "2001"}, {"TM526", "49,9"}}), {kWeightRange, kScoreMinimum},
                       "TM526"},
        TableCheckCase{"score 49,9 in row 1", with(kBulls, {{"TM513", "49,9"}}), {kScoreMinimum}, "TM513"},
        TableCheckCase{"score 50,0 and weights at the bounds",
                       with(kBulls, {{"TM513", "50,0"}, {"TM512", "400"}, {"TM525", "2000"}}), {}, ""},
        TableCheckCase{"rows without bulls are exempt", {{"TM525", "5"}, {"TM539", "1,0"}, {"TM564", "3"}}, {}, ""},
        TableCheckCase{"bulls without weight or score", {{"TM540", "1"}, {"TM544", "1"}, {"TM553", "1"}, {"TM557", "1"}},
                       {kWeightRange, kScoreMinimum}, "TM552"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

const TableTitle kTitle{"56", "1", "1", "11", "1", "2026"};

class Table5StoreTest : public Table5Test {
protected:
    TempProgramFolder home;
    ReportTableStore store{home.db(), kTitle};
};

// The stored scores are numbers; a whole number shows with its decimal, as the mask expects.
TEST_F(Table5StoreTest, ScoresRoundTripAsNumbers) {
    fill(cells, kBulls);
    EXPECT_EQ(saveTable(table5(), cells, store, StoreMode::Insert).storeMessage, TableMessages::inserted());
    SqlResult rows = home.db().select("SELECT TM513, TM526, TM565, TM564 FROM tmjs5");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_DOUBLE_EQ(rows.first().real("TM526"), 75.5);
    EXPECT_DOUBLE_EQ(rows.first().real("TM565"), 74.1);
    EXPECT_EQ(rows.first().integer("TM564"), 638);

    home.db().execute("UPDATE tmjs5 SET TM513=75, TM526=75.5");
    cells.setAllZero();
    EXPECT_TRUE(store.load(table5(), cells).found);
    EXPECT_EQ(cells.text("TM513"), "75,0");
    EXPECT_EQ(cells.text("TM526"), "75,5");
    EXPECT_EQ(cells.text("TM501"), "10");

    cells.setText("TM513", "66,6");
    EXPECT_EQ(saveTable(table5(), cells, store, StoreMode::Update).storeMessage, TableMessages::updated());
    rows = home.db().select("SELECT TM513 FROM tmjs5");
    EXPECT_DOUBLE_EQ(rows.first().real("TM513"), 66.6);
}

} // namespace
