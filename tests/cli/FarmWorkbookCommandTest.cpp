#include "FarmForms.h"
#include "FarmRows.h"
#include "StavorProcess.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"

#include <QFile>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QStringList titleArgs(const TempProgramFolder& home, const QString& farm = "ООО Степное", const QString& year = "2025") {
    return {"--home", home.path(), "--region", "оренбургская ОБЛАСТЬ", "--district", "Адамовский", "--farm", farm,
            "--category", "Племенные заводы", "--breed", "Герефордская", "--year", year};
}

QJsonValue valueAt(const QJsonObject& book, const QString& sheet, const QString& address) {
    return sheetOf(book, sheet).value("cells").toObject().value(address).toObject().value("value");
}

TEST(FarmWorkbookCommandTest, WritesTheStoredTablesOfTheNamedTitle) {
    TempProgramFolder home;
    home.addDemoFarms();
    storeFarmRow(home.db(), 2, FarmTitle{.khm = 2, .kkhm = 21, .porm = 3, .godm = 2025}, {{"tm201", 41}});
    storeFarmRow(home.db(), 2, FarmTitle{.khm = 2, .kkhm = 21, .porm = 3, .godm = 2026}, {{"tm201", 99}});
    const ProcessRun run = runStavor(QStringList{"farm-workbook"} + titleArgs(home));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject book = readXlsx(home.file("doc/stavor.xlsx"));
    EXPECT_EQ(valueAt(book, "table2", "D10").toDouble(), 41);
    EXPECT_EQ(valueAt(book, "table2", "H4").toDouble(), 2025);
    EXPECT_TRUE(valueAt(book, "table1", "D11").isNull());

    const ProcessRun blank = runStavor(QStringList{"farm-workbook"} + titleArgs(home) + QStringList{"--blank"});
    ASSERT_EQ(blank.exitCode, 0) << blank.err.toStdString();
    const QJsonObject form = readXlsx(home.file("doc/stavor.xlsx"));
    EXPECT_TRUE(valueAt(form, "table2", "D10").isNull());
    EXPECT_EQ(valueAt(form, "table2", "F2").toDouble(), 2);
}

TEST(FarmWorkbookCommandTest, AnUnknownNameIsToldAndNothingWritten) {
    TempProgramFolder home;
    home.addDemoFarms();
    const ProcessRun run = runStavor(QStringList{"farm-workbook"} + titleArgs(home, "Нет такого"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Хозяйство «Нет такого» не найдено в районе «Адамовский».")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("doc/stavor.xlsx")));
}

TEST(ReferenceCommandsTest, ListSearchAddAndDeleteByFullKey) {
    TempProgramFolder home;
    home.addDemoFarms();
    const QStringList at{"--home", home.path(), "--book", "kodra"};
    EXPECT_EQ(runStavor(QStringList{"reference-add"} + at + QStringList{"1", "3", "Район Адыгеи"}).exitCode, 0);
    const ProcessRun duplicate = runStavor(QStringList{"reference-add"} + at + QStringList{"1", "3", "Снова"});
    EXPECT_EQ(duplicate.exitCode, 1);
    EXPECT_TRUE(duplicate.err.contains("уже есть")) << duplicate.err.toStdString();
    EXPECT_EQ(runStavor(QStringList{"reference-delete"} + at + QStringList{"56", "3"}).exitCode, 0);
    const ProcessRun found = runStavor(QStringList{"reference-list"} + at + QStringList{"--search", " 3 "});
    ASSERT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_EQ(found.out.last(), "1\tРеспублика Адыгея\t3\tРайон Адыгеи\t");
    const ProcessRun list = runStavor(QStringList{"reference-list"} + at);
    EXPECT_EQ(list.out.first(), "Кодификатор РАЙОНОВ");
    EXPECT_EQ(list.out.size(), 2 + 4);
    EXPECT_EQ(runStavor(QStringList{"reference-list", "--home", home.path(), "--book", "nosuch"}).exitCode, 2);
}

} // namespace

namespace {

TEST(ImportFarmWorkbookCommandTest, ReportsEachPageAndExitsByTheOutcome) {
    TempProgramFolder home;
    home.addDemoFarms();
    ASSERT_EQ(runStavor(QStringList{"farm-workbook", "--blank"} + titleArgs(home)).exitCode, 0);
    const QString good = home.file("good.xlsx");
    const QString broken = home.file("broken.xlsx");
    for (const QString& path : {good, broken})
        ASSERT_TRUE(QFile::copy(home.file("doc/stavor.xlsx"), path));
    QMap<QString, QVariant> values = filledFormValues();
    fillXlsx(good, formCells(values));
    values["TM91"] = "много";
    fillXlsx(broken, formCells(values));

    const ProcessRun run = runStavor({"import-farm-workbook", "--home", home.path(), good});
    EXPECT_EQ(run.exitCode, 0) << run.out.join('\n').toStdString();
    EXPECT_EQ(run.out.at(1), "  Таблица 1: сохранена");
    const ProcessRun twice = runStavor({"import-farm-workbook", "--home", home.path(), good, broken});
    EXPECT_EQ(twice.exitCode, 3);
    EXPECT_TRUE(twice.out.contains("  Таблица 9: не сохранена: лист «table9», ячейка D11 (графа «Реализовано всего, "
                                   "гол.»): значение «много» не подходит, нужно целое число не больше 4 цифр."))
        << twice.out.join('\n').toStdString();
    EXPECT_EQ(twice.out.last(), "Итого: файлов 2, таблиц сохранено 17, не сохранено 1.");
    EXPECT_EQ(runStavor({"import-farm-workbook", "--home", home.path(), home.file("none.xlsx")}).exitCode, 1);
}

} // namespace
