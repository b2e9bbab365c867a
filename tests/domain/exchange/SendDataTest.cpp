#include "FarmRows.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/exchange/SendData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDateTime kEvening(QDate(2026, 12, 8), QTime(21, 47));

class SendDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms(); // region 56, year 2026
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            storeFarmRow(home.db(), t, FarmTitle{});
        storeFarmRow(home.db(), 9, FarmTitle{.khm = 2});
        storeFarmRow(home.db(), 1, FarmTitle{.godm = 2025});
    }
    QString outFile() const { return home.file("out/56stavor0812262147.mdb"); }
    QStringList outEntries() const {
        return QDir(home.file("out")).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    int count(const QString& sql) { return home.db().select(sql).first().text(0).toInt(); }
    int sentRows() {
        int n = 0;
        for (const QString& t : QStringList{"kodra", "kodxoz"} + reportTables())
            n += count("SELECT count(*) FROM " + t + " WHERE send");
        return n;
    }
    static QStringList reportTables() {
        QStringList names;
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            names << Schema::dataTable(t);
        return names;
    }
    TempProgramFolder home;
};

TEST_F(SendDataTest, WritesDistrictsFarmsAndTheYearsTablesAndReportsEachTable) {
    const SendReport report = sendData(home.data(), kEvening);

    EXPECT_EQ(report.file, outFile());
    QStringList expected{"В таблицу kodra добавлено 4 записей.", "В таблицу kodxoz добавлено 9 записей."};
    for (int t = 1; t <= 9; ++t)
        expected << QString("В таблицу tmjs%1 добавлено %2 записей.2026г.").arg(t).arg(t == 9 ? 2 : 1);
    expected << "Не забудьте отправить файл " + QDir::toNativeSeparators(outFile()) + ".";
    EXPECT_EQ(report.lines, expected);
    EXPECT_EQ(outEntries(), QStringList{"56stavor0812262147.mdb"});

    SqlEngine out(outFile(), SqlEngine::Access::ReadOnly);
    EXPECT_EQ(out.tableNames().size(), 11);
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        EXPECT_EQ(out.columnNames(Schema::dataTable(t)), home.db().columnNames(Schema::dataTable(t))) << t;
    EXPECT_EQ(out.select("SELECT * FROM tmjs1 WHERE godm<>2026").size(), 0);
    EXPECT_EQ(out.select("SELECT * FROM kodxoz").size(), 9);
}

TEST_F(SendDataTest, MarksOnlyTheCopiedRowsWithTheFullDate) {
    sendData(home.data(), kEvening);
    EXPECT_EQ(count("SELECT count(*) FROM tmjs1 WHERE godm=2025 AND NOT send"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM tmjs1 WHERE godm=2026 AND send AND datesend='08122026'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM kodra WHERE send AND datesend='08122026'"), 4);
    EXPECT_EQ(count("SELECT count(*) FROM tmjs7 WHERE send"), 1);
}

TEST_F(SendDataTest, ARowChangedAfterSendingTravelsAgainWithTheNewDate) {
    sendData(home.data(), kEvening);
    home.db().execute("UPDATE tmjs9 SET tm91=5, send=0, datesend='' WHERE khm=2");
    const SendReport again = sendData(home.data(), kEvening.addDays(1));

    EXPECT_TRUE(again.lines.contains("В таблицу tmjs9 добавлено 2 записей.2026г."));
    SqlEngine out(again.file, SqlEngine::Access::ReadOnly);
    EXPECT_EQ(out.select("SELECT tm91 FROM tmjs9 WHERE khm=2").first().integer("tm91"), 5);
    EXPECT_EQ(home.db().select("SELECT datesend FROM tmjs9 WHERE khm=2").first().text("datesend"), "09122026");
    EXPECT_EQ(home.db().select("SELECT datesend FROM tmjs9 WHERE khm=1").first().text("datesend"), "08122026");
}

TEST_F(SendDataTest, ASecondSendingInTheSameMinuteReplacesTheFile) {
    sendData(home.data(), kEvening);
    storeFarmRow(home.db(), 2, FarmTitle{.khm = 3});
    sendData(home.data(), kEvening);
    EXPECT_EQ(outEntries(), QStringList{"56stavor0812262147.mdb"});
    SqlEngine out(outFile(), SqlEngine::Access::ReadOnly);
    EXPECT_EQ(out.select("SELECT * FROM tmjs2").size(), 2);
}

TEST_F(SendDataTest, AYearWithoutTablesAndNoDistrictsHasNothingToSend) {
    home.db().execute("DELETE FROM kodra");
    home.db().execute("DELETE FROM kodxoz");
    home.db().execute("UPDATE k1obl SET god='2030'");
    const SendReport report = sendData(home.data(), kEvening);
    EXPECT_EQ(report.lines.size(), 12);
    EXPECT_EQ(report.lines.at(0), "В таблицу kodra ничего не добавлено.");
    EXPECT_EQ(report.lines.at(10), "В таблицу tmjs9 ничего не добавлено.");
    EXPECT_EQ(report.lines.last(), "Все таблицы пустые. Нечего отправлять.");
}

TEST_F(SendDataTest, WithoutSettingsNothingIsWritten) {
    home.db().execute("DELETE FROM k1obl");
    try {
        sendData(home.data(), kEvening);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString(e.what()).contains("НАСТРОЙКА")) << e.what();
    }
    EXPECT_TRUE(outEntries().isEmpty());
    EXPECT_EQ(sentRows(), 0);
}

// Each failure comes at another step; none may leave a file or a mark behind.
TEST_F(SendDataTest, AFailureAnywhereLeavesNoFileAndNothingMarked) {
    struct Case {
        const char* name;
        std::function<void(TempProgramFolder&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"out folder unusable",
         [](TempProgramFolder& h) {
             QDir(h.file("out")).removeRecursively();
             QFile f(h.file("out"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         "Не удалось создать файл"},
        {"blank holds a table of the same name",
         [](TempProgramFolder& h) { writeSqliteSource(h.file("stavorblank.mdb"), {{"tmjs5", {"x"}, {}}}); },
         "tmjs5"},
        {"file name taken by a folder",
         [](TempProgramFolder& h) { QDir().mkpath(h.file("out/56stavor0812262147.mdb")); },
         "Не удалось записать файл"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder fresh;
        fresh.addDemoFarms();
        storeFarmRow(fresh.db(), 5, FarmTitle{});
        c.spoil(fresh);
        try {
            sendData(fresh.data(), kEvening);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString(e.what()).contains(c.message)) << e.what();
        }
        const QStringList left = QDir(fresh.file("out")).entryList(QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
        EXPECT_EQ(fresh.db().select("SELECT * FROM kodra WHERE send").size() +
                      fresh.db().select("SELECT * FROM tmjs5 WHERE send").size(),
                  0);
    }
}

} // namespace
