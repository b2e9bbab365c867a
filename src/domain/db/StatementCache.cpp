#include "StatementCache.h"

#include <QByteArray>
#include <sqlite3.h>

namespace {

// Enough for every statement shape the program makes; past it the cache starts afresh.
constexpr size_t kMaxStatements = 500;

// A null text binds as NULL, as it always did through Qt's driver.
bool isNullValue(const QVariant& value) {
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isNull());
}

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (isNullValue(value))
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QString text = value.toString();
        return sqlite3_bind_text16(statement, index, text.utf16(), int(text.size() * sizeof(char16_t)),
                                   SQLITE_TRANSIENT);
    }
    }
}

} // namespace

StatementCache::~StatementCache() { clear(); }

void StatementCache::clear() {
    for (auto& [sql, statement] : statements_)
        sqlite3_finalize(statement);
    statements_.clear();
}

sqlite3_stmt* StatementCache::bound(sqlite3* handle, const QString& sql, const QVariantList& params) {
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        if (statements_.size() >= kMaxStatements)
            clear();
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare16_v3(handle, sql.utf16(), int(sql.size() * sizeof(char16_t)), SQLITE_PREPARE_PERSISTENT,
                                 &statement, nullptr) != SQLITE_OK ||
            !statement) {
            sqlite3_finalize(statement);
            return nullptr;
        }
        found = statements_.emplace(sql, statement).first;
    }
    sqlite3_stmt* statement = found->second;
    for (int i = 0; i < params.size() && i < sqlite3_bind_parameter_count(statement); ++i)
        if (bindValue(statement, i + 1, params.at(i)) != SQLITE_OK)
            return nullptr;
    return statement;
}

StatementReset::~StatementReset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

QVariant columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: return qlonglong(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT: return sqlite3_column_double(statement, column);
    case SQLITE_TEXT:
        return QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(statement, column)),
                       sqlite3_column_bytes16(statement, column) / int(sizeof(char16_t)));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    default: return {};
    }
}
