#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 8: height at the sacrum of adult bulls and cows by age, the shape of Table 7.
const TableDefinition& table8();
CheckResult ControlSumTable8(CellTexts& cells);

// TM8b09 = TM8b01 + TM8b03 + TM8b05 + TM8b07; with bulls, TM8b10 = their mean height weighted by head.
void ItogoSredVysotaByka8(CellTexts& cells);
// The same on the cows' cells TM8k11 … TM8k20.
void ItogoSredVysotaKor8(CellTexts& cells);
