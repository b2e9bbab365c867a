#pragma once

#include "TableDefinition.h"

// The shape Tables 7 and 8 share: two groups of animals, each with head and average height at the
// sacrum in four age rows and a total row whose cells are computed.

// One group's ten cells, numbered from `first`: head and height of the four age rows, then the
// total head and the total average height.
struct HeightGroup {
    QString prefix;    // "TM7b"
    int first;         // 1 or 11
    CellMask headMask; // of the age rows' head cells

    // Row 0 … 3 are the age rows, row 4 the total.
    QString head(int row) const;
    QString height(int row) const;
    QStringList ageHeads() const;
};

struct HeightTableShape {
    int number;
    QString pageName;
    QString tabCaption;
    PageHeading heading;
    QString groupCaptions[2]; // painted over each group's columns
    QString ageRowCaptions[4];
    HeightGroup groups[2];
    // What leaving a group's total average height checks before the recompute.
    Rule (*totalAverageGuard)(const HeightGroup& group);
};

TableDefinition heightTable(const HeightTableShape& shape);

// After the blank-to-zero pass: the group's total head and, when it is not 0, its average height
// weighted by head.
void writeHeightTotals(CellTexts& cells, const HeightGroup& group);

// The message of a height left 0 while its row has head.
QString zeroHeightMessage();
