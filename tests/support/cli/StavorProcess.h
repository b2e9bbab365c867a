#pragma once

#include <QString>
#include <QStringList>

// One run of the built program's `stavor …`, as a user's script would start it.
struct ProcessRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

ProcessRun runStavor(const QStringList& arguments);
// `stavor totals …`
ProcessRun runTotals(const QStringList& arguments);
