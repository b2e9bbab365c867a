#pragma once

#include "ControlSums.h"
#include "ReportTableStore.h"

// What Save did: the check's notices (shown first, in order) and, when the check passed, the
// store's message. The entry window then shows the page of tableAfterStore(); the correction
// window closes.
struct SaveOutcome {
    CheckResult check;
    QString storeMessage;
};

// Check, then store when every blocking rule holds. Cross-table rules read through `store`.
SaveOutcome saveTable(const TableDefinition& table, CellTexts& cells, ReportTableStore& store, StoreMode mode);
