#pragma once

#include <QString>
#include <QStringList>

class SqlEngine;

// What one receiving did: the information window's lines and the files that were refused.
struct ReceiveReport {
    QStringList lines;
    QStringList refusedFiles;
};

// "Принять данные": merges the seven reference books of every in/*.mdb (SQLite or Jet) into the
// working database, in the folder's listing order. Each file is one transaction: a file that
// cannot be read, lacks a table or column, or holds a value that does not fit changes nothing and
// is reported; the next files are still taken. Districts, farms and report tables are never read.
ReceiveReport receiveData(SqlEngine& db, const QString& programFolder);
