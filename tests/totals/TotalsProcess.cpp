#include "TotalsProcess.h"

#include <QProcess>
#include <gtest/gtest.h>

ProcessRun runTotals(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(STAVOR_EXECUTABLE), QStringList{"totals"} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}
