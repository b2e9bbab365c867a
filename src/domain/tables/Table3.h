#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 3: cows by live weight at grading. Row 4's head total, class-1 count and average live
// weight are computed when the user leaves the fields they depend on.
const TableDefinition& table3();
CheckResult ControlSumTable3(CellTexts& cells);

// TM339 = TM309 + TM319 + TM329.
void ItogoKorov3(CellTexts& cells);
// TM331 = TM301 + TM311 + TM321; with cows, TM340 = their mean live weight weighted by head.
void ItogoSredGivMassa1Korovy3(CellTexts& cells);
