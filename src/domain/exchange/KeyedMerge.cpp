#include "KeyedMerge.h"

#include "domain/db/SqlEngine.h"

namespace {

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(u',');
}

QString assignments(const QStringList& columns, const QString& separator) {
    QStringList parts;
    for (const QString& c : columns)
        parts << c + QStringLiteral("=?");
    return parts.join(separator);
}

} // namespace

int mergeByKey(SqlEngine& db, const SourceTableSpec& table, const std::vector<SourceRow>& rows) {
    const QStringList columns = table.columnNames();
    const QString where = QStringLiteral(" WHERE ") + assignments(table.keys, QStringLiteral(" AND "));
    const QString lookUp = QStringLiteral("SELECT 1 FROM ") + table.name + where;
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table.name, columns.join(u','), placeholders(int(columns.size())));
    const QString update = QStringLiteral("UPDATE %1 SET %2").arg(table.name, assignments(columns, QStringLiteral(","))) + where;
    int inserted = 0;
    for (const SourceRow& row : rows) {
        QVariantList key;
        for (const QString& k : table.keys)
            key << row.values.at(columns.indexOf(k));
        if (db.select(lookUp, key).isEmpty())
            inserted += db.execute(insert, row.values) > 0 ? 1 : 0;
        else
            db.execute(update, row.values + key);
    }
    return inserted;
}
