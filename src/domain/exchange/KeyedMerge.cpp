#include "KeyedMerge.h"

#include "domain/db/SqlEngine.h"

namespace {

QString assignments(const QStringList& columns, const QString& separator) {
    QStringList parts;
    for (const QString& c : columns)
        parts << c + QStringLiteral("=?");
    return parts.join(separator);
}

} // namespace

KeyedMerge::KeyedMerge(SqlEngine& db, const SourceTableSpec& table) : db_(db) {
    const QStringList columns = table.columnNames();
    for (const QString& key : table.keys)
        keyPositions_ << int(columns.indexOf(key));
    const QString where = QStringLiteral(" WHERE ") + assignments(table.keys, QStringLiteral(" AND "));
    QStringList marks;
    marks.fill(QStringLiteral("?"), columns.size());
    lookUp_ = QStringLiteral("SELECT 1 FROM ") + table.name + where;
    insert_ = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table.name, columns.join(u','), marks.join(u','));
    update_ = QStringLiteral("UPDATE %1 SET %2").arg(table.name, assignments(columns, QStringLiteral(","))) + where;
}

QVariantList KeyedMerge::keyOf(const SourceRow& row) const {
    QVariantList key;
    for (int position : keyPositions_)
        key << row.values.at(position);
    return key;
}

bool KeyedMerge::keyExists(const SourceRow& row) { return !db_.select(lookUp_, keyOf(row)).isEmpty(); }

KeyedMerge::Outcome KeyedMerge::merge(const SourceRow& row, bool updateExisting) {
    if (!keyExists(row)) {
        db_.execute(insert_, row.values);
        return Outcome::Inserted;
    }
    if (!updateExisting)
        return Outcome::Kept;
    db_.execute(update_, row.values + keyOf(row));
    return Outcome::Updated;
}

int mergeByKey(SqlEngine& db, const SourceTableSpec& table, const std::vector<SourceRow>& rows) {
    KeyedMerge merge(db, table);
    int inserted = 0;
    for (const SourceRow& row : rows)
        inserted += merge.merge(row, true) == KeyedMerge::Outcome::Inserted ? 1 : 0;
    return inserted;
}
