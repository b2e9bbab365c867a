#pragma once

#include "ControlSums.h"
#include "Rounding.h"
#include "TableDefinition.h"

// Table 6: young stock by live weight, bull calves and heifers in five age groups and in total.
// The total row is computed; the check recomputes it after the rules whatever their outcome, so
// the stored totals are always fresh ones.
const TableDefinition& table6();
// The same table with its averages made whole another way.
TableDefinition table6Definition(AverageRounding rounding);
CheckResult ControlSumTable6(CellTexts& cells);

// Bulls' total row: head TM6b16, class 1+ TM6b17 and, with head, the mean weight TM6b18.
void ItogoSredGivMassa1Bychka6(CellTexts& cells, AverageRounding rounding = AverageRounding::HalfEven);
// Heifers' total row: TM6t34, TM6t35 and TM6t36 the same way.
void ItogoSredGivMassa1Telki6(CellTexts& cells, AverageRounding rounding = AverageRounding::HalfEven);
