#include "ControlSums.h"

#include "TableDefinition.h"

QString CheckResult::focus() const {
    for (auto it = notices.crbegin(); it != notices.crend(); ++it)
        if (!it->focus.isEmpty())
            return it->focus;
    return {};
}

CheckResult runCheck(const TableDefinition& table, CellTexts& cells, const StoredReader& stored) {
    cells.blankToZero();
    CheckResult result;
    const RuleContext context(cells, stored);
    for (const Rule& rule : table.rules + table.crossTableRules) {
        if (!rule.fails(context))
            continue;
        result.notices << Notice{rule.message, rule.focus};
        if (rule.blocks)
            result.passed = false;
    }
    if (table.afterRules)
        table.afterRules(cells);
    return result;
}
