#include "SqliteTableSource.h"

#include "domain/db/SqlError.h"

#include <QDir>

namespace {

QString quoted(QString name) { return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"'; }

SourceError unreadable(const QString& path, const SqlError& e) {
    return SourceError(QStringLiteral("Файл %1 не читается как база данных (%2).")
                           .arg(QDir::toNativeSeparators(path), e.text()));
}

template <class Work> auto reading(const QString& path, Work work) {
    try {
        return work();
    } catch (const SqlError& e) {
        throw unreadable(path, e);
    }
}

} // namespace

SqliteTableSource::SqliteTableSource(const QString& path) : engine_(path, SqlEngine::Access::ReadOnly) {}

QStringList SqliteTableSource::tableNames() {
    return reading(filePath(), [this] { return engine_.tableNames(); });
}

QStringList SqliteTableSource::columnNames(const QString& table) {
    return reading(filePath(), [&] {
        return columnTexts(engine_.select(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}),
                           QStringLiteral("name"));
    });
}

std::vector<QVariantList> SqliteTableSource::rows(const QString& table, const QStringList& columns) {
    QStringList names;
    for (const QString& c : columns)
        names << quoted(c);
    const SqlResult result = reading(filePath(), [&] {
        return engine_.select(QStringLiteral("SELECT %1 FROM %2").arg(names.join(u','), quoted(table)));
    });
    std::vector<QVariantList> out;
    out.reserve(size_t(result.size()));
    for (const SqlRow& row : result) {
        QVariantList values;
        for (int i = 0; i < row.fieldCount(); ++i)
            values << row.value(i);
        out.push_back(std::move(values));
    }
    return out;
}
