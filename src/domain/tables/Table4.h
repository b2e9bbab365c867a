#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 4: cows by milkiness (the live weight of their calves), by calving and breed purity.
// No computed cells and no rules: the check is only the blank-to-zero pass.
const TableDefinition& table4();
CheckResult ControlSumTable4(CellTexts& cells);
