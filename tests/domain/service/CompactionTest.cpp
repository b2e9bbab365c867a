#include "DatabaseContents.h"
#include "FarmRows.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "domain/service/Compaction.h"
#include "domain/service/ServiceError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class CompactionTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        for (int table = 1; table <= 9; ++table)
            for (int farm = 1; farm <= 3; ++farm)
                storeFarmRow(home.db(), table, FarmTitle{.khm = farm});
        // Space left free by deleted rows is what compaction gives back.
        home.db().execute("DELETE FROM tmjs5 WHERE khm=3");
    }

    QString workFile() const { return home.file("tempstavor.mdb"); }
    void tell(const QString& message) { told << message; }

    TempProgramFolder home;
    QStringList told;
};

TEST_F(CompactionTest, KeepsEveryRowAndLeavesTheUncompactedFileInArch) {
    const DatabaseContents before = contentsOf(home.db());

    compactDatabase(home.data(), [this](const QString& m) { tell(m); });

    EXPECT_EQ(contentsOf(home.db()), before);
    const QStringList archived = archiveFiles(home.path());
    ASSERT_EQ(archived.size(), 1);
    EXPECT_TRUE(QRegularExpression("^stavor[0-9]{12}\\.mdb$").match(archived.first()).hasMatch()) << archived.first().toStdString();
    const QString archive = QDir(home.file("arch")).filePath(archived.first());
    EXPECT_EQ(contentsOfFile(archive), before);
    EXPECT_FALSE(QFile::exists(workFile()));
    EXPECT_EQ(told, (QStringList{"Файл базы данных ДО УПАКОВКИ был помещен в архив:  " + QDir::toNativeSeparators(archive),
                                 "Файл базы данных stavor.mdb был успешно сжат."}));
}

TEST_F(CompactionTest, ALeftoverWorkFileIsRemovedFirst) {
    writeFileBytes(workFile(), "half of an earlier compaction");
    const DatabaseContents before = contentsOf(home.db());

    compactDatabase(home.data(), [this](const QString& m) { tell(m); });

    EXPECT_EQ(told.size(), 2);
    EXPECT_EQ(contentsOf(home.db()), before);
    EXPECT_FALSE(QFile::exists(workFile()));
}

TEST_F(CompactionTest, AMissingWorkingDatabaseIsToldAndNothingIsArchived) {
    ASSERT_TRUE(QFile::remove(home.data().workingFile()));

    compactDatabase(home.data(), [this](const QString& m) { tell(m); });

    EXPECT_EQ(told, QStringList{"Файл базы данных \"" + QDir::toNativeSeparators(home.data().workingFile()) +
                                "\" не найден!!!"});
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty());
}

TEST_F(CompactionTest, WhenTheLastRenameFailsTheWorkingDatabaseIsPutBack) {
    const DatabaseContents before = contentsOf(home.db());
    const QString moved = home.file("moved.mdb");

    // Between the two renames the compacted file goes away, so the last rename cannot be done.
    EXPECT_THROW(compactDatabase(home.data(),
                                 [&](const QString& m) {
                                     tell(m);
                                     ASSERT_TRUE(QFile::rename(workFile(), moved));
                                 }),
                 ServiceError);

    EXPECT_EQ(told.size(), 1);
    EXPECT_EQ(contentsOf(home.db()), before);
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty()) << "the uncompacted file is back in its place";
}

TEST_F(CompactionTest, AWorkingFileThatIsNoDatabaseCannotBeCompacted) {
    home.data().close();
    writeFileBytes(home.data().workingFile(), "damaged");

    try {
        compactDatabase(home.data(), [this](const QString& m) { tell(m); });
        FAIL();
    } catch (const ServiceError& e) {
        EXPECT_TRUE(e.text().startsWith("База не может быть сжата.Выйдите из программы и попробуйте еще раз. ("))
            << e.text().toStdString();
    }
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(fileBytes(home.data().workingFile()), QByteArray("damaged"));
    EXPECT_FALSE(QFile::exists(workFile()));
}

} // namespace
