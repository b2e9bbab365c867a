#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

// One table of a source file as another installation wrote it: columns without declared types,
// so every value stays as given ("07" stays text).
struct SourceTableRows {
    QString name;
    QStringList columns;
    QList<QVariantList> rows;
};

// Writes a SQLite file holding these tables (replacing the file).
void writeSqliteSource(const QString& path, const QList<SourceTableRows>& tables);

// A working database of another installation: every table of the described layout, columns
// untyped, values as that program wrote them (codes as text, Cyrillic names, empty cells).
// `rows` fills some of the tables; the others stay empty.
void writeLayoutSource(const QString& path, const QMap<QString, QList<QVariantList>>& rows);

// The seven reference books as an incoming file carries them: one row each, codes as text.
QList<SourceTableRows> incomingBooks();

// The table of that name in the list (to change a row or drop a column before writing).
SourceTableRows& tableNamed(QList<SourceTableRows>& tables, const QString& name);

// Bytes of a file, to show it was left as it was.
QByteArray fileBytes(const QString& path);
// Writes a file of these bytes (a text, a damaged or foreign file), replacing it; returns its path.
QString writeFileBytes(const QString& path, const QByteArray& bytes);
