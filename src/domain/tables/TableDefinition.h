#pragma once

#include "CellMask.h"
#include "TableRules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Everything a page of the entry or correction window needs to show and run one report table.
// Positions are pixels on the page, as the paper form's layout fixes them: the fields line up
// under the painted header only when both are placed exactly.

// One input field: column name ("TM101"; the field is fieldName(name), "meTM101"), mask,
// top-left corner, size and tab order (the window chains fields by ascending tabOrder).
struct CellDefinition {
    QString name;
    CellMask mask;
    int x;
    int y;
    int width;
    int tabOrder;
    int height = 21;
    bool readOnly = false;
};

// Painted in black with a solid pen of width 1, in the coordinates of its picture.
struct PaintedLine {
    int x1, y1, x2, y2;
    static PaintedLine horizontal(int y, int x1, int x2) { return {x1, y, x2, y}; }
    static PaintedLine vertical(int x, int y1, int y2) { return {x, y1, x, y2}; }
};

// (x, y) is the top-left corner of the text, as a canvas places text; texts keep their blanks.
struct PaintedText {
    int x, y;
    QString text;
};

// A picture area of the page (column header or row captions): placed at (x, y) on the page,
// width × height pixels, repainted with its lines and texts every time the page is loaded.
struct PaintedPicture {
    int x, y, width, height;
    QList<PaintedLine> lines;
    QList<PaintedText> texts;
};

// A plain label on the page (row captions that are not painted).
struct PageLabel {
    int x, y;
    QString text;
};

// The heading row: the heading text, the year label, the word "ГОДУ" and the table's name
// ("Таблица K"), each at its own x, all at one y.
struct PageHeading {
    QString text;
    int textX;
    int yearX;
    int yearWordX;
    int tableNameX;
    int y;
};

// What leaving one of `fields` runs: a recompute, possibly with a guard that shows messages
// and moves the focus (the window shows each notice and then focuses its field).
struct FieldAction {
    QStringList fields;
    std::function<QList<Notice>(CellTexts&)> run;
};

struct TableDefinition {
    int number = 0;          // 1 … 9
    QString pageName;        // "TabSheet1"; pages 7 to 9 hold Tables 9, 7, 8 by name
    QString tabCaption;      // "Таблица 1", " Таблица 2" (with its leading blank), …
    PageHeading heading;
    QList<PaintedPicture> pictures;
    QList<PageLabel> labels;
    QList<CellDefinition> cells; // in column order of the data table
    int buttonsY = 0;            // the row of Save, Cancel, To spreadsheet, Print, Close
    QList<FieldAction> leaveActions;
    QList<FieldAction> changeActions; // run at every edit of a listed field, instead of on leaving
    QList<Rule> rules;           // the control-sum rules, in the order they are evaluated
    QList<Rule> crossTableRules; // comparisons with the title's other stored tables, after the rules
    std::function<void(CellTexts&)> afterRules; // runs after the rules whatever their outcome

    QString dataTable() const;   // "tmjs1"
    QString tableName() const;   // "Таблица 1"
    bool hasDateSend() const;
    QStringList cellNames() const;
    const CellDefinition& cell(const QString& name) const;
    // Runs every action that lists the cell, in list order; returns their notices.
    QList<Notice> leave(const QString& cell, CellTexts& cells) const;
    QList<Notice> change(const QString& cell, CellTexts& cells) const;
};

// Cell names prefix + number: cellSeries("TM3", 2, 8) is TM302 … TM308.
QStringList cellSeries(const QString& prefix, int from, int to, int step = 1, int width = 2);
// A leave action that only recomputes.
FieldAction recomputeOnLeaving(const QStringList& fields, void (*routine)(CellTexts&));
