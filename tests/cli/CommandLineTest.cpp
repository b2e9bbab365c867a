#include "StavorProcess.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");

TEST(CommandLineTest, HelpAndVersionAnswerWithoutAWindow) {
    // No display at all: a command must not need one.
    qunsetenv("DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    const ProcessRun help = runStavor({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.join('\n').contains("Команды:"));
    EXPECT_TRUE(help.out.join('\n').contains("totals"));

    const ProcessRun totalsHelp = runStavor({"help", "totals"});
    EXPECT_EQ(totalsHelp.exitCode, 0);
    EXPECT_TRUE(totalsHelp.out.first().startsWith("Использование: stavor totals --home КАТАЛОГ"));

    EXPECT_EQ(runStavor({"--version"}).out, QStringList{"stavor " STAVOR_VERSION_TEXT});

    QTemporaryDir home;
    const ProcessRun totals = runStavor({"totals", "--home", home.path(), "--region", kRegion, "--year", "2026"});
    EXPECT_EQ(totals.exitCode, 0) << totals.err.toStdString();
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

TEST(CommandLineTest, HomeWithEqualsSignIsTheProgramFolder) {
    QTemporaryDir parent;
    const QString home = parent.filePath("папка");
    const ProcessRun run = runStavor({"totals", "--home=" + home, "--region", kRegion, "--year", "2026"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(home).filePath("stavor.mdb")));
}

struct UsageCase {
    QStringList arguments;
    const char* errorPart;
};

TEST(CommandLineTest, BadUsageExitsWithTwoAndTouchesNoFolder) {
    QTemporaryDir parent;
    const QString a = parent.filePath("a");
    const QString b = parent.filePath("b");
    const UsageCase cases[] = {
        {{"totals", "--home", "", "--region", kRegion, "--year", "2026"}, "пусто"},
        {{"totals", "--home=", "--region", kRegion, "--year", "2026"}, "пусто"},
        {{"totals", "--home", a, "--home", b, "--region", kRegion, "--year", "2026"}, "указан дважды"},
        {{"totals", "--home"}, "нужно значение"},
        {{"totals", "--home", a, "--export=yes"}, "не принимает значения"},
        {{"nosuch"}, "Неизвестная команда «nosuch»"},
        {{"help", "nosuch"}, "Неизвестная команда «nosuch»"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProcessRun run = runStavor(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.errorPart))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_FALSE(QFileInfo::exists(b));
}

} // namespace
