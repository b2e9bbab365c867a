#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 5: bulls by live weight at grading, by age group, with their average weight and score.
// The scores (column 13) are the only one-decimal cells of the report tables. The weight and
// score fields of the age rows have guards on leaving besides the recomputes.
const TableDefinition& table5();
CheckResult ControlSumTable5(CellTexts& cells);

// TM553 = bulls of the four age rows; with bulls, TM564 = their mean live weight weighted by head,
// then the average score as ItogoSredOcenkaByka5.
void ItogoSredGivMassa1Byka5(CellTexts& cells);
// With bulls (TM553 not 0), TM565 = the age rows' scores weighted by head, shown as "00,0".
void ItogoSredOcenkaByka5(CellTexts& cells);
