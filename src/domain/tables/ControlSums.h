#pragma once

#include "TableRules.h"

struct TableDefinition;

// The outcome of a table's control-sum check. The window shows the notices in order through the
// dialog service, moving the focus after each one that names a field, so the focus ends on the
// field of the last failed rule; it stores only when `passed`.
struct CheckResult {
    bool passed = true;
    QList<Notice> notices;
    // The cell of the last notice that names one; empty when none does.
    QString focus() const;
};

// Blank-to-zero pass, then every rule of the table in order and its cross-table rules (a failed
// rule does not stop the others), then the table's afterRules. A cell that cannot be read throws CellConversionError.
CheckResult runCheck(const TableDefinition& table, CellTexts& cells, const StoredReader& stored = {});
