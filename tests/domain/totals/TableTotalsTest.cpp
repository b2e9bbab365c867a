#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"
#include "domain/db/SqlResult.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TableTotals.h"

#include <gtest/gtest.h>

namespace {

using Titles = QList<QPair<int, int>>;

const TotalsScope kDemoScope{56, 2026};

class TableTotalsTest : public ::testing::Test {
protected:
    SqlEngine& db() { return home.db(); }
    int compute(int table) { return createTableItog(table, db(), kDemoScope, log); }

    TempProgramFolder home;
    RecordedLog log;
};

// Every data cell its own value, so a column put in the wrong place shows.
QVariantMap distinctCells(int table) {
    QVariantMap cells;
    const QStringList columns = Schema::dataColumns(table);
    for (int i = 0; i < columns.size(); ++i)
        cells.insert(columns.at(i), i + 1);
    return cells;
}

// Table 4's pooled means are made from other columns, so they need not equal the farm's own cells.
bool isPooledMean(int table, int columnIndex) { return table == 4 && columnIndex % 15 >= 13; }

struct LevelCase {
    int category;
    int breed;
    Titles titles;      // every table
    Titles table4Titles; // Table 4 adds the whole region by breed
};

const LevelCase kLevelCases[] = {
    {22, 2, {{0, 0}, {20, 0}, {20, 2}, {22, 0}, {22, 2}}, {{0, 0}, {0, 2}, {20, 0}, {20, 2}, {22, 0}, {22, 2}}},
    {21, 7, {{0, 0}, {20, 0}, {20, 7}, {21, 0}, {21, 7}}, {{0, 0}, {0, 7}, {20, 0}, {20, 7}, {21, 0}, {21, 7}}},
    {11, 2, {{0, 0}, {11, 0}, {11, 2}}, {{0, 0}, {0, 2}, {11, 0}, {11, 2}}},
    {31, 3, {{0, 0}, {31, 0}, {31, 3}}, {{0, 0}, {0, 3}, {31, 0}, {31, 3}}},
};

TEST_F(TableTotalsTest, OneFarmGivesOneRowPerLevelWithTheFarmsValues) {
    for (const LevelCase& c : kLevelCases) {
        SCOPED_TRACE(c.category);
        db().transaction([&] {
            for (int t = 1; t <= Schema::kReportTableCount; ++t) {
                db().execute(QStringLiteral("DELETE FROM ") + Schema::dataTable(t));
                storeFarmRow(db(), t, FarmTitle{56, 1, 1, c.category, c.breed, 2026}, distinctCells(t));
            }
        });
        log.lines.clear();
        const TotalsCounters counters = computeRegionalTotals(db(), "Оренбургская область", "2026", log);

        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            SCOPED_TRACE(t);
            const Titles expected = t == 4 ? c.table4Titles : c.titles;
            ASSERT_EQ(totalTitles(db(), t), expected);
            EXPECT_EQ(counters.addedTo(t), expected.size());
            EXPECT_EQ(log.lines.at(t - 1),
                      QStringLiteral("В итоговую таблицу %1 добавлено %2 записей.").arg(t).arg(expected.size()));
            const QStringList columns = Schema::dataColumns(t);
            for (const auto& [kkhm, porm] : expected) {
                const SqlRow row = totalRow(db(), t, kkhm, porm);
                EXPECT_EQ(row.integer("oblm"), 56);
                EXPECT_EQ(row.integer("godm"), 2026);
                EXPECT_EQ(row.integer("rnm") + row.integer("khm"), 0);
                EXPECT_FALSE(row.boolean("send"));
                if (Schema::hasDateSend(t)) {
                    // The empty text, as data entry stores it, not NULL.
                    EXPECT_FALSE(row.isNull("datesend"));
                    EXPECT_EQ(row.text("datesend"), "");
                }
                for (int i = 0; i < columns.size(); ++i) {
                    if (!isPooledMean(t, i)) {
                        EXPECT_EQ(row.text(columns.at(i)), QString::number(i + 1)) << columns.at(i).toStdString();
                    }
                }
            }
        }
        EXPECT_EQ(log.lines.size(), Schema::kReportTableCount);
    }
}

struct MeanColumn {
    int table;
    const char* weight;
    const char* mean;
};

// A sample of every table's means, with the weight column each one must use.
const MeanColumn kMeanColumns[] = {
    {3, "tm301", "tm310"},   {3, "tm311", "tm320"},   {3, "tm331", "tm340"},   {4, "tm402", "tm403"},
    {4, "tm406", "tm408"},   {4, "tm440", "tm441"},   {5, "tm501", "tm512"},   {5, "tm501", "tm513"},
    {5, "tm553", "tm565"},   {6, "tm6b01", "tm6b03"}, {6, "tm6b16", "tm6b18"}, {6, "tm6t34", "tm6t36"},
    {7, "tm7b01", "tm7b02"}, {7, "tm7t19", "tm7t20"}, {8, "tm8b09", "tm8b10"}, {8, "tm8k11", "tm8k12"},
};

TEST_F(TableTotalsTest, MeansAreWeightedByTheirOwnWeightColumn) {
    for (const MeanColumn& c : kMeanColumns) {
        SCOPED_TRACE(c.mean);
        db().execute(QStringLiteral("DELETE FROM ") + Schema::dataTable(c.table));
        storeFarmRow(db(), c.table, FarmTitle{.khm = 1}, {{c.weight, 10}, {c.mean, 400}});
        storeFarmRow(db(), c.table, FarmTitle{.khm = 2}, {{c.weight, 30}, {c.mean, 500}});
        compute(c.table);
        const SqlRow region = totalRow(db(), c.table, 0, 0);
        EXPECT_EQ(region.text(c.weight), "40");
        EXPECT_EQ(region.text(c.mean), "475");
    }
}

struct MeanValueCase {
    int weight1, value1, weight2, value2;
    double expected;
    const char* text;
};

const MeanValueCase kMeanValues[] = {
    {10, 400, 30, 500, 475, "475"},
    {0, 400, 0, 500, 0, "0"},                                  // no weight: 0, not an engine error
    {1, 0, 2, 500, 333.333333333333, "333.333333333333"},      // unrounded, 15 significant digits
    {1, 500, 1, 505, 502.5, "502.5"},                          // not divided as integers
    {3, 75, 1, 76, 75.25, "75.25"},
};

TEST_F(TableTotalsTest, WeightedMeanIsUnroundedWithZeroForNoWeight) {
    for (const MeanValueCase& c : kMeanValues) {
        SCOPED_TRACE(c.text);
        db().execute("DELETE FROM tmjs3");
        // tm302 keeps the total row from being all zero when the weights are.
        storeFarmRow(db(), 3, FarmTitle{.khm = 1}, {{"tm301", c.weight1}, {"tm310", c.value1}, {"tm302", 1}});
        storeFarmRow(db(), 3, FarmTitle{.khm = 2}, {{"tm301", c.weight2}, {"tm310", c.value2}});
        compute(3);
        const SqlRow region = totalRow(db(), 3, 0, 0);
        EXPECT_EQ(region.real("tm310"), c.expected);
        EXPECT_EQ(region.text("tm310"), c.text);
    }
}

// Two farms for one section of Table 4; farm A has an empty weight, which counts as 0.
void storeTable4Farms(SqlEngine& db, int base) {
    auto cell = [base](int offset) { return QStringLiteral("tm%1").arg(base + offset); };
    storeFarmRow(db, 4, FarmTitle{.khm = 1},
                 {{cell(2), 10}, {cell(3), 400}, {cell(4), 20}, {cell(6), QVariant()}, {cell(7), 999},
                  {cell(8), 999}, {cell(10), 30}, {cell(11), 500}, {cell(12), 40}, {cell(13), 100}});
    storeFarmRow(db, 4, FarmTitle{.khm = 2},
                 {{cell(2), 30}, {cell(3), 600}, {cell(4), 60}, {cell(6), 20}, {cell(7), 300}, {cell(8), 30},
                  {cell(13), 200}});
}

struct Table4Expectation {
    int offset;
    const char* text;
};

const Table4Expectation kTable4Expected[] = {
    {2, "40"}, {3, "550"}, {4, "50"}, {6, "20"}, {7, "300"}, {8, "30"}, {10, "30"}, {11, "500"}, {12, "40"},
    {13, "155.555555555556"}, // weights 10+0+30 and 30+20+0 per row
    {14, "477.777777777778"}, // (4000+18000 + 6000 + 15000) / (40+20+30)
    {15, "42.2222222222222"}, // (200+1800 + 600 + 1200) / 90
};

TEST_F(TableTotalsTest, Table4SectionsPoolTheirGroupMeans) {
    for (const int base : {400, 415, 430}) {
        SCOPED_TRACE(base);
        db().execute("DELETE FROM tmjs4");
        storeTable4Farms(db(), base);
        EXPECT_EQ(compute(4), 6);
        for (const auto& [kkhm, porm] : Titles{{0, 0}, {0, 2}, {22, 2}}) {
            const SqlRow row = totalRow(db(), 4, kkhm, porm);
            for (const Table4Expectation& e : kTable4Expected)
                EXPECT_EQ(row.text(QStringLiteral("tm%1").arg(base + e.offset)), e.text) << base + e.offset;
        }
    }
}

TEST_F(TableTotalsTest, Table4MeansWithoutWeightsAreZero) {
    storeFarmRow(db(), 4, FarmTitle{}, {{"tm401", 5}, {"tm403", 400}, {"tm413", 100}, {"tm414", 7}});
    compute(4);
    const SqlRow row = totalRow(db(), 4, 0, 0);
    for (const char* column : {"tm403", "tm413", "tm414", "tm415"})
        EXPECT_EQ(row.text(column), "0") << column;
    EXPECT_EQ(row.text("tm401"), "5");
}

TEST_F(TableTotalsTest, AllZeroFarmMakesNoRowWhereItIsAlone) {
    storeFarmRow(db(), 3, FarmTitle{.khm = 1, .kkhm = 22, .porm = 1});
    storeFarmRow(db(), 3, FarmTitle{.khm = 2, .kkhm = 31, .porm = 2}, {{"tm301", 10}, {"tm310", 450}});
    EXPECT_EQ(compute(3), 3);
    EXPECT_EQ(totalTitles(db(), 3), (Titles{{0, 0}, {31, 0}, {31, 2}}));
    EXPECT_EQ(totalRow(db(), 3, 0, 0).text("tm310"), "450");
    EXPECT_EQ(log.lines, QStringList{"В итоговую таблицу 3 добавлено 3 записей."});
}

TEST_F(TableTotalsTest, OnlyTheScopesRegionAndYearCount) {
    storeFarmRow(db(), 1, FarmTitle{}, {{"tm101", 5}});
    storeFarmRow(db(), 1, FarmTitle{.godm = 2025}, {{"tm101", 100}});
    storeFarmRow(db(), 1, FarmTitle{.oblm = 57}, {{"tm101", 1000}});
    storeFarmRow(db(), 1, FarmTitle{.oblm = 57, .khm = 2, .kkhm = 11}, {{"tm101", 3000}});

    compute(1);
    EXPECT_EQ(totalRow(db(), 1, 0, 0).text("tm101"), "5");
    EXPECT_EQ(db().select("SELECT * FROM stmjs1 WHERE oblm<>56 OR godm<>2026").size(), 0);

    createTableItog(1, db(), TotalsScope{57, 2026}, log);
    EXPECT_EQ(totalRow(db(), 1, 0, 0).text("tm101"), "4000");
    EXPECT_EQ(db().select("SELECT * FROM stmjs1 WHERE oblm<>57").size(), 0);
    EXPECT_EQ(totalTitles(db(), 1), (Titles{{0, 0}, {11, 0}, {11, 2}, {20, 0}, {20, 2}, {22, 0}, {22, 2}}));
}

TEST_F(TableTotalsTest, ColumnEmptyInEveryRowCountsAsZero) {
    storeFarmRow(db(), 1, FarmTitle{}, {{"tm101", QVariant()}, {"tm102", 5}});
    storeFarmRow(db(), 3, FarmTitle{}, {{"tm301", QVariant()}, {"tm310", 400}, {"tm302", 1}});
    compute(1);
    compute(3);
    const SqlRow table1 = totalRow(db(), 1, 0, 0);
    EXPECT_FALSE(table1.isNull("tm101"));
    EXPECT_EQ(table1.text("tm101"), "0");
    EXPECT_EQ(table1.text("tm102"), "5");
    const SqlRow table3 = totalRow(db(), 3, 0, 0);
    EXPECT_EQ(table3.text("tm301"), "0");
    EXPECT_EQ(table3.text("tm310"), "0");
}

// One computation is one transaction: a table that fails takes the tables before it back too.
TEST_F(TableTotalsTest, FailingTableLeavesEveryTotalTableAsItWas) {
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        storeFarmRow(db(), t, FarmTitle{}, distinctCells(t));
    db().execute("INSERT INTO stmjs5(tm501,oblm,rnm,khm,kkhm,porm,godm) VALUES(9,1,0,0,0,0,2000)");
    db().execute("INSERT INTO stmjs6(tm6b01,oblm,rnm,khm,kkhm,porm,godm) VALUES(9,1,0,0,0,0,2000)");
    db().execute("CREATE TRIGGER broken BEFORE INSERT ON stmjs5 WHEN NEW.oblm=56 "
                 "BEGIN SELECT RAISE(ABORT, 'диск переполнен'); END");
    log.lines.clear();

    EXPECT_THROW(computeRegionalTotals(db(), "Оренбургская область", "2026", log), SqlError);

    EXPECT_TRUE(log.lines.isEmpty());
    for (const int t : {1, 4, 7})
        EXPECT_TRUE(totalTitles(db(), t).isEmpty()) << t;
    for (const int t : {5, 6}) {
        const SqlResult kept = db().select(QStringLiteral("SELECT oblm, godm FROM stmjs%1").arg(t));
        ASSERT_EQ(kept.size(), 1) << t;
        EXPECT_EQ(kept.first().integer("godm"), 2000);
    }
}

} // namespace
