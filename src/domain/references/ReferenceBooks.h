#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A column of the reference-book grid: the result field, its width in characters and caption.
struct BookColumn {
    QString field;
    int width;
    QString caption;
};

// A statement whose fields the grid shows, in the statement's order. Fields are named uniquely
// ("spobl.im" and "kodra.im" are aliases), so a row can be read by name.
struct BookView {
    QString query;
    QList<BookColumn> columns;
};

// How a book's rows may be changed. Codes must be whole numbers and are never empty; the key
// names one row; `parent` is the key of the row it belongs to in `parentTable`
// (a district's region, a farm's district).
struct BookEditing {
    QStringList columns;      // the stored columns a person types, in grid order
    QStringList codes;        // whole-number columns among them
    QStringList key;          // the full key
    QString parentTable;      // empty: belongs to nothing
    QStringList parentKey;    // columns of this table …
    QStringList parentColumns; // … matching these of parentTable
    QString parentMissing;    // the message when no parent row exists
    QString addQuery;         // districts and farms change views before adding and editing
    QList<BookColumn> addColumns;
};

// One of the nine reference books of the reference-book window.
struct ReferenceBook {
    int tag;                  // 1 … 9
    QString table;            // the stored table, also the name of its report
    QString caption;
    BookView view;
    QString prompt;           // empty: the prompt is not set
    QString searchColumn;
    bool editable = false;    // add, edit and delete shown
    BookEditing editing;
    BookView afterDelete;     // the view a delete reloads (the book's view when empty)
};

// In menu order, tags 1 … 9.
const QList<ReferenceBook>& referenceBooks();
// By table name ("kodra"), without regard to case; nullptr when there is none.
const ReferenceBook* findReferenceBook(const QString& table);
