#include "ReferenceEditing.h"

#include "domain/db/SqlEngine.h"

#include <QRegularExpression>

namespace {

QString captionOf(const ReferenceBook& book, const QString& field) {
    for (const QList<BookColumn>& columns : {book.editing.addColumns, book.view.columns})
        for (const BookColumn& c : columns)
            if (c.field == field && !c.caption.isEmpty())
                return c.caption;
    return field;
}

QString conditionOf(const QStringList& columns) {
    QStringList parts;
    for (const QString& c : columns)
        parts << c + QStringLiteral("=?");
    return parts.join(QStringLiteral(" and "));
}

QVariantList keyValues(const BookEditing& editing, const QStringList& columns, const QStringList& values) {
    QVariantList picked;
    for (const QString& c : columns)
        picked << values.at(editing.columns.indexOf(c));
    return picked;
}

bool exists(SqlEngine& db, const QString& table, const QStringList& columns, const QVariantList& values) {
    return !db.select(QStringLiteral("SELECT 1 FROM ") + table + QStringLiteral(" WHERE ") + conditionOf(columns),
                      values)
                .isEmpty();
}

QStringList checkedValues(const ReferenceBook& book, const QStringList& values) {
    const BookEditing& e = book.editing;
    if (values.size() != e.columns.size())
        throw std::invalid_argument("reference row of the wrong width");
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,9}$"));
    QStringList trimmed;
    for (const QString& v : values)
        trimmed << v.trimmed();
    for (const QString& code : e.codes) {
        const QString& v = trimmed.at(e.columns.indexOf(code));
        if (v.isEmpty())
            throw ReferenceError(QStringLiteral("Не заполнено поле «%1».").arg(captionOf(book, code)));
        if (!wholeNumber.match(v).hasMatch())
            throw ReferenceError(QStringLiteral("В поле «%1» должно быть целое число без знака, а не «%2».")
                                     .arg(captionOf(book, code), v));
    }
    return trimmed;
}

QString keyText(const ReferenceBook& book, const QVariantList& key) {
    QStringList parts;
    for (int i = 0; i < key.size(); ++i)
        parts << QStringLiteral("%1 %2").arg(captionOf(book, book.editing.key.at(i)), key.at(i).toString());
    return parts.join(QStringLiteral(", "));
}

void checkRow(SqlEngine& db, const ReferenceBook& book, const QStringList& values, const QStringList& oldKey) {
    const BookEditing& e = book.editing;
    const QVariantList key = keyValues(e, e.key, values);
    const bool sameKey = !oldKey.isEmpty() && QVariantList(oldKey.begin(), oldKey.end()) == key;
    if (!sameKey && exists(db, book.table, e.key, key))
        throw ReferenceError(QStringLiteral("Запись с такими кодами уже есть в справочнике (%1).")
                                 .arg(keyText(book, key)));
    if (e.parentTable.isEmpty())
        return;
    const QVariantList parent = keyValues(e, e.parentKey, values);
    if (!exists(db, e.parentTable, e.parentColumns, parent)) {
        QString message = e.parentMissing;
        for (const QVariant& v : parent)
            message = message.arg(v.toString());
        throw ReferenceError(message);
    }
}

QVariantList stored(const ReferenceBook& book, const QStringList& values) {
    QVariantList bound;
    for (int i = 0; i < values.size(); ++i) {
        const bool code = book.editing.codes.contains(book.editing.columns.at(i));
        bound << (code ? QVariant(values.at(i).toLongLong()) : QVariant(values.at(i)));
    }
    return bound;
}

QVariantList boundKey(const QStringList& key) { return QVariantList(key.begin(), key.end()); }

} // namespace

SqlResult openBookView(SqlEngine& db, const BookView& view) { return db.select(view.query); }

QList<BookColumn> editingColumns(const ReferenceBook& book) {
    return book.editing.addQuery.isEmpty() ? book.view.columns : book.editing.addColumns;
}

SqlResult openEditRows(SqlEngine& db, const ReferenceBook& book, const QStringList& key) {
    const BookEditing& e = book.editing;
    if (e.addQuery.isEmpty())
        return openBookView(db, book.view);
    return db.select(QStringLiteral("SELECT ") + e.columns.join(u',') + QStringLiteral(" FROM ") + book.table +
                         QStringLiteral(" WHERE ") + conditionOf(e.key),
                     boundKey(key));
}

int searchBookRow(const SqlResult& rows, const ReferenceBook& book, const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].text(book.searchColumn).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList bookRowKey(const ReferenceBook& book, const SqlRow& row) {
    QStringList key;
    for (const QString& c : book.editing.key)
        key << row.text(c).trimmed();
    return key;
}

void addBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& values) {
    const QStringList row = checkedValues(book, values);
    db.transaction([&] {
        checkRow(db, book, row, {});
        QStringList marks;
        marks.fill(QStringLiteral("?"), row.size());
        db.execute(QStringLiteral("INSERT INTO ") + book.table + u'(' + book.editing.columns.join(u',') +
                       QStringLiteral(") VALUES(") + marks.join(u',') + u')',
                   stored(book, row));
    });
}

void updateBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& key, const QStringList& values) {
    const QStringList row = checkedValues(book, values);
    db.transaction([&] {
        checkRow(db, book, row, key);
        QStringList assignments;
        for (const QString& c : book.editing.columns)
            assignments << c + QStringLiteral("=?");
        const int changed = db.execute(QStringLiteral("UPDATE ") + book.table + QStringLiteral(" SET ") +
                                           assignments.join(u',') + QStringLiteral(" WHERE ") +
                                           conditionOf(book.editing.key),
                                       stored(book, row) + boundKey(key));
        if (changed != 1)
            throw ReferenceError(QStringLiteral("Изменяемая запись не найдена в справочнике (%1): её могли удалить.")
                                     .arg(keyText(book, boundKey(key))));
    });
}

bool deleteBookRow(SqlEngine& db, const ReferenceBook& book, const QStringList& key) {
    int deleted = 0;
    db.transaction([&] {
        deleted = db.execute(QStringLiteral("DELETE FROM ") + book.table + QStringLiteral(" WHERE ") +
                                 conditionOf(book.editing.key),
                             boundKey(key));
    });
    return deleted > 0;
}
