#include "FarmRows.h"
#include "SourceFiles.h"
#include "StavorProcess.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QVariantList table9Row(const QString& khm, const QString& tm91) {
    return {tm91, "0", "0", "0", "0", "0", "0", "0", "0", "56", "1", khm, "22", "2", "2026", "0", ""};
}

class ImportJetCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeLayoutSource(file, {{"kodra", {{"56", "1", "Адамовский", "0", ""}}},
                                 {"kodxoz", {{"56", "1", "1", "СПК Заря", "0", ""}}},
                                 {"k1obl", {{"56", "2026"}}},
                                 {"tmjs9", {table9Row("1", "5"), table9Row("7", "6")}}});
    }
    ProcessRun import(const QStringList& options) {
        return runStavor(QStringList{"import-jet", "--home", home.path()} + options + QStringList{file});
    }
    QTemporaryDir dir;
    const QString file = dir.filePath("old.mdb");
    TempProgramFolder home;
};

TEST_F(ImportJetCommandTest, ABadRowStopsTheImportUnlessSkipBadIsGiven) {
    const ProcessRun refused = import({});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out.first(),
              "Таблица tmjs9, строка 2 не принята: в справочнике kodxoz нет записи для oblm=56, rnm=1, khm=7.");
    EXPECT_TRUE(refused.err.contains("--skip-bad")) << refused.err.toStdString();
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs9").isEmpty());

    const ProcessRun skipped = import({"--skip-bad"});
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err.toStdString();
    EXPECT_TRUE(skipped.out.first().startsWith("Создана копия БД   ")) << skipped.out.first().toStdString();
    EXPECT_TRUE(skipped.out.contains("Таблица tmjs9: принято 1 записей, не принято 1."));
    EXPECT_EQ(home.db().select("SELECT * FROM tmjs9").size(), 1);

    // The database now holds report tables: a second import needs --merge.
    const ProcessRun again = import({"--skip-bad"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("--merge")) << again.err.toStdString();
    EXPECT_EQ(import({"--merge", "--skip-bad"}).exitCode, 0);
}

TEST_F(ImportJetCommandTest, UnreadableFilesAreNamedAndChangeNothing) {
    const QString jet = STAVOR_FIXTURES "/jet/DateTestDatabase.mdb";
    const ProcessRun run = runStavor({"import-jet", "--home", home.path(), jet});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("DateTestDatabase.mdb нет таблицы spobl")) << run.err.toStdString();
    const ProcessRun missing = runStavor({"import-jet", "--home", home.path(), dir.filePath("нет.mdb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("нет.mdb не найден")) << missing.err.toStdString();
    EXPECT_TRUE(QDir(home.file("arch")).isEmpty());
    EXPECT_EQ(runStavor({"import-jet", "--home", home.path()}).exitCode, 2);
}

} // namespace
