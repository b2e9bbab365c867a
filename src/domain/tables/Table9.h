#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 9: class composition of the breeding young stock sold. Besides its own rules, its check
// warns where the stored Tables 1 to 5 of the title disagree; the warnings never stop the store.
const TableDefinition& table9();
CheckResult ControlSumTable9(CellTexts& cells, const StoredReader& stored);

// The total row: TM97 = TM91 + TM94, TM99 = TM93 + TM96, TM98 = TM92 + TM95. An empty cell counts
// as 0 and stays empty (the routine runs no blank-to-zero pass).
void Itogo9(CellTexts& cells);
