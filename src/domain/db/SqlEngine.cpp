#include "SqlEngine.h"

#include "EngineMessages.h"
#include "SignificantDigits.h"
#include "SqlError.h"
#include "StatementCache.h"
#include "UnicodeLike.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <QRegularExpression>
#include <sqlite3.h>

namespace {

// Long enough for another program's short write or a computation of the totals to end.
constexpr int kBusyTimeoutMs = 3000;
// Pages read once stay in memory for the next computation and the whole file is mapped, so a
// large region reads no slower per title than a small one: the cache may grow to the file's size.
constexpr qint64 kLeastCacheKiB = 8 * 1024;
constexpr qint64 kMostCacheKiB = 1024 * 1024;
constexpr qint64 kMapBytes = qint64(1) << 30;

qint64 cacheKiBFor(const QString& filePath) {
    return std::clamp(QFileInfo(filePath).size() / 1024, kLeastCacheKiB, kMostCacheKiB);
}

void requireIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!id.match(name).hasMatch())
        throw SqlError(QStringLiteral("Недопустимое имя: %1").arg(name));
}

} // namespace

SqlEngine::SqlEngine(const QString& filePath, Access access)
    : filePath_(filePath), access_(access), cache_(std::make_unique<StatementCache>()) {
    open();
}

SqlEngine::~SqlEngine() { close(); }

void SqlEngine::fail(int code) const {
    const QString text = handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_)) : QString::fromUtf8(sqlite3_errstr(code));
    const int extended = handle_ ? sqlite3_extended_errcode(handle_) : code;
    const bool uniqueKey = extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY;
    throw SqlError(engineFailureMessage(code, filePath_, text), uniqueKey ? SqlError::Kind::UniqueKey : SqlError::Kind::Other);
}

void SqlEngine::open() {
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(filePath_).constData(), &handle,
                                       access_ == Access::ReadOnly ? SQLITE_OPEN_READONLY
                                                                   : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                       nullptr);
    handle_ = handle;
    if (opened != SQLITE_OK) {
        const int code = opened;
        const QString text = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code));
        close();
        throw SqlError(engineFailureMessage(code, filePath_, text));
    }
    transactionDepth_ = 0;
    sqlite3_busy_timeout(handle_, kBusyTimeoutMs);
    try {
        installUnicodeLike(handle_);
        installSignificantDigits(handle_);
        // One file per database: exchange and archive copies must be complete on their own.
        if (access_ == Access::ReadWrite)
            select(QStringLiteral("PRAGMA journal_mode=DELETE"));
        execute(QStringLiteral("PRAGMA cache_size=-%1").arg(cacheKiBFor(filePath_)));
        select(QStringLiteral("PRAGMA mmap_size=%1").arg(kMapBytes));
    } catch (...) {
        close();
        throw;
    }
}

void SqlEngine::close() {
    cache_->clear();
    if (handle_)
        sqlite3_close_v2(handle_);
    handle_ = nullptr;
}

void SqlEngine::reopen() {
    close();
    open();
}

bool SqlEngine::isOpen() const { return handle_ != nullptr; }

sqlite3_stmt* SqlEngine::run(const QString& sql, const QVariantList& params) {
    if (!handle_)
        throw SqlError(QStringLiteral("База данных «%1» закрыта.").arg(QDir::toNativeSeparators(filePath_)));
    sqlite3_stmt* statement = cache_->bound(handle_, sql, params);
    if (!statement)
        fail(sqlite3_errcode(handle_));
    return statement;
}

SqlResult SqlEngine::select(const QString& sql, const QVariantList& params) {
    sqlite3_stmt* statement = run(sql, params);
    const StatementReset reset(statement);
    const int columns = sqlite3_column_count(statement);
    QStringList fields;
    for (int i = 0; i < columns; ++i)
        fields << QString::fromUtf8(sqlite3_column_name(statement, i));
    std::vector<QVariantList> rows;
    int stepped;
    while ((stepped = sqlite3_step(statement)) == SQLITE_ROW) {
        QVariantList values;
        values.reserve(columns);
        for (int i = 0; i < columns; ++i)
            values << columnValue(statement, i);
        rows.push_back(std::move(values));
    }
    if (stepped != SQLITE_DONE)
        fail(stepped);
    return SqlResult(std::move(fields), std::move(rows));
}

int SqlEngine::execute(const QString& sql, const QVariantList& params) {
    sqlite3_stmt* statement = run(sql, params);
    const StatementReset reset(statement);
    int stepped;
    while ((stepped = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    if (stepped != SQLITE_DONE)
        fail(stepped);
    return sqlite3_changes(handle_);
}

int SqlEngine::executeEach(const QString& sql, const QList<QVariantList>& paramLists) {
    int changed = 0;
    for (const QVariantList& params : paramLists)
        changed += execute(sql, params);
    return changed;
}

bool SqlEngine::tableExists(const QString& table, const QString& schema) {
    return tableNames(schema).contains(table, Qt::CaseInsensitive);
}

QStringList SqlEngine::tableNames(const QString& schema) {
    requireIdentifier(schema);
    return columnTexts(select(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type='table' "
                                             "AND name NOT LIKE 'sqlite_%' ORDER BY name")
                                  .arg(schema)),
                       QStringLiteral("name"));
}

QStringList SqlEngine::columnNames(const QString& table, const QString& schema) {
    requireIdentifier(table);
    requireIdentifier(schema);
    return columnTexts(select(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, table)),
                       QStringLiteral("name"));
}

void SqlEngine::transaction(const std::function<void()>& work) {
    runTransaction(QStringLiteral("BEGIN IMMEDIATE"), work);
}

void SqlEngine::readTransaction(const std::function<void()>& work) {
    runTransaction(QStringLiteral("BEGIN DEFERRED"), work);
}

void SqlEngine::runTransaction(const QString& begin, const std::function<void()>& work) {
    const bool outermost = transactionDepth_ == 0;
    const QString savepoint = QStringLiteral("sp%1").arg(transactionDepth_);
    execute(outermost ? begin : QStringLiteral("SAVEPOINT ") + savepoint);
    ++transactionDepth_;
    try {
        work();
    } catch (...) {
        --transactionDepth_;
        undo(outermost, savepoint);
        throw;
    }
    --transactionDepth_;
    try {
        execute(outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint);
    } catch (...) {
        // A failed COMMIT (another program still reads) leaves the transaction open.
        undo(outermost, savepoint);
        throw;
    }
}

// The error that brought us here is the one reported, whatever the undoing says.
void SqlEngine::undo(bool outermost, const QString& savepoint) noexcept {
    try {
        if (outermost) {
            // The engine itself rolls back after some failures (disk full, I/O error).
            if (handle_ && !sqlite3_get_autocommit(handle_))
                execute(QStringLiteral("ROLLBACK"));
        } else {
            execute(QStringLiteral("ROLLBACK TO ") + savepoint);
            execute(QStringLiteral("RELEASE ") + savepoint);
        }
    } catch (...) {
    }
    // A transaction the engine would not roll back must not swallow the statements that follow:
    // closing the connection discards it.
    if (outermost && handle_ && !sqlite3_get_autocommit(handle_)) {
        try {
            reopen();
        } catch (...) {
        }
    }
}

void SqlEngine::attach(const QString& filePath, const QString& alias) {
    requireIdentifier(alias);
    execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(alias), {filePath});
}

void SqlEngine::detach(const QString& alias) {
    requireIdentifier(alias);
    execute(QStringLiteral("DETACH DATABASE %1").arg(alias));
}

int SqlEngine::copyTableInto(const QString& alias, const QString& table, const QString& condition,
                             const QVariantList& params) {
    requireIdentifier(alias);
    requireIdentifier(table);
    const SqlResult def = select(QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type='table' AND name=?"),
                                 {table});
    if (def.isEmpty())
        throw SqlError(QStringLiteral("Нет таблицы %1 в рабочей базе.").arg(table));
    // The stored definition after the table's name: its columns, types and defaults as they are.
    const QString ddl = def.first().text(0);
    execute(QStringLiteral("CREATE TABLE %1.%2 %3").arg(alias, table, ddl.mid(ddl.indexOf(u'('))));
    const QString where = condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition;
    return execute(QStringLiteral("INSERT INTO %1.%2 SELECT * FROM main.%2%3").arg(alias, table, where), params);
}

void SqlEngine::vacuumInto(const QString& targetPath) {
    const QFileInfo target(targetPath);
    if (target.exists() && target.size() > 0)
        throw SqlError(QStringLiteral("Файл уже существует: %1").arg(targetPath));
    execute(QStringLiteral("VACUUM INTO ?"), {targetPath});
}

Attachment::Attachment(SqlEngine& db, const QString& filePath, const QString& alias) : db_(db), alias_(alias) {
    db_.attach(filePath, alias_);
}

Attachment::~Attachment() {
    try {
        db_.detach(alias_);
    } catch (const SqlError&) {
        // Only a closed connection refuses; it has dropped the attachment with itself.
    }
}
