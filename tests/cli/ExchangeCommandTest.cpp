#include "FarmRows.h"
#include "SourceFiles.h"
#include "StavorProcess.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ExchangeCommandTest, SendPrintsTheLinesAndWritesTheFile) {
    TempProgramFolder home;
    home.addDemoFarms();
    storeFarmRow(home.db(), 6, FarmTitle{});
    const ProcessRun run = runStavor({"send", "--home", home.path()});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), 12);
    EXPECT_EQ(run.out.at(7), "В таблицу tmjs6 добавлено 1 записей.2026г.");
    const QStringList files = QDir(home.file("out")).entryList({"56stavor*.mdb"});
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(run.out.last(), "Не забудьте отправить файл " + QDir::toNativeSeparators(home.file("out/" + files.first())) + ".");
}

TEST(ExchangeCommandTest, SendWithoutSettingsFailsInRussian) {
    TempProgramFolder home;
    const ProcessRun run = runStavor({"send", "--home", home.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("Программа не настроена")) << run.err.toStdString();
}

TEST(ExchangeCommandTest, ReceivePrintsTheLinesAndTellsRefusedFilesByExitCode) {
    TempProgramFolder home;
    writeSqliteSource(home.file("in/a.mdb"), incomingBooks());
    const ProcessRun good = runStavor({"receive", "--home", home.path()});
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_EQ(good.out.size(), 8);
    EXPECT_EQ(good.out.at(7), "В таблицу kodkb добавлено 1 записей.");

    QList<SourceTableRows> books = incomingBooks();
    books.removeLast();
    writeSqliteSource(home.file("in/b.mdb"), books);
    const ProcessRun partly = runStavor({"receive", "--home=" + home.path()});
    EXPECT_EQ(partly.exitCode, 3);
    EXPECT_EQ(partly.out.size(), 10);
    EXPECT_TRUE(partly.out.last().contains("нет таблицы kodkb")) << partly.out.last().toStdString();
    EXPECT_TRUE(partly.err.contains("Не приняты файлы: b.mdb.")) << partly.err.toStdString();
}

} // namespace
