#pragma once

#include <QDateTime>
#include <QString>

// The ten digits that date a file's name: day, month, two-digit year, hour, minute.
QString minuteStamp(const QDateTime& when);
