#pragma once

#include <QString>

struct sqlite3;

// LIKE as the names need it: case-insensitive for every alphabet, Cyrillic included
// (SQLite's own LIKE folds only ASCII letters). '%' and '_' keep their meaning.
// A LIKE pattern (with escape '\\') that matches exactly the name, whatever '%' or '_' it holds:
// a case-insensitive equality.
QString likeExactly(QString name);
bool unicodeLike(const QString& pattern, const QString& text, QChar escape = QChar());
void installUnicodeLike(sqlite3* handle);
