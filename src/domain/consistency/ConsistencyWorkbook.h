#pragma once

#include "ConsistencyCheck.h"

class Workbook;

inline constexpr const char* kConsistencyWorkbookFile = "check.xlsx";

// The findings as a workbook: a heading naming the region and year, the count, the column
// captions, then one row a finding (the two values as numbers).
Workbook consistencyWorkbook(const ConsistencyReport& report, const QString& regionName, const QString& year);
