#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The column captions of the paper form: groups over runs of value columns (first and last
// counted from 1), a caption per value column, and the caption over the row captions.
struct HeaderGroup {
    int first;
    int last;
    QString text;
};

struct HeaderCaptions {
    QString rowCaption;
    QList<HeaderGroup> groups;
    QStringList columns; // Table 9: one caption for every two value columns
};

// The column captions of Table K's paper form, as the totals workbook and the farm workbook print them.
HeaderCaptions headerCaptions(int table);
// The row captions of Table K's form, top to bottom (Table 4: its breeding groups).
QStringList rowCaptions(int table);
