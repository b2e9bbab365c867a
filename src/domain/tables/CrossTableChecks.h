#pragma once

#include "TableRules.h"

#include <QList>
#include <QString>
#include <functional>

// One column of a report table's stored row ("tm122" of Table 1).
struct TableColumn {
    int table;
    QString column; // lower case, as the stored rows name it
    QString cell() const { return column.toUpper(); } // the page's cell: "TM122"
};

// A comparison between two report tables of one title: the two sides (columns summed) must be
// equal. The windows check a page against the stored rows with it; the consistency report checks
// the stored rows alone.
struct CrossTableComparison {
    QList<TableColumn> left;
    QList<TableColumn> right;
    QString message;
    bool inCorrection = false;   // the correction window compares its page with it
    bool inTable9Warnings = false; // the entry window's Table 9 warns with it

    bool involves(int table) const;
    // The two tables compared, the left side's first.
    std::pair<int, int> tables() const;
};

// The value of one column: from the page or from a stored row (a missing row counts as 0).
using ColumnReader = std::function<qint64(const TableColumn&)>;

struct ComparedValues {
    qint64 left = 0;
    qint64 right = 0;
    bool differ() const { return left != right; }
};

ComparedValues compareSides(const CrossTableComparison& comparison, const ColumnReader& read);

// Every comparison the program knows, each once, in the order the checks run them.
const QList<CrossTableComparison>& crossTableComparisons();

// The correction window's checks of a page of Tables 1 to 5: the page's own columns read from its
// cells, the other tables' from the stored rows; the focus goes to the page's first compared cell.
// They warn on Tables 1 and 2 and block on Tables 3 to 5.
QList<Rule> correctionCrossTableRules(int table);
// Table 9's warnings in the entry window: stored rows only, no focus, never blocking.
QList<Rule> table9CrossTableWarnings();
