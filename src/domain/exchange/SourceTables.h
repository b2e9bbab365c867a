#pragma once

#include "TableSource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

// How a column's value is taken from a source, whatever the source stores: codes by their
// numeric value ("07" is 7), texts as written, data values as numbers, flags as flags.
enum class ValueKind { Code, Text, Number, Flag };

struct SourceColumn {
    QString name;
    ValueKind kind;
};

// A table as it is read from a source: the columns taken and the key columns that identify a row.
struct SourceTableSpec {
    QString name;
    QStringList keys;
    QList<SourceColumn> columns;

    QStringList columnNames() const;
};

// One source row with its values converted, numbered from 1 in the source's order. `problem`
// says why the row cannot be taken (empty when it can).
struct SourceRow {
    int number = 0;
    QVariantList values;
    QString problem;
};

// Refuses a source that lacks any of the tables or columns, naming all that are missing.
void requireLayout(TableSource& source, const QList<SourceTableSpec>& tables);

// Every row of the table, converted by the column kinds.
std::vector<SourceRow> readRows(TableSource& source, const SourceTableSpec& table);

// "в таблице T, строка N: …": where a refused row is, for messages.
QString rowPlace(const SourceTableSpec& table, const SourceRow& row);
