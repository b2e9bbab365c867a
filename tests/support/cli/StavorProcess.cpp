#include "StavorProcess.h"

#include <QProcess>
#include <gtest/gtest.h>

ProcessRun runStavor(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(STAVOR_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

ProcessRun runTotals(const QStringList& arguments) { return runStavor(QStringList{"totals"} + arguments); }
