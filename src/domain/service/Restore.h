#pragma once

#include <QString>

class Database;

// Replaces the working database with a copy of source, which must be a working database of this
// program. The current working database is first copied into arch, so the restore itself can be
// undone; that copy's path is returned. The connection is closed while the file is replaced and
// opened again on the restored database.
//
// A file that is no such database (a text file, another program's database, a damaged file) is
// refused with ServiceError before anything changes; the chosen file itself is only read.
QString restoreDatabase(Database& data, const QString& source);

// "Вы действительно хотите восстановиться из " … "?"
QString restoreQuestion(const QString& source);
inline constexpr const char* kRestoredMessage = "БД успешно восстановлена из копии.";
