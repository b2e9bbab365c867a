#include "FileStamp.h"

QString minuteStamp(const QDateTime& when) { return when.toString(QStringLiteral("ddMMyyhhmm")); }
