#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QString>

class SqlEngine;

enum class TitleChangeOutcome {
    Changed,   // the table's row now has the new title
    Missing,   // the table has no row with the old title
    Duplicate, // the table has a row with the new title already; nothing changed
};

struct TableTitleChange {
    int table;
    TitleChangeOutcome outcome;
    QString message() const; // the message for the user, naming the data table
};

// Moves the table's row from the old title to the new one in a transaction of its own; data
// columns, send and datesend stay as they are. A row of the new title already stored is the
// Duplicate outcome; any other engine error is thrown. A change of several tables calls this per
// table, so each table keeps its change whatever happens to the next.
TableTitleChange changeTableTitle(SqlEngine& db, int table, const TableTitle& from, const TableTitle& to);

// The names of a title as the title editing window shows them.
struct TitleNamesShown {
    QString region, district, farm, category, breed, year;
};
// The question before all nine tables are changed.
QString allTablesQuestion(const TitleNamesShown& from, const TitleNamesShown& to);
