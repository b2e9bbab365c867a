#pragma once

#include <QDateTime>
#include <QString>

class Database;
class SqlEngine;

// Stamps in archive names: day, month, two-digit year, hour, minute, and for the copy kept
// before compaction the second too.
enum class StampPrecision { Minutes, Seconds };

// arch/"stavor" + stamp + ".mdb". Names are never reused: attempt 2, 3, … of the same stamp add
// "_2", "_3", … so that two copies within one minute both stay.
QString archiveFileName(const QString& programFolder, const QDateTime& when, StampPrecision precision, int attempt);

// A consistent copy of the open database in the program folder's arch, under the first free name
// of its minute stamp; returns its path. Throws SqlError when it cannot be made (nothing is left
// behind then).
QString copyIntoArchive(SqlEngine& db, const QString& programFolder, const QDateTime& when);
// The same for the working database; throws ServiceError with the user's message.
QString makeArchiveCopy(Database& data, const QDateTime& when = QDateTime::currentDateTime());

// Moves a closed database file into arch under the first free name of the current stamp and
// returns its new path; empty when it cannot be moved.
QString moveIntoArchive(const QString& programFolder, const QString& file, StampPrecision precision);

// "Создана копия БД   " and the copy's path.
QString archiveCopyMessage(const QString& archivePath);
// A path as the user reads it in a message.
QString shownPath(const QString& path);
