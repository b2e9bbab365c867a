#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

class SqlEngine;

// Every row of every table, in a fixed order: two databases with equal contents hold the same data.
using DatabaseContents = QMap<QString, QList<QVariantList>>;
DatabaseContents contentsOf(SqlEngine& db);
// The same for a database file, opened only to read it.
DatabaseContents contentsOfFile(const QString& path);

// The names of the files in the program folder's arch, sorted.
QStringList archiveFiles(const QString& programFolder);
