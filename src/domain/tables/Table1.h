#pragma once

#include "ControlSums.h"
#include "TableDefinition.h"

// Table 1: breed and class composition of the graded cattle. No computed cells.
const TableDefinition& table1();
CheckResult ControlSumTable1(CellTexts& cells);
