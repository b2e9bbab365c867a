#include "SqlEngine.h"

#include "SqlError.h"
#include "UnicodeLike.h"

#include <QAtomicInt>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

namespace {

QAtomicInt connectionCounter;

QString engineText(const QSqlError& e) {
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

// SQLite's unique and primary-key conflicts, by extended code or, with primary codes only, by text.
bool isUniqueConflict(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("2067") || code == QLatin1String("1555") ||
           (code == QLatin1String("19") && e.databaseText().startsWith(QLatin1String("UNIQUE constraint failed")));
}

SqlError statementError(const QSqlError& e) {
    return SqlError(engineText(e), isUniqueConflict(e) ? SqlError::Kind::UniqueKey : SqlError::Kind::Other);
}

void requireIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!id.match(name).hasMatch())
        throw SqlError(QStringLiteral("Недопустимое имя: %1").arg(name));
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& sql, const QVariantList& params) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw SqlError(engineText(q.lastError()));
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec())
        throw statementError(q.lastError());
    return q;
}

} // namespace

SqlEngine::SqlEngine(const QString& filePath)
    : filePath_(filePath),
      connectionName_(QStringLiteral("stavor-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {
    open();
}

SqlEngine::~SqlEngine() { close(); }

void SqlEngine::open() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(filePath_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        const QString text = engineText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw SqlError(text);
    }
    transactionDepth_ = 0;
    installFunctions();
    // One file per database: exchange and archive copies must be complete on their own.
    select(QStringLiteral("PRAGMA journal_mode=DELETE"));
}

void SqlEngine::installFunctions() {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw SqlError(QStringLiteral("Драйвер SQLite не предоставил соединение."));
    sqlite3* h = *static_cast<sqlite3* const*>(handle.data());
    if (h)
        installUnicodeLike(h);
}

void SqlEngine::close() {
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
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
        throw SqlError(QStringLiteral("База данных закрыта: %1").arg(filePath_));
    return QSqlDatabase::database(connectionName_, false);
}

SqlResult SqlEngine::select(const QString& sql, const QVariantList& params) {
    QSqlQuery q = prepared(openConnection(), sql, params);
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
        throw SqlError(engineText(q.lastError()));
    return SqlResult(std::move(fields), std::move(rows));
}

int SqlEngine::execute(const QString& sql, const QVariantList& params) {
    QSqlQuery q = prepared(openConnection(), sql, params);
    return q.numRowsAffected();
}

int SqlEngine::executeEach(const QString& sql, const QList<QVariantList>& paramLists) {
    QSqlQuery q(openConnection());
    if (!q.prepare(sql))
        throw SqlError(engineText(q.lastError()));
    int changed = 0;
    for (const QVariantList& params : paramLists) {
        for (int i = 0; i < params.size(); ++i)
            q.bindValue(i, params.at(i));
        if (!q.exec())
            throw statementError(q.lastError());
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
    const QString savepoint = QStringLiteral("sp%1").arg(transactionDepth_);
    execute(transactionDepth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                                   : QStringLiteral("SAVEPOINT ") + savepoint);
    ++transactionDepth_;
    try {
        work();
    } catch (...) {
        --transactionDepth_;
        if (transactionDepth_ == 0) {
            execute(QStringLiteral("ROLLBACK"));
        } else {
            execute(QStringLiteral("ROLLBACK TO ") + savepoint);
            execute(QStringLiteral("RELEASE ") + savepoint);
        }
        throw;
    }
    --transactionDepth_;
    execute(transactionDepth_ == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint);
}

void SqlEngine::attach(const QString& filePath, const QString& alias) {
    requireIdentifier(alias);
    execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(alias), {filePath});
}

void SqlEngine::detach(const QString& alias) {
    requireIdentifier(alias);
    execute(QStringLiteral("DETACH DATABASE %1").arg(alias));
}

void SqlEngine::vacuumInto(const QString& targetPath) {
    if (QFile::exists(targetPath))
        throw SqlError(QStringLiteral("Файл уже существует: %1").arg(targetPath));
    execute(QStringLiteral("VACUUM INTO ?"), {targetPath});
}

void SqlEngine::copyTo(const QString& targetPath) {
    if (QFile::exists(targetPath) && !QFile::remove(targetPath))
        throw SqlError(QStringLiteral("Не удалось заменить файл: %1").arg(targetPath));
    vacuumInto(targetPath);
}
