#include "SourceFiles.h"
#include "domain/exchange/TableSource.h"
#include "domain/jet/JetTableSource.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kFixture = QStringLiteral(STAVOR_FIXTURES "/jet/DateTestDatabase.mdb");

QDateTime day(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(0, 0), Qt::UTC); }

TEST(JetTableSourceTest, ReadsTheFixturesTableColumnsAndEveryValue) {
    const QByteArray before = fileBytes(kFixture);
    JetTableSource jet(kFixture);
    EXPECT_EQ(jet.tableNames(), QStringList{"DateTest"});
    const QStringList columns{"IDCol", "DateTimeCol", "DateCol", "TimeCol", "LongTextCol", "ShortTextCol"};
    EXPECT_EQ(jet.columnNames("datetest"), columns);

    // What `mdb-export` prints for the file; the dates it shows as "01/00/00" (before 1900 and
    // in the year 9999) are the calendar days of the stored day numbers.
    const QDateTime dec2021 = day(2021, 12, 2);
    const std::vector<QVariantList> expected{
        {1, dec2021, dec2021, dec2021, "Hello", "Hello"},
        {2, day(9999, 1, 1), day(9999, 1, 1), day(9999, 1, 1), "Year 9999", "Year 1999"},
        {3, day(1898, 1, 1), day(1899, 1, 1), day(1900, 1, 1), "Pre-1900 years", "Pre-1900 years"},
        {4, day(632, 1, 1), day(633, 1, 1), day(634, 1, 1), "Pre-1000 years", "Pre-1000 years"},
        {5, dec2021, dec2021, dec2021, "Escaped new line \\r\\n in field", "Escaped new line \\r\\n in field"},
        {6, dec2021, dec2021, dec2021, "New line\r\nin field", "No new line"},
    };
    const std::vector<QVariantList> rows = jet.rows("DateTest", columns);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns.size(); ++c)
            EXPECT_EQ(rows[r].at(c), expected[r].at(c)) << "row " << r + 1 << " " << columns.at(c).toStdString();
    EXPECT_EQ(rows[0].at(0).typeId(), QMetaType::LongLong);

    // Asked for fewer columns, in another order and letter case.
    EXPECT_EQ(jet.rows("DateTest", {"shorttextcol", "IDCOL"}).at(1), (QVariantList{"Year 1999", 2}));
    EXPECT_EQ(fileBytes(kFixture), before);
}

TEST(JetTableSourceTest, MissingTablesAndColumnsAreNamed) {
    JetTableSource jet(kFixture);
    for (const auto& [table, column, message] :
         {std::tuple{"spobl", "kod", "нет таблицы spobl"}, {"DateTest", "kod", "нет столбца kod"}}) {
        try {
            jet.rows(table, {column});
            ADD_FAILURE() << table;
        } catch (const SourceError& e) {
            EXPECT_TRUE(e.text().contains(message)) << e.what();
            EXPECT_TRUE(e.text().contains("DateTestDatabase.mdb")) << e.what();
        }
    }
}

TEST(JetTableSourceTest, FormatIsKnownByTheHeaderNotTheName) {
    QTemporaryDir dir;
    const QString jetCopy = dir.filePath("books.dat");
    QFile::copy(kFixture, jetCopy);
    const QString sqlite = dir.filePath("old.mdb");
    writeSqliteSource(sqlite, {{"spobl", {"kod"}, {{"1"}}}});
    const QString text = writeFileBytes(dir.filePath("notes.mdb"), "Standard Jet DB is not at the start of this file\n");
    const QString truncated = writeFileBytes(dir.filePath("cut.mdb"), fileBytes(kFixture).left(64));

    EXPECT_EQ(detectFormat(jetCopy), SourceFormat::Jet);
    EXPECT_EQ(detectFormat(sqlite), SourceFormat::Sqlite);
    EXPECT_EQ(detectFormat(text), SourceFormat::Unknown);
    EXPECT_EQ(detectFormat(dir.filePath("missing.mdb")), SourceFormat::Unknown);

    EXPECT_EQ(openTableSource(jetCopy)->tableNames(), QStringList{"DateTest"});
    EXPECT_EQ(openTableSource(sqlite)->tableNames(), QStringList{"spobl"});
    for (const QString& refused : {text, truncated}) {
        try {
            openTableSource(refused)->tableNames();
            ADD_FAILURE() << refused.toStdString();
        } catch (const SourceError& e) {
            EXPECT_TRUE(e.text().contains(refused)) << e.what();
        }
    }
}

} // namespace
