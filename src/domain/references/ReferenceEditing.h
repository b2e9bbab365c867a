#pragma once

#include "ReferenceBooks.h"
#include "domain/db/SqlResult.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

class SqlEngine;

// A row the book refuses (an empty or malformed code, a key that exists, a parent that does
// not); the text says what in Russian. Nothing of the row is stored.
class ReferenceError : public std::runtime_error {
public:
    explicit ReferenceError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The rows of a view.
SqlResult openBookView(SqlEngine& db, const BookView& view);
// What the grid shows while adding and editing: the book's own view for the books edited in
// place, the stored columns for districts and farms.
QList<BookColumn> editingColumns(const ReferenceBook& book);
// The rows Edit shows: the one row of `key` for districts and farms, the book's view for the others.
SqlResult openEditRows(SqlEngine& db, const ReferenceBook& book, const QStringList& key);

// The index of the first row whose search column equals the trimmed text regardless of case;
// -1 when none does.
int searchBookRow(const SqlResult& rows, const ReferenceBook& book, const QString& text);
// The values of the book's full key in one row of a view.
QStringList bookRowKey(const ReferenceBook& book, const SqlRow& row);

// values: the texts of book.editing.columns, in that order. Checked and stored in one transaction.
void addBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& values);
// Replaces the row of the full key `key`.
void updateBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& key, const QStringList& values);
// Deletes the row of the full key; returns whether one was there.
bool deleteBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& key);
