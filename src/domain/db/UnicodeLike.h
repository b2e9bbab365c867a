#pragma once

#include <QString>

struct sqlite3;

// LIKE as the names need it: case-insensitive for every alphabet, Cyrillic included
// (SQLite's own LIKE folds only ASCII letters). '%' and '_' keep their meaning.
bool unicodeLike(const QString& pattern, const QString& text, QChar escape = QChar());
void installUnicodeLike(sqlite3* handle);
// The pattern for "like ? escape '\\'" that matches name itself, '%' and '_' included: a
// case-insensitive equality.
QString exactLikePattern(QString name);
