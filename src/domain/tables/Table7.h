#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 7: height at the sacrum of bull calves and heifers by age. Each group's total head and
// average height are computed when the user leaves the fields they depend on, and again after
// the check.
const TableDefinition& table7();
CheckResult ControlSumTable7(CellTexts& cells);

// TM7b09 = TM7b01 + TM7b03 + TM7b05 + TM7b07; with calves, TM7b10 = their mean height weighted by head.
void ItogoSredVysotaBychka7(CellTexts& cells);
// The same on the heifers' cells TM7t11 … TM7t20.
void ItogoSredVysotaTelki7(CellTexts& cells);
