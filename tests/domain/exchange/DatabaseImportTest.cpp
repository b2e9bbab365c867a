#include "FarmRows.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/exchange/DatabaseImport.h"
#include "domain/exchange/SqliteTableSource.h"
#include "domain/totals/RegionalTotals.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");
const QDateTime kNoon(QDate(2026, 5, 4), QTime(12, 30));

QString dump(SqlEngine& db, const QString& table) {
    QStringList rows;
    for (const SqlRow& row : db.select(QString("SELECT * FROM %1").arg(table))) {
        QStringList values;
        for (int i = 0; i < row.fieldCount(); ++i)
            values << row.text(i);
        rows << values.join('|');
    }
    rows.sort();
    return rows.join('\n');
}

QStringList allTables() {
    QStringList names = Schema::referenceTables() + QStringList{"k1obl"};
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        names << Schema::dataTable(t) << Schema::totalsTable(t);
    return names;
}

// Every table of the working database, to show that something changed nothing.
QString everything(SqlEngine& db) {
    QString all;
    for (const QString& t : allTables())
        all += t + ":\n" + dump(db, t) + "\n";
    return all;
}

// A Table 9 row: nine cells, the title, send and datesend, all as text.
QVariantList table9(const QString& khm, const QString& tm91, const QString& year = "2026") {
    return {tm91, "2", "", "0", "0", "0", "0", "0", "0", "56", "1", khm, "22", "02", year, "True", "08122026"};
}

class DatabaseImportTest : public ::testing::Test {
protected:
    ImportReport import(const QString& file, ImportOptions options = {}) {
        SqliteTableSource source(file);
        return importDatabase(home.db(), source, home.path(), options, kNoon);
    }
    QString textSource(const QMap<QString, QList<QVariantList>>& rows) {
        writeLayoutSource(sources.filePath("old.mdb"), rows);
        return sources.filePath("old.mdb");
    }
    const QMap<QString, QList<QVariantList>> demoRegion{
        {"kodra", {{"56", "01", "Адамовский", "-1", "01022025"}}},
        {"kodxoz", {{"56", "1", "1", "СПК «Д'Артаньян»", "0", ""}, {"56", "1", "2", "ООО Степное", "0", ""}}},
        {"k1obl", {{"056", "2026"}}},
    };
    TempProgramFolder home;
    QTemporaryDir sources;
};

TEST_F(DatabaseImportTest, AnImportedYearSumsToTheSameTotalsAsTheSource) {
    TempProgramFolder source;
    source.addDemoFarms();
    const int categories[] = {21, 22, 11, 22};
    for (int farm = 1; farm <= 4; ++farm)
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            QVariantMap cells;
            int n = 0;
            for (const QString& column : Schema::dataColumns(t))
                cells[column] = (farm * 7 + t * 3 + n++) % 23;
            storeFarmRow(source.db(), t, FarmTitle{.rnm = farm, .khm = 1, .kkhm = categories[farm - 1], .porm = farm % 2 + 1}, cells);
        }
    storeFarmRow(source.db(), 1, FarmTitle{.godm = 2025});
    RecordedLog log;
    computeRegionalTotals(source.db(), kRegion, "2026", log);

    const ImportReport report = import(source.file("stavor.mdb"));

    ASSERT_TRUE(report.done) << report.lines.join('\n').toStdString();
    EXPECT_EQ(report.lines.first(),
              "Создана копия БД   " + QDir::toNativeSeparators(home.file("arch/stavor0405261230.mdb")) + " до импорта.");
    EXPECT_TRUE(report.lines.contains("Таблица tmjs1: принято 5 записей."));
    EXPECT_EQ(report.lines.last(), "Импорт выполнен.");
    EXPECT_TRUE(QFile::exists(home.file("arch/stavor0405261230.mdb")));
    computeRegionalTotals(home.db(), kRegion, "2026", log);
    for (int t = 1; t <= Schema::kReportTableCount; ++t) {
        EXPECT_EQ(dump(home.db(), Schema::totalsTable(t)), dump(source.db(), Schema::totalsTable(t))) << t;
        EXPECT_EQ(dump(home.db(), Schema::dataTable(t)), dump(source.db(), Schema::dataTable(t))) << t;
    }
    EXPECT_EQ(dump(home.db(), "kodxoz"), dump(source.db(), "kodxoz"));
    EXPECT_EQ(dump(home.db(), "k1obl"), "56|2026");
}

// An archive copy made earlier in the same minute (by the archive command or an import refused
// for bad rows) stays: the import's own copy takes the next free name.
TEST_F(DatabaseImportTest, AnEarlierArchiveCopyOfTheSameMinuteIsKept) {
    QDir().mkpath(home.file("arch"));
    const QString earlier = writeFileBytes(home.file("arch/stavor0405261230.mdb"), "earlier copy");
    const ImportReport report = import(textSource(demoRegion));

    ASSERT_TRUE(report.done) << report.lines.join('\n').toStdString();
    EXPECT_EQ(fileBytes(earlier), "earlier copy");
    EXPECT_EQ(report.lines.first(), "Создана копия БД   " +
                                        QDir::toNativeSeparators(home.file("arch/stavor0405261230_2.mdb")) +
                                        " до импорта.");
}

TEST_F(DatabaseImportTest, TextCodesCyrillicNamesAndEmptyValuesArriveAsTheirKinds) {
    auto rows = demoRegion;
    rows["tmjs9"] = {table9("1", "12")};
    rows["kodkb"] = {{"07", "Улучшатель д'Эон"}};
    const ImportReport report = import(textSource(rows));

    ASSERT_TRUE(report.done) << report.lines.join('\n').toStdString();
    EXPECT_EQ(dump(home.db(), "kodxoz"), "56|1|1|СПК «Д'Артаньян»|0|\n56|1|2|ООО Степное|0|");
    EXPECT_EQ(dump(home.db(), "kodra"), "56|1|Адамовский|1|01022025");
    const SqlRow row = home.db().select("SELECT * FROM tmjs9").first();
    EXPECT_EQ(row.value("tm91"), 12);
    EXPECT_TRUE(row.isNull("tm93"));
    EXPECT_EQ(row.value("porm"), 2);
    EXPECT_TRUE(row.boolean("send"));
    EXPECT_EQ(row.value("datesend"), "08122026");
    // "07" is the code 7.
    EXPECT_EQ(dump(home.db(), "kodkb").count("|Улучшатель д'Эон"), 1);
    EXPECT_EQ(home.db().select("SELECT * FROM kodkb WHERE kodr=7").size(), 1);
    EXPECT_EQ(dump(home.db(), "k1obl"), "56|2026");
}

TEST_F(DatabaseImportTest, AFilledDatabaseIsRefusedWithoutMergeAndKeepsItsRowsWithIt) {
    home.addDemoFarms();
    storeFarmRow(home.db(), 9, FarmTitle{}, {{"tm91", 40}});
    home.db().execute("UPDATE k1obl SET god='2027'");
    auto rows = demoRegion;
    rows["tmjs9"] = {table9("1", "12"), table9("2", "13")};
    const QString file = textSource(rows);
    const QString before = everything(home.db());

    try {
        import(file);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString(e.what()).contains("--merge")) << e.what();
    }
    EXPECT_EQ(everything(home.db()), before);
    EXPECT_TRUE(QDir(home.file("arch")).isEmpty());

    const ImportReport merged = import(file, {.merge = true});
    ASSERT_TRUE(merged.done) << merged.lines.join('\n').toStdString();
    EXPECT_TRUE(merged.lines.contains("Таблица tmjs9, строка 1: такая таблица уже есть в рабочей базе, оставлена прежняя."));
    EXPECT_TRUE(merged.lines.contains("Таблица tmjs9: принято 1 записей, оставлено прежних 1."));
    EXPECT_EQ(home.db().select("SELECT tm91 FROM tmjs9 ORDER BY khm").first().integer("tm91"), 40);
    EXPECT_EQ(home.db().select("SELECT tm91 FROM tmjs9 WHERE khm=2").first().integer("tm91"), 13);
    // Merging keeps what the working database has: its farm names and settings.
    EXPECT_EQ(home.db().select("SELECT im FROM kodxoz WHERE kodraj=1 AND kodx=1").first().text("im"), "СПК Заря");
    EXPECT_EQ(dump(home.db(), "k1obl"), "56|2027");
}

TEST_F(DatabaseImportTest, ABadRowChangesNothingByDefaultAndSkipBadTakesTheRest) {
    auto rows = demoRegion;
    rows["tmjs9"] = {table9("1", "12"), table9("1", "14"), table9("2", "пять"), table9("9", "1"), table9("2", "3")};
    rows["kodra"] << QVariantList{"99", "1", "Район без региона", "0", ""};
    const QString file = textSource(rows);
    const QString before = everything(home.db());
    const QStringList refusals{
        "Таблица kodra, строка 2 не принята: в справочнике spobl нет записи для kodr=99.",
        "Таблица tmjs9, строка 2 не принята: повторный заголовок таблицы (как в строке 1).",
        "Таблица tmjs9, строка 3 не принята: значение «пять» в столбце tm91 не является числом.",
        "Таблица tmjs9, строка 4 не принята: в справочнике kodxoz нет записи для oblm=56, rnm=1, khm=9.",
    };

    const ImportReport refused = import(file);
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.refused, 4);
    EXPECT_EQ(refused.lines, refusals + QStringList{"Импорт не выполнен: не принято строк — 4. Рабочая база не изменена."});
    EXPECT_EQ(everything(home.db()), before);

    const ImportReport skipped = import(file, {.skipBad = true});
    ASSERT_TRUE(skipped.done);
    for (const QString& line : refusals)
        EXPECT_TRUE(skipped.lines.contains(line)) << line.toStdString();
    EXPECT_TRUE(skipped.lines.contains("Таблица tmjs9: принято 2 записей, не принято 3."));
    EXPECT_EQ(skipped.lines.last(), "Импорт выполнен, не принято строк — 4.");
    EXPECT_EQ(dump(home.db(), "tmjs9").split('\n').size(), 2);
    EXPECT_TRUE(home.db().select("SELECT * FROM kodra WHERE kodr=99").isEmpty());
}

TEST_F(DatabaseImportTest, ASourceLackingATableOrColumnIsRefusedWhole) {
    const QString file = textSource(demoRegion);
    {
        SqlEngine spoil(file);
        spoil.execute("DROP TABLE tmjs8");
        spoil.execute("ALTER TABLE sppor DROP COLUMN grj");
    }
    const QString before = everything(home.db());
    try {
        import(file);
        FAIL();
    } catch (const SourceError& e) {
        EXPECT_TRUE(e.text().contains("в таблице sppor нет столбца grj; нет таблицы tmjs8")) << e.what();
    }
    EXPECT_EQ(everything(home.db()), before);
}

} // namespace
