#pragma once

#include "domain/exchange/TableSource.h"

#include <memory>

// A Jet 3 / Jet 4 (.mdb) file read through libmdb of MDB Tools; never written. Texts arrive as
// Unicode (Jet 3 files are taken in the Cyrillic code page), numbers as numbers, flags as flags,
// dates as date-times.
class JetTableSource : public TableSource {
public:
    explicit JetTableSource(const QString& path);
    ~JetTableSource() override;
    JetTableSource(const JetTableSource&) = delete;
    JetTableSource& operator=(const JetTableSource&) = delete;

    QString filePath() const override { return path_; }
    QStringList tableNames() override;
    QStringList columnNames(const QString& table) override;
    std::vector<QVariantList> rows(const QString& table, const QStringList& columns) override;

private:
    struct File; // the open libmdb handle
    QString path_;
    std::unique_ptr<File> file_;
};
