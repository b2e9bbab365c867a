#pragma once

#include <QString>
#include <QStringList>

class Database;

// Replaces the working database with a copy of source, which must be a working database of this
// program. The connection is closed, the current working database moved into arch under an archive
// name (so the restore itself can be undone; its path is returned, empty when there was none) and
// the copy put in its place; the connection is then opened on the restored database. When the copy
// cannot be put in place the current database goes back and ServiceError tells why.
//
// A file that is no such database (a text file, another program's database, a damaged file) is
// refused with ServiceError before anything changes; the chosen file itself is only read.
QString restoreDatabase(Database& data, const QString& source);

// "Вы действительно хотите восстановиться из " … "?"
QString restoreQuestion(const QString& source);
// What the user is told after a restore: where the replaced database is kept, when there was one,
// and "БД успешно восстановлена из копии.".
QStringList restoredMessages(const QString& keptPath);
