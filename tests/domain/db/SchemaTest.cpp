#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct TableShape {
    int table;
    const char* first;
    const char* last;
    int dataColumns;
    int insertParameters;
};

// Column orders and counts as the positional inserts expect them.
const TableShape kShapes[] = {
    {1, "tm101", "tm135", 35, 43}, {2, "tm201", "tm214", 14, 22}, {3, "tm301", "tm340", 40, 48},
    {4, "tm401", "tm445", 45, 53}, {5, "tm501", "tm565", 65, 73}, {6, "tm6b01", "tm6t36", 36, 44},
    {7, "tm7b01", "tm7t20", 20, 27}, {8, "tm8b01", "tm8k20", 20, 27}, {9, "tm91", "tm99", 9, 17},
};

class SchemaTest : public ::testing::Test {
protected:
    TempProgramFolder home;
};

TEST_F(SchemaTest, EveryReportTableHasItsColumnOrderAndCount) {
    const QStringList tail{"oblm", "rnm", "khm", "kkhm", "porm", "godm", "send", "datesend"};
    for (const TableShape& s : kShapes) {
        SCOPED_TRACE(s.table);
        for (const QString& table : {Schema::dataTable(s.table), Schema::totalsTable(s.table)}) {
            const QStringList cols = home.db().columnNames(table);
            ASSERT_EQ(cols.size(), s.insertParameters) << table.toStdString();
            EXPECT_EQ(cols.first(), QLatin1String(s.first));
            EXPECT_EQ(cols.at(s.dataColumns - 1), QLatin1String(s.last));
            EXPECT_EQ(cols.mid(0, s.dataColumns), Schema::dataColumns(s.table));
            const QStringList expectedTail = Schema::hasDateSend(s.table) ? tail : tail.mid(0, 7);
            EXPECT_EQ(cols.mid(s.dataColumns), expectedTail);
        }
    }
}

TEST_F(SchemaTest, BlocksOfTablesSixToEightKeepCountingAcrossTheLetter) {
    EXPECT_EQ(Schema::dataColumns(6).mid(17, 2), (QStringList{"tm6b18", "tm6t19"}));
    EXPECT_EQ(Schema::dataColumns(7).mid(9, 2), (QStringList{"tm7b10", "tm7t11"}));
    EXPECT_EQ(Schema::dataColumns(8).mid(9, 2), (QStringList{"tm8b10", "tm8k11"}));
}

TEST_F(SchemaTest, SecondRowWithTheSameTitleIsRefused) {
    SqlEngine& db = home.db();
    const QString insert = "INSERT INTO tmjs9 (tm91, oblm, rnm, khm, kkhm, porm, godm, send, datesend) "
                           "VALUES (1, 56, 1, 1, 21, 2, 2026, FALSE, '')";
    db.execute(insert);
    EXPECT_THROW(db.execute(insert), SqlError);
    db.execute(QString(insert).replace("2026", "2025"));
    EXPECT_EQ(db.select("SELECT * FROM tmjs9").size(), 2);
}

TEST_F(SchemaTest, NewDatabaseHoldsReferenceBooksAndABlankTemplate) {
    SqlEngine& db = home.db();
    EXPECT_GT(db.select("SELECT * FROM spobl").size(), 80);
    EXPECT_GT(db.select("SELECT * FROM sppor").size(), 3);
    const SqlResult categories = db.select("SELECT kkx FROM kodkx ORDER BY kkx");
    QStringList codes = columnTexts(categories, "kkx");
    for (const char* c : {"11", "21", "22", "23", "24"})
        EXPECT_TRUE(codes.contains(c)) << c;
    for (const char* t : {"sklin", "kodup", "kodst", "kodkb"})
        EXPECT_FALSE(db.select(QString("SELECT * FROM %1").arg(t)).isEmpty()) << t;
    EXPECT_TRUE(db.select("SELECT * FROM k1obl").isEmpty());
    EXPECT_TRUE(db.select("SELECT * FROM kodra").isEmpty());

    SqlEngine blank(home.data().blankFile());
    EXPECT_TRUE(blank.tableNames().isEmpty());
    EXPECT_GT(QFileInfo(home.data().blankFile()).size(), 0);
}

TEST_F(SchemaTest, ExistingDatabaseIsOpenedWithoutReloading) {
    home.db().execute("DELETE FROM sppor WHERE kod=1");
    const int breeds = home.db().select("SELECT * FROM sppor").size();
    Database again(home.path());
    EXPECT_EQ(again.db().select("SELECT * FROM sppor").size(), breeds);
}

TEST_F(SchemaTest, MissingTablesAndColumnsAreNamed) {
    EXPECT_TRUE(Schema::missingParts(home.db()).isEmpty());
    home.db().execute("DROP TABLE tmjs7");
    home.db().execute("ALTER TABLE tmjs2 DROP COLUMN tm214");
    home.db().execute("CREATE TABLE notes (text TEXT)");
    EXPECT_EQ(Schema::missingParts(home.db()), (QStringList{"в таблице tmjs2 нет столбцов tm214", "нет таблицы tmjs7"}));
}

} // namespace
