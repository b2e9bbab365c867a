#include "FieldGuards.h"

QList<Notice> guardByRule(const Rule& rule, const CellTexts& cells) {
    if (rule.fails(RuleContext(cells, {})))
        return {Notice{rule.message, rule.focus}};
    return {};
}
