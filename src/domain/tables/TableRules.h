#pragma once

#include "CellTexts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A message for the user (caption "Информация", one OK button) and the cell whose field takes
// the focus once it is closed; an empty focus leaves the focus where it is.
struct Notice {
    QString message;
    QString focus;
    bool operator==(const Notice&) const = default;
};

// Reads one column of another table's stored row under the same title, as an integer (a missing
// row or an empty column is 0). ReportTableStore::storedInteger is the one the windows pass.
using StoredReader = std::function<qint64(int table, const QString& column)>;

// What a rule may look at: the window's cells and, for cross-table rules, the stored rows.
class RuleContext {
public:
    RuleContext(const CellTexts& cells, StoredReader stored) : cells_(cells), stored_(std::move(stored)) {}
    qint64 integer(const QString& cell) const { return cells_.integer(cell); }
    double decimal(const QString& cell) const { return cells_.decimal(cell); }
    qint64 sum(const QStringList& cells) const { return cells_.sum(cells); }
    qint64 stored(int table, const QString& column) const;

private:
    const CellTexts& cells_;
    StoredReader stored_;
};

// One control-sum rule: when `fails` holds, its message is shown and the focus moves to `focus`.
// A rule that does not block is a warning: it shows its message and the store goes on.
struct Rule {
    std::function<bool(const RuleContext&)> fails;
    QString message;
    QString focus;
    bool blocks = true;
};

// The rule kinds the tables share.
Rule sumAbove(const QStringList& parts, const QString& total, const QString& message, const QString& focus);
Rule sumDiffers(const QStringList& parts, const QString& total, const QString& message, const QString& focus);
Rule cellAbove(const QString& cell, const QString& limit, const QString& message, const QString& focus);
// Fails when `count` is above 0 and `value` is 0.
Rule zeroWithCount(const QString& count, const QString& value, const QString& message, const QString& focus);
// Fails when `count` is above 0 and `value` lies outside low … high (both ends allowed).
Rule outOfRangeWithCount(const QString& count, const QString& value, qint64 low, qint64 high,
                         const QString& message, const QString& focus);

// "Сумма по первой строке неверна." … for rows 1 to 11, the same for columns.
QString rowSumMessage(int row);
QString columnSumMessage(int column);
