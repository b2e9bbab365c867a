#pragma once

#include <QString>

// Where the totals computation writes its log lines: the totals window's memo, the console.
class TotalsLog {
public:
    virtual ~TotalsLog() = default;
    virtual void logLine(const QString& line) = 0;
};
