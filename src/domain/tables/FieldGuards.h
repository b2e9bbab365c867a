#pragma once

#include "TableRules.h"

// Leave guards that warn exactly as a control-sum rule does: the rule's notice when it fails on
// the cells now, none otherwise. Sharing the rule keeps the guard and the check from drifting apart.
QList<Notice> guardByRule(const Rule& rule, const CellTexts& cells);
