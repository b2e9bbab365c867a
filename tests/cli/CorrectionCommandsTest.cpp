#include "FarmRows.h"
#include "StavorProcess.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QStringList kOldTitle{"--region", "Оренбургская область", "--district", "Адамовский", "--farm", "СПК Заря",
                            "--category", "Племенные репродукторы", "--breed", "Казахская белоголовая", "--year",
                            "2026"};

QStringList prefixed(const QString& prefix, const QStringList& options) {
    QStringList out;
    for (const QString& o : options)
        out << (o.startsWith("--") ? "--" + prefix + o.mid(2) : o);
    return out;
}

class CorrectionCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { home.addDemoFarms(); }
    QStringList withHome(const QString& command, const QStringList& options) {
        return QStringList{command, "--home", home.path()} + options;
    }
    int rows(int table, const QString& where = "1=1") {
        return home.db().select("SELECT * FROM " + Schema::dataTable(table) + " WHERE " + where).size();
    }

    TempProgramFolder home;
};

TEST_F(CorrectionCommandsTest, ListLinesFilteredLikeTheWindow) {
    storeFarmRow(home.db(), 9, {});
    storeFarmRow(home.db(), 9, {.rnm = 3, .porm = 3});
    ProcessRun run = runStavor(withHome("correction-list", {"--table", "9"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, (QStringList{
                           "Оренбургская область; Адамовский; СПК Заря; Племенные репродукторы; Казахская белоголовая; 2026",
                           "Оренбургская область; Беляевский; ООО Уральское; Племенные репродукторы; Герефордская; 2026",
                       }));
    run = runStavor(withHome("correction-list", {"--table", "9", "--breed", "Герефордская"}));
    EXPECT_EQ(run.out.size(), 1);
    EXPECT_EQ(runStavor(withHome("correction-list", {"--table", "10"})).exitCode, 2);
}

TEST_F(CorrectionCommandsTest, DeleteTableLeavesTheOtherTablesOfTheTitle) {
    for (int table = 1; table <= Schema::kReportTableCount; ++table)
        storeFarmRow(home.db(), table, {});
    ProcessRun run = runStavor(withHome("delete-table", QStringList{"--table", "5"} + kOldTitle));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringList{"Запись удалена из tmjs5."});
    for (int table = 1; table <= Schema::kReportTableCount; ++table)
        EXPECT_EQ(rows(table), table == 5 ? 0 : 1) << table;

    run = runStavor(withHome("delete-table", QStringList{"--table", "5"} + kOldTitle));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Запись с таким заголовком в tmjs5 отсутствует.")) << run.err.toStdString();
    QStringList unknownFarm = kOldTitle;
    unknownFarm[5] = "Нет такого";
    run = runStavor(withHome("delete-table", QStringList{"--table", "1"} + unknownFarm));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Хозяйство «Нет такого» не найдено в районе «Адамовский».")) << run.err.toStdString();
    EXPECT_EQ(rows(1), 1);
}

TEST_F(CorrectionCommandsTest, RetitleMovesAllNineTablesToAnotherYear) {
    for (int table : {1, 2, 3, 9})
        storeFarmRow(home.db(), table, {});
    storeFarmRow(home.db(), 2, {.godm = 2027});
    const ProcessRun run =
        runStavor(withHome("retitle", prefixed("from-", kOldTitle) + QStringList{"--to-year", "2027"}));
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), 9);
    EXPECT_EQ(run.out[0], "В tmjs1 заголовок изменен.");
    EXPECT_TRUE(run.out[1].startsWith("В tmjs2 уже есть запись с таким заголовком."));
    EXPECT_EQ(run.out[3], "Запись с таким заголовком в tmjs4 отсутствует.");
    EXPECT_EQ(run.out[6], "В tmjs9 заголовок изменен.");
    for (int table : {1, 3, 9})
        EXPECT_EQ(rows(table, "godm=2027"), 1) << table;
    EXPECT_EQ(rows(2, "godm=2026"), 1);

    QStringList moved = prefixed("from-", kOldTitle);
    moved.last() = "2027";
    const ProcessRun one = runStavor(
        withHome("retitle", QStringList{"--table", "1"} + moved + QStringList{"--to-farm", "ООО Степное"}));
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(one.out, QStringList{"В tmjs1 заголовок изменен."});
    EXPECT_EQ(rows(1, "khm=2"), 1);
}

} // namespace

namespace {

TEST(CheckCommandTest, ExitCodeTellsWhetherTheTablesAgree) {
    TempProgramFolder home;
    home.addDemoFarms();
    storeFarmRow(home.db(), 1, {});
    storeFarmRow(home.db(), 2, {});
    const QStringList base{"check", "--home", home.path(), "--year", "2026"};
    ProcessRun run = runStavor(base + QStringList{"--region", "Оренбургская область"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringList{"Найдено расхождений: 0 (проверено заголовков: 1)."});

    home.db().execute("UPDATE tmjs2 SET tm207=5");
    run = runStavor(base + QStringList{"--region", "all", "--export"});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(run.out, (QStringList{"Оренбургская область; Адамовский; СПК Заря; Племенные репродукторы; Казахская "
                                    "белоголовая; 2026; Таблица 1 – Таблица 2; Итого\\Коровы из Таблицы 2 не "
                                    "соответствует Всего КРС\\Коровы из Таблицы 1.; 0; 5",
                                    "Найдено расхождений: 1 (проверено заголовков: 1)."}));
    EXPECT_TRUE(QFileInfo::exists(home.file("doc/check.xlsx")));

    run = runStavor(base + QStringList{"--region", "Нет такого"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Регион «Нет такого» не найден.")) << run.err.toStdString();
}

} // namespace
