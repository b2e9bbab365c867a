#pragma once

#include "TableSource.h"
#include "domain/db/SqlEngine.h"

// A SQLite file read through its own read-only connection: the file is never written.
class SqliteTableSource : public TableSource {
public:
    explicit SqliteTableSource(const QString& path);

    QString filePath() const override { return engine_.filePath(); }
    QStringList tableNames() override;
    QStringList columnNames(const QString& table) override;
    std::vector<QVariantList> rows(const QString& table, const QStringList& columns) override;

private:
    SqlEngine engine_;
};
