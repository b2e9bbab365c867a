#pragma once

#include <QString>
#include <QStringList>

class Database;

// The tables cleaning may empty, in the order it empties them: districts, farms, Tables 1 to 6
// and Table 9.
const QStringList& cleanableTables();
// Throws std::invalid_argument, naming the first table that cleaning may not empty.
void requireCleanable(const QStringList& tables);

// "Очистить": an archive copy of the working database first, then the chosen tables emptied in one
// transaction, all or none. Returns the copy's path. A name that is not in cleanableTables throws
// std::invalid_argument and nothing is done; when the copy cannot be made nothing is emptied
// (ServiceError), and neither when a table cannot be emptied (ServiceError).
QString cleanDatabase(Database& data, const QStringList& tables);

// "Создана копия БД   " … " до очистки."
QString cleaningCopyMessage(const QString& archivePath);
