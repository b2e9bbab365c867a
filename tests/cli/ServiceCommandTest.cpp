#include "DatabaseContents.h"
#include "FarmRows.h"
#include "SourceFiles.h"
#include "StavorProcess.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"
#include "domain/db/Database.h"
#include "domain/db/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

// The commands work on the folder's file while this process has it open too, as a user's script
// would beside the running program.
class ServiceCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        storeFarmRow(home.db(), 5, FarmTitle{});
        storeFarmRow(home.db(), 1, FarmTitle{.oblm = 2});
    }
    QString archived(int index) { return QDir(home.file("arch")).filePath(archiveFiles(home.path()).at(index)); }

    TempProgramFolder home;
};

TEST_F(ServiceCommandTest, StatusPrintsOneLineATitleAndExportsTheWorkbook) {
    const struct {
        const char* region;
        QStringList lines;
    } cases[] = {{"all", {"1\t2\t1\t1\t22\t2\t2026\t+\t-\t-\t-\t-\t-\t-\t-\t-", "2\t56\t1\t1\t22\t2\t2026\t-\t-\t-\t-\t+\t-\t-\t-\t-"}},
                 {"Оренбургская область", {"1\t56\t1\t1\t22\t2\t2026\t-\t-\t-\t-\t+\t-\t-\t-\t-"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.region);
        const ProcessRun run =
            runStavor({"status", "--home", home.path(), "--region", QString::fromUtf8(c.region), "--year", "2026"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.lines);
    }
    EXPECT_FALSE(QFileInfo::exists(home.file("doc/spravka.xlsx")));

    const ProcessRun run = runStavor({"status", "--home", home.path(), "--region=all", "--year=2026", "--export"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject cells =
        readXlsx(home.file("doc/spravka.xlsx")).value("sheets").toArray().first().toObject().value("cells").toObject();
    EXPECT_EQ(cells.value("B7").toObject().value("value").toInt(), 56);
}

TEST_F(ServiceCommandTest, StatusWithoutAYearIsToldLikeTheWindowDoes) {
    const ProcessRun run = runStavor({"status", "--home", home.path(), "--region", "all"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.trimmed(), "Нужно выбрать оба параметра!");
}

TEST_F(ServiceCommandTest, ArchiveRestoreAndCompactTellWhatTheWindowsTell) {
    const ProcessRun archive = runStavor({"archive", "--home", home.path()});
    EXPECT_EQ(archive.exitCode, 0) << archive.err.toStdString();
    ASSERT_EQ(archiveFiles(home.path()).size(), 1);
    const QString copy = archived(0);
    EXPECT_EQ(archive.out, QStringList{"Создана копия БД   " + QDir::toNativeSeparators(copy)});
    const DatabaseContents old = contentsOf(home.db());
    home.db().execute("DELETE FROM tmjs5");

    const ProcessRun restore = runStavor({"restore", "--home", home.path(), copy});
    EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    ASSERT_EQ(archiveFiles(home.path()).size(), 2);
    EXPECT_EQ(restore.out, (QStringList{"Создана копия БД   " + QDir::toNativeSeparators(archived(1)),
                                        "БД успешно восстановлена из копии."}));
    EXPECT_EQ(contentsOfFile(home.data().workingFile()), old);

    const ProcessRun compact = runStavor({"compact", "--home", home.path()});
    EXPECT_EQ(compact.exitCode, 0) << compact.err.toStdString();
    ASSERT_EQ(compact.out.size(), 2);
    EXPECT_TRUE(compact.out.first().startsWith("Файл базы данных ДО УПАКОВКИ был помещен в архив:  "));
    EXPECT_EQ(compact.out.last(), "Файл базы данных stavor.mdb был успешно сжат.");
    EXPECT_EQ(contentsOfFile(home.data().workingFile()), old);
}

TEST_F(ServiceCommandTest, RestoreRefusesATextFileWithExitOne) {
    writeFileBytes(home.file("notes.txt"), "not a database");
    const QByteArray working = fileBytes(home.data().workingFile());

    const ProcessRun run = runStavor({"restore", "--home", home.path(), home.file("notes.txt")});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Файл «" + QDir::toNativeSeparators(home.file("notes.txt")) +
                                   "» не является базой данных программы Stavor"))
        << run.err.toStdString();
    EXPECT_EQ(fileBytes(home.data().workingFile()), working);
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty());
}

TEST_F(ServiceCommandTest, CleanEmptiesTheListedTablesAndRefusesOthersAsBadUsage) {
    const ProcessRun bad = runStavor({"clean", "--home", home.path(), "--tables", "kodxoz,tmjs7"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("tmjs7")) << bad.err.toStdString();
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty());

    const ProcessRun run = runStavor({"clean", "--home", home.path(), "--tables", "kodxoz,tmjs5"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(archiveFiles(home.path()).size(), 1);
    EXPECT_EQ(run.out, QStringList{"Создана копия БД   " + QDir::toNativeSeparators(archived(0)) + " до очистки."});
    EXPECT_TRUE(home.db().select("SELECT * FROM kodxoz").isEmpty());
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs5").isEmpty());
    EXPECT_EQ(home.db().select("SELECT * FROM tmjs1").size(), 1);
    EXPECT_FALSE(home.db().select("SELECT * FROM kodra").isEmpty());
}

} // namespace
