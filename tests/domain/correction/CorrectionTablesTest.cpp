#include "FarmRows.h"
#include "StoredColumns.h"
#include "TempProgramFolder.h"
#include "domain/correction/CorrectionTables.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/CrossTableChecks.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Stored = StoredColumns;
using namespace CrossTableMessages;

struct CrossCase {
    const char* name;
    int table;
    std::map<QString, int> page; // every other field 0
    Stored stored;               // every other stored column 0, as a missing row
    QList<Notice> notices;
    bool blocks;
};

void PrintTo(const CrossCase& c, std::ostream* os) { *os << c.name; }

class CorrectionCrossTableTest : public ::testing::TestWithParam<CrossCase> {};

TEST_P(CorrectionCrossTableTest, ComparesThePageWithTheStoredTables) {
    const CrossCase& c = GetParam();
    CellValues cells(correctionTables());
    cells.setAllZero();
    for (const auto& [cell, value] : c.page)
        cells.setText(cell, QString::number(value));
    const RuleContext context(cells, readerOf(c.stored));
    QList<Notice> notices;
    bool blocks = false;
    for (const Rule& rule : correctionTable(c.table).crossTableRules)
        if (rule.fails(context)) {
            notices << Notice{rule.message, rule.focus};
            blocks = blocks || rule.blocks;
        }
    EXPECT_EQ(notices, c.notices);
    EXPECT_EQ(blocks, c.blocks);
}

const Stored kHerd = {{{1, "tm108"}, 3}, {{1, "tm122"}, 40}, {{1, "tm123"}, 30}, {{1, "tm124"}, 10},
                      {{2, "tm207"}, 40}, {{2, "tm214"}, 3},  {{3, "tm331"}, 40}, {{4, "tm401"}, 10},
                      {{4, "tm405"}, 10}, {{4, "tm409"}, 10}, {{4, "tm416"}, 4},  {{4, "tm420"}, 3},
                      {{4, "tm424"}, 3},  {{5, "tm553"}, 3}};

INSTANTIATE_TEST_SUITE_P(
    Tables1To5, CorrectionCrossTableTest,
    ::testing::Values(
        CrossCase{"Table 1 agreeing", 1, {{"TM108", 3}, {"TM122", 40}, {"TM123", 30}, {"TM124", 10}}, kHerd, {}, false},
        CrossCase{"Table 1 cows differ from Table 2",
                  1,
                  {{"TM108", 3}, {"TM122", 40}, {"TM123", 30}, {"TM124", 10}},
                  with(kHerd, {{{2, "tm207"}, 39}}),
                  {{cows2, "TM122"}},
                  false},
        // Table 4's "Всего" columns are compared only by Table 9's warnings.
        CrossCase{"Table 1 alone: the others count as 0",
                  1,
                  {{"TM108", 3}, {"TM122", 40}, {"TM123", 30}, {"TM124", 10}},
                  {},
                  {{cows2, "TM122"}, {bulls2, "TM108"}, {cows3, "TM122"}, {pure4, "TM123"}, {third4, "TM124"},
                   {bulls5, "TM108"}},
                  false},
        CrossCase{"Table 2 bulls differ from Table 1 only",
                  2,
                  {{"TM207", 40}, {"TM214", 3}},
                  with(kHerd, {{{1, "tm108"}, 2}}),
                  {{bulls2, "TM214"}},
                  false},
        CrossCase{"Table 2 bulls differ from Table 5", 2, {{"TM207", 40}, {"TM214", 3}},
                  with(kHerd, {{{5, "tm553"}, 4}}), {{bulls25, "TM214"}}, false},
        CrossCase{"Table 3 with Table 1 missing", 3, {{"TM331", 40}}, {}, {{cows3, "TM331"}}, true},
        CrossCase{"Table 3 agreeing", 3, {{"TM331", 40}}, kHerd, {}, false},
        CrossCase{"Table 4 third generation differs", 4,
                  {{"TM401", 10}, {"TM405", 10}, {"TM409", 10}, {"TM416", 5}, {"TM420", 3}, {"TM424", 3}}, kHerd,
                  {{third4, "TM416"}}, true},
        CrossCase{"Table 4 with Table 1 missing and no cows", 4, {}, {}, {}, false},
        CrossCase{"Table 4 with Table 1 missing", 4, {{"TM401", 1}, {"TM416", 1}}, {},
                  {{pure4, "TM401"}, {third4, "TM416"}}, true},
        CrossCase{"Table 5 differs from both", 5, {{"TM553", 4}}, kHerd, {{bulls5, "TM553"}, {bulls25, "TM553"}},
                  true}));

TEST(CorrectionTablesTest, Table9CorrectsWithoutTheEntryWindowsWarnings) {
    EXPECT_TRUE(correctionTable(9).crossTableRules.isEmpty());
    EXPECT_EQ(reportTable(9).crossTableRules.size(), 6);
    for (int table : {6, 7, 8})
        EXPECT_TRUE(correctionTable(table).crossTableRules.isEmpty()) << table;
    for (int table = 1; table <= 9; ++table)
        EXPECT_EQ(correctionTable(table).rules.size(), reportTable(table).rules.size()) << table;
}

// A misspelt cell in a variant's rule or action would only show when it fires.
TEST(CorrectionTablesTest, VariantRulesAndActionsNameCellsOfTheirTable) {
    for (const TableDefinition* t : correctionTables()) {
        SCOPED_TRACE(t->number);
        const QStringList names = t->cellNames();
        for (const Rule& r : t->rules + t->crossTableRules)
            EXPECT_TRUE(r.focus.isEmpty() || names.contains(r.focus)) << r.focus.toStdString();
        for (const FieldAction& a : t->leaveActions + t->changeActions)
            for (const QString& f : a.fields)
                EXPECT_TRUE(names.contains(f)) << f.toStdString();
    }
}

// The one comparison that both windows make is one entry of the catalogue.
TEST(CorrectionTablesTest, EveryComparisonIsCataloguedOnce) {
    const QList<CrossTableComparison>& all = crossTableComparisons();
    QStringList messages;
    for (const CrossTableComparison& c : all)
        messages << c.message;
    EXPECT_EQ(messages.removeDuplicates(), 0);
    EXPECT_EQ(all.size(), 8);
}

class CorrectionVariantTest : public ::testing::Test {
protected:
    CellValues cells{correctionTables()};

    void type(const std::map<QString, QString>& texts) {
        cells.setAllZero();
        for (const auto& [cell, text] : texts)
            cells.setText(cell, text);
    }
};

// Heads 2 and 2 weighing 101 and 102: 101,5 drops to 101 here, rounds to 102 in the entry window.
TEST_F(CorrectionVariantTest, Table6DropsTheRemainderOnLeavingAndOnSaving) {
    const std::map<QString, QString> texts{{"TM6b07", "2"}, {"TM6b09", "101"}, {"TM6b10", "2"}, {"TM6b12", "102"}};
    type(texts);
    reportTable(6).leave("TM6b10", cells);
    EXPECT_EQ(cells.text("TM6b18"), "102");
    type(texts);
    correctionTable(6).leave("TM6b10", cells);
    EXPECT_EQ(cells.text("TM6b18"), "101");
    type(texts);
    runCheck(correctionTable(6), cells);
    EXPECT_EQ(cells.text("TM6b18"), "101");
}

TEST_F(CorrectionVariantTest, LeaveActionsThatTheCorrectionDropsOrMovesToEditing) {
    // Leaving the total averages of Table 6 and Table 5's TM523 does nothing.
    for (const auto& [table, cell] : {std::pair{6, "TM6b18"}, {6, "TM6t36"}, {5, "TM523"}, {5, "TM565"}}) {
        type({{"TM6b07", "2"}, {"TM6b09", "101"}, {"TM6t19", "2"}, {"TM6t21", "50"}, {"TM514", "2"},
              {"TM525", "500"}, {"TM526", "80,0"}});
        correctionTable(table).leave(cell, cells);
        for (const char* computed : {"TM6b16", "TM6b18", "TM6t34", "TM553", "TM564", "TM565"})
            EXPECT_EQ(cells.text(computed), "0") << cell << " " << computed;
    }
    // TM565 is recomputed at every edit instead: a typed value is replaced by the average at once.
    type({{"TM514", "2"}, {"TM526", "80,0"}, {"TM553", "2"}, {"TM565", "7"}});
    correctionTable(5).change("TM565", cells);
    EXPECT_EQ(cells.text("TM565"), "80,0");
    EXPECT_TRUE(reportTable(5).changeActions.isEmpty());
}

TEST(CorrectionTablesTest, CaptionAndMaskDifferences) {
    const auto labels = [](const TableDefinition& t) {
        QStringList texts;
        for (const PageLabel& l : t.labels)
            texts << l.text;
        return texts;
    };
    EXPECT_TRUE(labels(correctionTable(6)).contains("в возрасте: 7 мес."));
    EXPECT_FALSE(labels(correctionTable(6)).contains("в возрасте: 205 дней"));
    EXPECT_TRUE(labels(reportTable(6)).contains("в возрасте: 205 дней"));
    EXPECT_EQ(correctionTable(3).cell("TM321").mask, CellMask::Digits5);
    EXPECT_EQ(reportTable(3).cell("TM321").mask, CellMask::Digits4);
}

class CorrectionStoreTest : public ::testing::Test {
protected:
    TempProgramFolder home;
    CellValues cells{correctionTables()};
    FarmTitle farm;
    TableTitle title{"56", "1", "1", "22", "2", "2026"};
    ReportTableStore store{home.db(), title};
};

TEST_F(CorrectionStoreTest, Table7StoresUnsentWithoutDatesend) {
    storeFarmRow(home.db(), 7, farm);
    home.db().execute("UPDATE tmjs7 SET send=1");
    ASSERT_TRUE(store.load(correctionTable(7), cells).found);
    const SaveOutcome outcome = saveTable(correctionTable(7), cells, store, StoreMode::Update);
    EXPECT_EQ(outcome.storeMessage, TableMessages::updated());
    EXPECT_FALSE(home.db().select("SELECT send FROM tmjs7").first().boolean("send"));
}

// Table 1 reports an update that changed no row like every other table.
TEST_F(CorrectionStoreTest, AnUpdateOfAVanishedRowIsReportedForEveryTable) {
    for (const TableDefinition* table : correctionTables()) {
        cells.setAllZero();
        EXPECT_EQ(saveTable(*table, cells, store, StoreMode::Update).storeMessage, TableMessages::updateFailed())
            << table->number;
    }
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs1").isEmpty());
}

// Table 4 corrected while Table 1 is missing: compared with 0, it stores only without cows.
TEST_F(CorrectionStoreTest, Table4WithTable1MissingStoresOnlyWithoutCows) {
    storeFarmRow(home.db(), 4, farm, {{"tm401", 7}});
    store.load(correctionTable(4), cells);
    const SaveOutcome refused = saveTable(correctionTable(4), cells, store, StoreMode::Update);
    EXPECT_FALSE(refused.check.passed);
    EXPECT_EQ(refused.check.focus(), "TM401");
    cells.setText("TM401", "0");
    EXPECT_EQ(saveTable(correctionTable(4), cells, store, StoreMode::Update).storeMessage, TableMessages::updated());
}

} // namespace
