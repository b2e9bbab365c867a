#pragma once

#include <QString>
#include <QStringList>

// One run of the built program's `stavor totals …`, as a user's script would start it.
struct ProcessRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

ProcessRun runTotals(const QStringList& arguments);
