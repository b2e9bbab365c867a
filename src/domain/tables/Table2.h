#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 2: age structure of the graded cows and breeding bulls. The totals are entered, not
// computed, and must equal their rows.
const TableDefinition& table2();
CheckResult ControlSumTable2(CellTexts& cells);
