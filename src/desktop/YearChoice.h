#pragma once

#include <QStringList>

// The years a year list offers: from the first bonitations kept here up to five years ahead.
QStringList bonitationYears();
