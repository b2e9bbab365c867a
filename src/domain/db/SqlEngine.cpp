#include "SqlEngine.h"

#include "EngineMessages.h"
#include "SqlError.h"
#include "UnicodeLike.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

namespace {

QAtomicInt connectionCounter;

// Long enough for another program's short write or a computation of the totals to end.
constexpr int kBusyTimeoutMs = 3000;

QString engineText(const QSqlError& e) {
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

int engineCode(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? code : SQLITE_ERROR;
}

// SQLite's unique and primary-key conflicts, by extended code or, with primary codes only, by text.
bool isUniqueConflict(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("2067") || code == QLatin1String("1555") ||
           (code == QLatin1String("19") && e.databaseText().startsWith(QLatin1String("UNIQUE constraint failed")));
}

void requireIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!id.match(name).hasMatch())
        throw SqlError(QStringLiteral("Недопустимое имя: %1").arg(name));
}

} // namespace

void SqlEngine::fail(const QSqlError& error) const {
    throw SqlError(engineFailureMessage(engineCode(error), filePath_, engineText(error)),
                   isUniqueConflict(error) ? SqlError::Kind::UniqueKey : SqlError::Kind::Other);
}

QSqlQuery SqlEngine::prepared(const QString& sql, const QVariantList& params) {
    QSqlQuery q(openConnection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        fail(q.lastError());
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec())
        fail(q.lastError());
    return q;
}

SqlEngine::SqlEngine(const QString& filePath, Access access)
    : filePath_(filePath),
      access_(access),
      connectionName_(QStringLiteral("stavor-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {
    open();
}

SqlEngine::~SqlEngine() { close(); }

void SqlEngine::open() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(filePath_);
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    db.setConnectOptions(access_ == Access::ReadOnly ? busy + QStringLiteral(";QSQLITE_OPEN_READONLY") : busy);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        fail(error);
    }
    transactionDepth_ = 0;
    try {
        handle_ = driverHandle(db);
        installUnicodeLike(handle_);
        // One file per database: exchange and archive copies must be complete on their own.
        if (access_ == Access::ReadWrite)
            select(QStringLiteral("PRAGMA journal_mode=DELETE"));
    } catch (...) {
        close();
        throw;
    }
}

sqlite3* SqlEngine::driverHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 ||
        !*static_cast<sqlite3* const*>(handle.data()))
        throw SqlError(QStringLiteral("Драйвер SQLite не предоставил соединение."));
    return *static_cast<sqlite3* const*>(handle.data());
}

void SqlEngine::close() {
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    handle_ = nullptr;
}

void SqlEngine::reopen() {
    close();
    open();
}

bool SqlEngine::isOpen() const {
    return QSqlDatabase::contains(connectionName_) &&
           QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase SqlEngine::openConnection() const {
    if (!isOpen())
        throw SqlError(QStringLiteral("База данных «%1» закрыта.").arg(QDir::toNativeSeparators(filePath_)));
    return QSqlDatabase::database(connectionName_, false);
}

SqlResult SqlEngine::select(const QString& sql, const QVariantList& params) {
    QSqlQuery q = prepared(sql, params);
    QStringList fields;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i);
    std::vector<QVariantList> rows;
    while (q.next()) {
        QVariantList values;
        values.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            values << q.value(i);
        rows.push_back(std::move(values));
    }
    if (q.lastError().isValid())
        fail(q.lastError());
    return SqlResult(std::move(fields), std::move(rows));
}

int SqlEngine::execute(const QString& sql, const QVariantList& params) {
    QSqlQuery q = prepared(sql, params);
    return q.numRowsAffected();
}

int SqlEngine::executeEach(const QString& sql, const QList<QVariantList>& paramLists) {
    QSqlQuery q(openConnection());
    if (!q.prepare(sql))
        fail(q.lastError());
    int changed = 0;
    for (const QVariantList& params : paramLists) {
        for (int i = 0; i < params.size(); ++i)
            q.bindValue(i, params.at(i));
        if (!q.exec())
            fail(q.lastError());
        changed += q.numRowsAffected();
    }
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
    run(QStringLiteral("BEGIN IMMEDIATE"), work);
}

void SqlEngine::readTransaction(const std::function<void()>& work) {
    run(QStringLiteral("BEGIN DEFERRED"), work);
}

void SqlEngine::run(const QString& begin, const std::function<void()>& work) {
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
