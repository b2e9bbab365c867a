#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>
#include <stdexcept>
#include <vector>

// A database file read from elsewhere (an exchange file, an old working database), whatever its
// format: its tables, their columns, and rows as values. Names compare without regard to case.
class TableSource {
public:
    virtual ~TableSource() = default;

    virtual QString filePath() const = 0;
    virtual QStringList tableNames() = 0;
    virtual QStringList columnNames(const QString& table) = 0;
    // Every row of `table`, with the values of `columns` in that order (null where empty).
    virtual std::vector<QVariantList> rows(const QString& table, const QStringList& columns) = 0;
};

// The source cannot be read: not a database, or damaged. The text is Russian and names the file.
class SourceError : public std::runtime_error {
public:
    explicit SourceError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

enum class SourceFormat { Sqlite, Jet, Unknown };

// Known by the file's first bytes, never by its name.
SourceFormat detectFormat(const QString& path);

// Opens the file read-only in the reader of its format; throws SourceError.
std::unique_ptr<TableSource> openTableSource(const QString& path);
