#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "StavorProcess.h"
#include "XlsxReadBack.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/RegionalTotals.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");

QList<QVariantList> allTotals(SqlEngine& db) {
    QList<QVariantList> rows;
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        for (const SqlRow& row : db.select(QStringLiteral("SELECT * FROM %1 ORDER BY kkhm, porm").arg(Schema::totalsTable(t)))) {
            QVariantList values{t};
            for (int i = 0; i < row.fieldCount(); ++i)
                values << row.value(i);
            rows << values;
        }
    return rows;
}

TEST(TotalsCommandTest, FreshFolderIsPreparedAndReportsNoData) {
    QTemporaryDir parent;
    const QString home = parent.filePath("новая папка");
    const ProcessRun run = runTotals({"--home", home, "--region", kRegion, "--year", "2026"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), Schema::kReportTableCount + 1);
    EXPECT_EQ(run.out.first(), "В итоговую таблицу 1 не добавлено записей.");
    EXPECT_EQ(run.out.last(), "Для Оренбургская область нет данных.");
    for (const char* entry : {"stavor.mdb", "stavorblank.mdb", "in", "out", "arch", "doc"})
        EXPECT_TRUE(QFileInfo::exists(QDir(home).filePath(entry))) << entry;
}

TEST(TotalsCommandTest, GivesTheSameLinesAndRowsAsTheWindowsComputation) {
    TempProgramFolder home;
    storeFarmRow(home.db(), 1, FarmTitle{}, {{"tm101", 4}});
    storeFarmRow(home.db(), 4, FarmTitle{.khm = 2, .kkhm = 11}, {{"tm402", 3}, {"tm403", 450}});
    storeFarmRow(home.db(), 4, FarmTitle{.khm = 3}, {{"tm402", 1}, {"tm403", 500}});
    RecordedLog log;
    computeRegionalTotals(home.db(), kRegion, "2026", log);
    const QList<QVariantList> inProcess = allTotals(home.db());
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        home.db().execute(QStringLiteral("DELETE FROM ") + Schema::totalsTable(t));

    const ProcessRun run = runTotals({"--home", home.path(), "--region", kRegion, "--year", "2026"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, log.lines);
    EXPECT_TRUE(run.out.contains("В итоговую таблицу 1 добавлено 5 записей."));
    EXPECT_TRUE(run.out.contains("В итоговую таблицу 4 добавлено 8 записей."));
    EXPECT_EQ(allTotals(home.db()), inProcess);
    EXPECT_EQ(totalRow(home.db(), 4, 0, 0).text("tm403"), "462.5");
}

struct FailingCase {
    QStringList arguments;
    const char* errorPart;
};

TEST(TotalsCommandTest, ErrorsExitNonZeroWithTheirMessage) {
    TempProgramFolder home;
    storeFarmRow(home.db(), 1, FarmTitle{}, {{"tm101", 4}});
    const QStringList at{"--home", home.path()};
    const FailingCase cases[] = {
        {at + QStringList{"--region", "Атлантида", "--year", "2026"}, "Регион «Атлантида» не найден"},
        {at + QStringList{"--region", kRegion, "--year", "20x6"}, "Год «20x6» указан неверно"},
        {at + QStringList{"--region", kRegion}, "Нужно выбрать регион и год!"},
        {at + QStringList{"--region", kRegion, "--year", "2026", "--yaer", "2025"}, "Использование: stavor totals"},
        {at + QStringList{"--region", kRegion, "--year", "2026", "extra"}, "Использование: stavor totals"},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProcessRun run = runTotals(c.arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.errorPart))) << run.err.toStdString();
    }
    EXPECT_TRUE(home.db().select("SELECT * FROM stmjs1").isEmpty()) << "a refused run changes nothing";
}

TEST(TotalsCommandTest, ExportWritesTheWorkbookOfTheSaveButton) {
    TempProgramFolder home;
    home.addDemoFarms();
    storeFarmRow(home.db(), 1, FarmTitle{.khm = 1, .kkhm = 22, .porm = 2}, {{"tm101", 10}});
    storeFarmRow(home.db(), 3, FarmTitle{.khm = 3, .kkhm = 12, .porm = 2}, {{"tm301", 30}, {"tm310", 500}});
    RecordedLog log;
    computeRegionalTotals(home.db(), kRegion, "2026", log);
    const Workbook book = buildTotalsWorkbook(home.db(), kRegion, "2026", log);
    QTemporaryDir dir;
    const QString inProcess = dir.filePath("outstavor.xlsx");
    saveXlsx(book, inProcess);

    const ProcessRun run = runTotals({"--home", home.path(), "--region", kRegion, "--year", "2026", "--export"});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, log.lines);
    const QString written = QDir(ProgramPaths::doc(home.path())).filePath("outstavor.xlsx");
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(readXlsx(written), readXlsx(inProcess));
}

} // namespace
