#include "StoredTitleFixture.h"
#include "TempProgramFolder.h"
#include "domain/db/SqlError.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableMessages.h"
#include "domain/tables/Table1.h"
#include "domain/tables/Table2.h"

#include <gtest/gtest.h>

namespace {

class ReportTableStoreTest : public StoredTitleFixture {
protected:
    SqlResult rows(const QString& table) { return home.db().select("SELECT * FROM " + table); }
};

TEST_F(ReportTableStoreTest, InsertThenUpdateOneTitleResetsSend) {
    cells.setText("TM201", "3");
    cells.setText("TM207", "3");
    PageLoad load = store.load(table2(), cells);
    EXPECT_FALSE(load.found);
    EXPECT_EQ(load.mode(), TableMessages::modeNew());
    EXPECT_EQ(cells.text("TM201"), "0");
    cells.setText("TM201", "3");
    cells.setText("TM207", "3");
    EXPECT_EQ(saveTable(table2(), cells, store, StoreMode::Insert).storeMessage, TableMessages::inserted());

    home.db().execute("UPDATE tmjs2 SET send=1, datesend='01022026'");
    cells.setAllZero();
    load = store.load(table2(), cells);
    EXPECT_TRUE(load.found);
    EXPECT_TRUE(load.sent);
    EXPECT_EQ(load.mode(), TableMessages::modeEdit());
    EXPECT_EQ(cells.text("TM201"), "3");

    cells.setText("TM208", "2");
    cells.setText("TM214", "2");
    EXPECT_EQ(saveTable(table2(), cells, store, StoreMode::Update).storeMessage, TableMessages::updated());
    const SqlResult result = rows("tmjs2");
    ASSERT_EQ(result.size(), 1);
    const SqlRow& row = result.first();
    EXPECT_EQ(row.integer("TM201"), 3);
    EXPECT_EQ(row.integer("TM214"), 2);
    EXPECT_FALSE(row.boolean("send"));
    EXPECT_FALSE(row.isNull("datesend"));
    EXPECT_EQ(row.text("datesend"), "");
    EXPECT_EQ(row.integer("godm"), 2026);
}

// Every table's insert fits its data table, and the check's blank-to-zero pass stores blanks as 0.
TEST_F(ReportTableStoreTest, BlankFieldsAreStoredAsZero) {
    for (const TableDefinition* table : reportTables()) {
        SCOPED_TRACE(table->number);
        CellValues blank(reportTables());
        EXPECT_EQ(saveTable(*table, blank, store, StoreMode::Insert).storeMessage, TableMessages::inserted());
        const SqlResult result = rows(table->dataTable());
        ASSERT_EQ(result.size(), 1);
        const SqlRow& row = result.first();
        for (const QString& cell : table->cellNames()) {
            EXPECT_FALSE(row.isNull(cell)) << cell.toStdString();
            EXPECT_EQ(row.real(cell), 0) << cell.toStdString();
        }
        EXPECT_EQ(row.value("send").toInt(), 0);
        if (table->hasDateSend()) {
            EXPECT_FALSE(row.isNull("datesend"));
            EXPECT_EQ(row.text("datesend"), "");
        }
    }
}

TEST_F(ReportTableStoreTest, FailedCheckStoresNothing) {
    cells.setText("TM201", "1");
    const SaveOutcome outcome = saveTable(table2(), cells, store, StoreMode::Insert);
    EXPECT_FALSE(outcome.check.passed);
    EXPECT_TRUE(outcome.storeMessage.isEmpty());
    EXPECT_TRUE(rows("tmjs2").isEmpty());
}

TEST_F(ReportTableStoreTest, GapInACellStoresNothing) {
    cells.blankToZero();
    cells.setText("TM213", "1 2");
    EXPECT_THROW(saveTable(table2(), cells, store, StoreMode::Insert), CellConversionError);
    cells.setText("TM213", "1");
    cells.setText("TM214", "1");
    cells.setText("TM203", "1 2");
    EXPECT_THROW(store.store(table2(), cells, StoreMode::Insert), CellConversionError);
    EXPECT_TRUE(rows("tmjs2").isEmpty());
}

TEST_F(ReportTableStoreTest, UpdateOfAMissingRowReportsTheError) {
    cells.blankToZero();
    EXPECT_EQ(store.store(table2(), cells, StoreMode::Update), TableMessages::updateFailed());
}

TEST_F(ReportTableStoreTest, LoadFillsOnlyItsOwnPage) {
    cells.blankToZero();
    cells.setText("TM207", "");
    store.store(table1(), cells, StoreMode::Insert);
    home.db().execute("UPDATE tmjs1 SET TM105=NULL, TM135=42");
    cells.setText("TM207", "9");
    EXPECT_TRUE(store.load(table1(), cells).found);
    EXPECT_EQ(cells.text("TM135"), "42");
    EXPECT_EQ(cells.text("TM105"), "");
    EXPECT_EQ(cells.text("TM207"), "9");
}

TEST_F(ReportTableStoreTest, OtherTitlesAreNotTouched) {
    cells.blankToZero();
    ReportTableStore other(home.db(), TableTitle{"56", "2", "1", "11", "1", "2026"});
    other.store(table2(), cells, StoreMode::Insert);
    EXPECT_FALSE(store.load(table2(), cells).found);
    EXPECT_EQ(store.store(table2(), cells, StoreMode::Update), TableMessages::updateFailed());
    EXPECT_EQ(store.store(table2(), cells, StoreMode::Insert), TableMessages::inserted());
    EXPECT_EQ(rows("tmjs2").size(), 2);
}

TEST_F(ReportTableStoreTest, DecimalCellsLoadWithOneDecimalAndAComma) {
    TableDefinition scores;
    scores.number = 5;
    scores.cells = {{"TM513", CellMask::Decimal2_1, 0, 0, 40, 1}, {"TM526", CellMask::Decimal2_1, 0, 0, 40, 2},
                    {"TM501", CellMask::Digits4, 0, 0, 40, 3}};
    CellValues scoreCells({&scores});
    home.db().execute("INSERT INTO tmjs5 (TM501, TM513, TM526, oblm, rnm, khm, kkhm, porm, godm) "
                      "VALUES (12, 75, 75.5, 56, 1, 1, 11, 1, 2026)");
    store.load(scores, scoreCells);
    EXPECT_EQ(scoreCells.text("TM513"), "75,0");
    EXPECT_EQ(scoreCells.text("TM526"), "75,5");
    EXPECT_EQ(scoreCells.text("TM501"), "12");
}

TEST_F(ReportTableStoreTest, StoredIntegersOfOtherTables) {
    EXPECT_EQ(store.storedInteger(1, "tm122"), 0);
    cells.blankToZero();
    cells.setText("TM122", "40");
    cells.setText("TM101", "40");
    store.store(table1(), cells, StoreMode::Insert);
    home.db().execute("UPDATE tmjs1 SET TM108=NULL");
    EXPECT_EQ(store.storedInteger(1, "tm122"), 40);
    EXPECT_EQ(store.storedInteger(1, "TM108"), 0);
    EXPECT_THROW(store.storedInteger(1, "tm122; drop table tmjs1"), std::invalid_argument);
}

TEST(PageOrderTest, NextPageAfterStore) {
    const int expected[] = {2, 3, 4, 5, 6, 7, 8, 9, 7};
    for (int table = 1; table <= 9; ++table)
        EXPECT_EQ(tableAfterStore(table), expected[table - 1]) << table;
    EXPECT_EQ(pageIndexOf(tableAfterStore(9)), 6);
}

} // namespace
