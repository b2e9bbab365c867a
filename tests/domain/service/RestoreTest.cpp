#include "DatabaseContents.h"
#include "FarmRows.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "domain/db/SqlEngine.h"
#include "domain/service/ArchiveCopy.h"
#include "domain/service/Restore.h"
#include "domain/service/ServiceError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RestoreTest : public ::testing::Test {
protected:
    TempProgramFolder home;
    QTemporaryDir elsewhere;
};

TEST_F(RestoreTest, ARealArchiveBringsTheOldRowsBackAndKeepsTheReplacedDatabase) {
    storeFarmRow(home.db(), 1, FarmTitle{});
    const QString archive = makeArchiveCopy(home.data());
    const DatabaseContents old = contentsOf(home.db());
    home.db().execute("DELETE FROM tmjs1");
    storeFarmRow(home.db(), 3, FarmTitle{.khm = 2});
    const DatabaseContents replaced = contentsOf(home.db());

    const QString kept = restoreDatabase(home.data(), archive);

    EXPECT_EQ(contentsOf(home.db()), old);
    EXPECT_EQ(contentsOfFile(kept), replaced) << "the restore can itself be undone";
    EXPECT_EQ(archiveFiles(home.path()).size(), 2);
    EXPECT_TRUE(kept.startsWith(home.file("arch/"))) << kept.toStdString();
    EXPECT_TRUE(contentsOfFile(archive) == old) << "the chosen file is only read";
    storeFarmRow(home.db(), 3, FarmTitle{.khm = 2});
    EXPECT_THROW(storeFarmRow(home.db(), 3, FarmTitle{.khm = 2}), std::exception) << "one row per title still holds";
}

TEST_F(RestoreTest, ADamagedWorkingDatabaseIsReplacedAndKeptAsItWas) {
    storeFarmRow(home.db(), 1, FarmTitle{});
    const QString archive = makeArchiveCopy(home.data());
    const DatabaseContents good = contentsOf(home.db());
    home.data().close();
    writeFileBytes(home.data().workingFile(), "damaged");

    const QString kept = restoreDatabase(home.data(), archive);

    EXPECT_EQ(fileBytes(kept), QByteArray("damaged"));
    EXPECT_EQ(contentsOf(home.db()), good);
    EXPECT_EQ(restoredMessages(kept), (QStringList{"Создана копия БД   " + QDir::toNativeSeparators(kept),
                                                   "БД успешно восстановлена из копии."}));
}

TEST_F(RestoreTest, AFileThatIsNotThisProgramsDatabaseIsRefusedAndNothingChanges) {
    const QString foreign = elsewhere.filePath("foreign.mdb");
    {
        SqlEngine other(foreign);
        other.execute("CREATE TABLE notes (text TEXT)");
        other.execute("INSERT INTO notes VALUES ('x')");
    }
    const QString incomplete = elsewhere.filePath("incomplete.mdb");
    {
        SqlEngine other(incomplete);
        other.execute("CREATE TABLE spobl (kod INTEGER, kodb TEXT, im TEXT)");
    }
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {writeFileBytes(elsewhere.filePath("notes.txt"), "это не база данных\n"), "file is not a database"},
        {foreign, "нет таблицы"},
        {incomplete, "нет таблицы tmjs1"},
        {writeFileBytes(elsewhere.filePath("empty.mdb"), {}), "нет таблицы"},
        {elsewhere.filePath("missing.mdb"), "файла нет"},
    };
    storeFarmRow(home.db(), 1, FarmTitle{});
    const QByteArray working = fileBytes(home.data().workingFile());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QByteArray chosen = QFile::exists(c.path) ? fileBytes(c.path) : QByteArray();
        try {
            restoreDatabase(home.data(), c.path);
            FAIL() << "restored from a file that is not a database of the program";
        } catch (const ServiceError& e) {
            EXPECT_TRUE(e.text().startsWith(QStringLiteral("Файл «%1» не является базой данных программы Stavor")
                                                .arg(QDir::toNativeSeparators(c.path))))
                << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.reason))) << e.text().toStdString();
        }
        EXPECT_EQ(fileBytes(home.data().workingFile()), working);
        if (QFile::exists(c.path)) {
            EXPECT_EQ(fileBytes(c.path), chosen);
        }
        EXPECT_TRUE(archiveFiles(home.path()).isEmpty());
        EXPECT_EQ(home.db().select("SELECT * FROM tmjs1").size(), 1) << "the connection still works";
    }
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"stavor.mdb", "stavorblank.mdb"}));
}

} // namespace
