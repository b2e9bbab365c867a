#include "DatabaseContents.h"
#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/service/Cleaning.h"
#include "domain/service/ServiceError.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// The demo farms and a row of every report table.
void fillAllTables(TempProgramFolder& home) {
    home.addDemoFarms();
    for (int table = 1; table <= 9; ++table)
        storeFarmRow(home.db(), table, FarmTitle{});
}

class CleaningTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillAllTables(home);
        before = contentsOf(home.db());
    }
    QString onlyArchive() {
        const QStringList files = archiveFiles(home.path());
        EXPECT_EQ(files.size(), 1);
        return files.isEmpty() ? QString() : QDir(home.file("arch")).filePath(files.first());
    }

    TempProgramFolder home;
    DatabaseContents before;
};

TEST(CleaningCasesTest, ChosenTablesAreEmptiedAfterTheCopyAndTheOthersKept) {
    const struct {
        QStringList tables;
    } cases[] = {{{}}, {{"kodra", "kodxoz"}}, {{"tmjs9", "tmjs2"}}, {cleanableTables()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tables.join(',').toStdString());
        TempProgramFolder fresh;
        fillAllTables(fresh);
        const DatabaseContents full = contentsOf(fresh.db());

        const QString copy = cleanDatabase(fresh.data(), c.tables);

        EXPECT_EQ(contentsOfFile(copy), full);
        const DatabaseContents after = contentsOf(fresh.db());
        for (auto it = full.begin(); it != full.end(); ++it) {
            if (c.tables.contains(it.key()))
                EXPECT_TRUE(after.value(it.key()).isEmpty()) << it.key().toStdString();
            else
                EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        }
        EXPECT_EQ(cleaningCopyMessage(copy), "Создана копия БД   " + QDir::toNativeSeparators(copy) + " до очистки.");
    }
}

TEST_F(CleaningTest, ACleaningThatFailsPartWayEmptiesNothing) {
    home.db().execute("CREATE TRIGGER keep_table5 BEFORE DELETE ON tmjs5 BEGIN SELECT RAISE(ABORT, 'locked'); END");
    before = contentsOf(home.db());
    try {
        cleanDatabase(home.data(), {"kodra", "kodxoz", "tmjs1", "tmjs5", "tmjs6"});
        FAIL();
    } catch (const ServiceError& e) {
        EXPECT_TRUE(e.text().contains("tmjs5")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("locked")) << e.text().toStdString();
    }
    EXPECT_EQ(contentsOf(home.db()), before);
    EXPECT_EQ(contentsOfFile(onlyArchive()), before);
}

TEST_F(CleaningTest, ATableThatIsNotOfferedIsRefusedBeforeAnyCopy) {
    for (const char* table : {"tmjs7", "spobl", "k1obl", "kodra; DROP TABLE tmjs1"})
        EXPECT_THROW(cleanDatabase(home.data(), {"tmjs1", table}), std::invalid_argument) << table;
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty());
    EXPECT_EQ(contentsOf(home.db()), before);
}

} // namespace
