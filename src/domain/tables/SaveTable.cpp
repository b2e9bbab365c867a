#include "SaveTable.h"

SaveOutcome saveTable(const TableDefinition& table, CellTexts& cells, ReportTableStore& store, StoreMode mode) {
    SaveOutcome outcome{runCheck(table, cells, store.storedReader()), {}};
    if (outcome.check.passed)
        outcome.storeMessage = store.store(table, cells, mode);
    return outcome;
}
