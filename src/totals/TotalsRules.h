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
    // The aggregate over a level's rows. Empty cells count as 0 and means are computed in floating
    // point with 0 for a zero divisor.
    QString aggregateSql() const;
};

// The rules of every data column of report table 1 … 9, in column order.
QList<TotalsColumnRule> totalsColumnRules(int table);
