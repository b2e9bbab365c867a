#include "JetTableSource.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cmath>
#include <mdbtools.h>

namespace {

// libmdb hands out the catalog and column lists as GPtrArrays.
template <class T> QList<T*> items(GPtrArray* array) {
    QList<T*> out;
    for (guint i = 0; array && i < array->len; ++i)
        out << static_cast<T*>(g_ptr_array_index(array, i));
    return out;
}

// A table definition with its columns read, freed with the scope.
struct TableDef {
    MdbTableDef* def = nullptr;
    explicit TableDef(MdbCatalogEntry* entry) : def(mdb_read_table(entry)) {
        if (def)
            mdb_read_columns(def);
    }
    ~TableDef() {
        if (def)
            mdb_free_tabledef(def);
    }
    TableDef(const TableDef&) = delete;
    TableDef& operator=(const TableDef&) = delete;
    QList<MdbColumn*> columns() const { return items<MdbColumn>(def->columns); }
};

// Jet keeps a date as days since 30 December 1899, the time of day in the fraction's magnitude.
QDateTime jetDate(double stored) {
    const double days = std::trunc(stored);
    const qint64 msecs = std::llround(std::fabs(stored - days) * 86400000.0);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(days));
    return QDateTime(date, QTime(0, 0), Qt::UTC).addMSecs(msecs);
}

// libmdb prints numbers with the process's locale: a Russian one writes a decimal comma. A text
// that is no number stays text, so that the reader of the value can name it.
QVariant numberFromText(QByteArray text, int type) {
    bool ok = false;
    if (type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT) {
        const qint64 n = text.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant(QString::fromUtf8(text));
    }
    const double d = text.replace(',', '.').toDouble(&ok);
    return ok ? QVariant(d) : QVariant(QString::fromUtf8(text));
}

QVariant cellValue(MdbHandle* mdb, const MdbColumn* column, const char* bound, int length) {
    if (column->col_type == MDB_BOOL)
        return QByteArray(bound, length) == "1";
    if (length == 0)
        return {};
    const QByteArray text(bound, length);
    switch (column->col_type) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
        return numberFromText(text, column->col_type);
    case MDB_DATETIME:
        // libmdb's own text of a date fails before 1900 and after 2038; the stored number does not.
        return jetDate(mdb_get_double(mdb->pg_buf, column->cur_value_start));
    default:
        return QString::fromUtf8(text);
    }
}

MdbCatalogEntry* findTable(MdbHandle* mdb, const QString& name, const QString& path) {
    for (MdbCatalogEntry* entry : items<MdbCatalogEntry>(mdb->catalog))
        if (entry->object_type == MDB_TABLE && QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    throw SourceError(QStringLiteral("В файле %1 нет таблицы %2.").arg(QDir::toNativeSeparators(path), name));
}

TableDef& readable(TableDef& table, const QString& name, const QString& path) {
    if (!table.def)
        throw SourceError(QStringLiteral("Таблица %1 файла %2 не читается.").arg(name, QDir::toNativeSeparators(path)));
    return table;
}

} // namespace

struct JetTableSource::File {
    MdbHandle* mdb = nullptr;
    ~File() {
        if (mdb)
            mdb_close(mdb);
    }
};

JetTableSource::JetTableSource(const QString& path) : path_(path), file_(std::make_unique<File>()) {
    // Jet 3 keeps texts in the machine's code page: a Russian installation's is Windows-1251.
    // Jet 4 keeps Unicode and ignores this.
    if (qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP1251");
    file_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!file_->mdb || !mdb_read_catalog(file_->mdb, MDB_TABLE))
        throw SourceError(QStringLiteral("Файл %1 не читается как база данных формата Jet.")
                              .arg(QDir::toNativeSeparators(path)));
}

JetTableSource::~JetTableSource() = default;

QStringList JetTableSource::tableNames() {
    QStringList names;
    for (MdbCatalogEntry* entry : items<MdbCatalogEntry>(file_->mdb->catalog))
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names << QString::fromUtf8(entry->object_name);
    return names;
}

QStringList JetTableSource::columnNames(const QString& table) {
    TableDef def(findTable(file_->mdb, table, path_));
    QStringList names;
    for (const MdbColumn* column : readable(def, table, path_).columns())
        names << QString::fromUtf8(column->name);
    return names;
}

std::vector<QVariantList> JetTableSource::rows(const QString& table, const QStringList& columns) {
    TableDef def(findTable(file_->mdb, table, path_));
    const QList<MdbColumn*> all = readable(def, table, path_).columns();
    QList<int> wanted; // position in `all` of each requested column
    for (const QString& name : columns) {
        int found = -1;
        for (int i = 0; i < all.size() && found < 0; ++i)
            if (QString::fromUtf8(all.at(i)->name).compare(name, Qt::CaseInsensitive) == 0)
                found = i;
        if (found < 0)
            throw SourceError(QStringLiteral("В таблице %1 файла %2 нет столбца %3.")
                                  .arg(table, QDir::toNativeSeparators(path_), name));
        wanted << found;
    }
    std::vector<QByteArray> buffers(size_t(all.size()), QByteArray(int(file_->mdb->bind_size) + 1, '\0'));
    std::vector<int> lengths(size_t(all.size()), 0);
    for (int i = 0; i < all.size(); ++i)
        mdb_bind_column(def.def, i + 1, buffers[size_t(i)].data(), &lengths[size_t(i)]);
    mdb_rewind_table(def.def);
    std::vector<QVariantList> out;
    while (mdb_fetch_row(def.def)) {
        QVariantList values;
        for (int i : wanted)
            values << cellValue(file_->mdb, all.at(i), buffers[size_t(i)].constData(), lengths[size_t(i)]);
        out.push_back(std::move(values));
    }
    return out;
}
