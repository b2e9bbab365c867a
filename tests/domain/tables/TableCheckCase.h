#pragma once

#include "CaseValues.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ControlSums.h"
#include "domain/tables/ReportTables.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>

// One row of a table of control-sum cases: the texts typed (every other field left empty), the
// messages expected in order and the field that ends with the focus.
using CellTextMap = std::map<QString, QString>;

struct TableCheckCase {
    const char* name;
    CellTextMap texts;
    QStringList messages;
    const char* focus;
};

inline void PrintTo(const TableCheckCase& c, std::ostream* os) { *os << c.name; }

inline void fill(CellTexts& cells, const CellTextMap& texts) {
    for (const auto& [cell, text] : texts)
        cells.setText(cell, text);
}

inline void expectCheck(CheckResult (*check)(CellTexts&), const CellTextMap& texts, const QStringList& expected,
                        const char* focus) {
    CellValues cells(reportTables());
    fill(cells, texts);
    const CheckResult result = check(cells);
    QStringList messages;
    for (const Notice& n : result.notices)
        messages << n.message;
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(result.passed, expected.isEmpty());
    EXPECT_EQ(result.focus(), QString::fromUtf8(focus));
}

inline void expectCheck(CheckResult (*check)(CellTexts&), const TableCheckCase& c) {
    expectCheck(check, c.texts, c.messages, c.focus);
}
