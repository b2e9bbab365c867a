#pragma once

#include <QList>
#include <QString>

// How one data column of a total row is made from the farm rows of a level.
struct TotalsColumnRule {
    // One weighted part of a mean: sum(value·weight) over the rows; weight is an SQL expression.
    struct Term {
        QString value;
        QString weight;
    };

    QString column;
    QList<Term> meanTerms; // empty: the column is summed

    bool isMean() const { return !meanTerms.isEmpty(); }
    // The farm rows are summed once per category and breed; every level then adds up these parts.
    // A part is the column's sum, or a mean's numerator (column_n) and divisor (column_d).
    // Empty cells count as 0.
    QString partsSql() const;
    // The same parts of one row on its own, without grouping: a total row is already one category
    // and breed, so the export takes its parts straight from it.
    QString rowPartsSql() const;
    // The value of a level from its parts: means in floating point, 0 for a zero divisor.
    QString levelSql() const;
};

// The rules of every data column of report table 1 … 9, in column order.
QList<TotalsColumnRule> totalsColumnRules(int table);
