#include "TableCheckCase.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/Table1.h"
#include "domain/tables/Table2.h"
#include "domain/tables/Table3.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

using Values = std::map<QString, int>;

struct CheckCase {
    const char* name;
    Values values; // every other field is left empty
    QStringList messages;
    const char* focus;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

void expectCheck(CheckResult (*check)(CellTexts&), const CheckCase& c) {
    CellTextMap texts;
    for (const auto& [cell, value] : c.values)
        texts[cell] = QString::number(value);
    ::expectCheck(check, texts, c.messages, c.focus);
}

const QString row1 = QStringLiteral("Сумма по первой строке неверна.");
const QString row2 = QStringLiteral("Сумма по второй строке неверна.");
const QString row4 = QStringLiteral("Сумма по четвертой строке неверна.");
const QString col1 = QStringLiteral("Сумма по первой колонке неверна.");
const QString col5 = QStringLiteral("Сумма по пятой колонке неверна.");
const QString col6 = QStringLiteral("Сумма по шестой колонке неверна.");
const QString col7 = QStringLiteral("Сумма по седьмой колонке неверна.");

class ControlSumTable1Test : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ControlSumTable1Test, EvaluatesEveryRuleInOrder) { expectCheck(ControlSumTable1, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlSumTable1Test,
    ::testing::Values(
        CheckCase{"all empty", {}, {}, ""},
        CheckCase{"row 2 over its total",
                  {{"TM101", 20}, {"TM102", 6}, {"TM103", 5}, {"TM108", 10}, {"TM109", 6}, {"TM110", 5}},
                  {row2},
                  "TM108"},
        CheckCase{"column equal to its total",
                  {{"TM101", 10}, {"TM108", 4}, {"TM115", 3}, {"TM122", 2}, {"TM129", 1}},
                  {},
                  ""},
        CheckCase{"column one over its total",
                  {{"TM101", 10}, {"TM108", 4}, {"TM115", 3}, {"TM122", 2}, {"TM129", 2}},
                  {col1},
                  "TM101"},
        CheckCase{"purity below the total", {{"TM101", 10}, {"TM102", 3}, {"TM106", 10}}, {}, ""},
        CheckCase{"purity and class both over: one message", {{"TM101", 5}, {"TM102", 6}, {"TM105", 6}}, {row1},
                  "TM101"},
        CheckCase{"rules 1, 6 and 12: focus on the last",
                  {{"TM101", 5}, {"TM102", 6}, {"TM108", 6}, {"TM114", 1}},
                  {row1, col1, col7},
                  "TM107"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

class ControlSumTable2Test : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ControlSumTable2Test, TotalsMustEqualTheirRows) { expectCheck(ControlSumTable2, GetParam()); }

const Values kCows = {{"TM201", 5}, {"TM202", 5}, {"TM203", 5}, {"TM204", 5}, {"TM205", 5}, {"TM206", 5}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlSumTable2Test,
    ::testing::Values(CheckCase{"all empty", {}, {}, ""},
                      CheckCase{"total equal", with(kCows, {{"TM207", 30}}), {}, ""},
                      CheckCase{"total one over", with(kCows, {{"TM207", 31}}), {row1}, "TM207"},
                      CheckCase{"total one under", with(kCows, {{"TM207", 29}}), {row1}, "TM207"},
                      CheckCase{"total left empty", kCows, {row1}, "TM207"},
                      CheckCase{"both rows wrong", with(kCows, {{"TM208", 1}}), {row1, row2}, "TM214"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

class ControlSumTable3Test : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ControlSumTable3Test, RowsColumnsAndWeights) { expectCheck(ControlSumTable3, GetParam()); }

// 10 cows of 2–3 years (450 kg) and 30 of 4 years (520 kg), no older cows: every rule holds.
const Values kHerd = {{"TM301", 10}, {"TM305", 10}, {"TM309", 4},  {"TM310", 450},
                      {"TM311", 30}, {"TM316", 30}, {"TM319", 20}, {"TM320", 520},
                      {"TM331", 40}, {"TM335", 10}, {"TM336", 30}, {"TM339", 24}, {"TM340", 502}};

const QString correctWeight = QStringLiteral("Исправьте сред. живую массу.");
const QString weightRange = QStringLiteral("Неправильная живая масса 1 гол. Должно быть от 300 до 1500.");
const QString classAbove = QStringLiteral("Число в колонке 9 не может превышать число в колонке 1.");

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlSumTable3Test,
    ::testing::Values(
        CheckCase{"all empty", {}, {}, ""}, CheckCase{"consistent herd", kHerd, {}, ""},
        CheckCase{"cows without weight", with(kHerd, {{"TM310", 0}}), {correctWeight, weightRange}, "TM310"},
        CheckCase{"weight 300", with(kHerd, {{"TM320", 300}}), {}, ""},
        CheckCase{"weight 1500", with(kHerd, {{"TM320", 1500}}), {}, ""},
        CheckCase{"weight 299", with(kHerd, {{"TM310", 299}}), {weightRange}, "TM310"},
        CheckCase{"weight 1501", with(kHerd, {{"TM320", 1501}}), {weightRange}, "TM320"},
        CheckCase{"herd average has no range", with(kHerd, {{"TM340", 9999}}), {}, ""},
        CheckCase{"herd average 0", with(kHerd, {{"TM340", 0}}), {correctWeight}, "TM340"},
        CheckCase{"class-1 count above the cows", with(kHerd, {{"TM309", 11}}), {classAbove}, "TM309"},
        CheckCase{"herd weight classes left 0", with(kHerd, {{"TM335", 0}, {"TM336", 0}}), {row4, col5, col6},
                  "TM336"},
        CheckCase{"herd total typed as 0", with(kHerd, {{"TM331", 0}}), {row4, col1, classAbove}, "TM339"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
