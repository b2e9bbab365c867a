#pragma once

#include "SqlResult.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

class StatementCache;
struct sqlite3;
struct sqlite3_stmt;

// The engine adapter: one SQLite database file, each statement text compiled once per connection.
// Values always travel as bound parameters (positional "?" or named ":p1" bound in order);
// failures throw SqlError with a Russian sentence naming the file and the engine's own text in
// parentheses. A busy database is waited for a few seconds before that.
class SqlEngine {
public:
    // ReadOnly never creates, writes or converts the file: for files that are only looked at.
    enum class Access { ReadWrite, ReadOnly };

    explicit SqlEngine(const QString& filePath, Access access = Access::ReadWrite);
    ~SqlEngine();
    SqlEngine(const SqlEngine&) = delete;
    SqlEngine& operator=(const SqlEngine&) = delete;

    QString filePath() const { return filePath_; }
    void close();
    void reopen();
    bool isOpen() const;

    SqlResult select(const QString& sql, const QVariantList& params = {});
    // Returns the number of rows the statement changed.
    int execute(const QString& sql, const QVariantList& params = {});
    // Runs one statement for each parameter list in order; returns the rows changed.
    int executeEach(const QString& sql, const QList<QVariantList>& paramLists);
    bool tableExists(const QString& table, const QString& schema = QStringLiteral("main"));
    QStringList tableNames(const QString& schema = QStringLiteral("main"));
    QStringList columnNames(const QString& table, const QString& schema = QStringLiteral("main"));

    // Runs work atomically: all of its statements take effect, or none when it throws; a COMMIT
    // that fails is rolled back and thrown. Nested calls become savepoints of the outer transaction.
    // The write lock is taken at the start, so two writers queue instead of mixing.
    void transaction(const std::function<void()>& work);
    // Runs work on one snapshot of the database: other connections' commits stay unseen.
    void readTransaction(const std::function<void()>& work);

    void attach(const QString& filePath, const QString& alias);
    void detach(const QString& alias);
    // Creates `table` in the attached database `alias` with the definition it has in main, and
    // copies into it the rows of main's table that `condition` selects (all when empty).
    // Returns the number of rows copied.
    int copyTableInto(const QString& alias, const QString& table, const QString& condition = {},
                      const QVariantList& params = {});

    // A consistent, compacted copy of the open database; the target must not exist or be empty.
    void vacuumInto(const QString& targetPath);

private:
    void open();
    // The cached statement for sql with params bound, ready to step.
    sqlite3_stmt* run(const QString& sql, const QVariantList& params);
    [[noreturn]] void fail(int code) const;
    void runTransaction(const QString& begin, const std::function<void()>& work);
    void undo(bool outermost, const QString& savepoint) noexcept;

    QString filePath_;
    Access access_;
    std::unique_ptr<StatementCache> cache_;
    sqlite3* handle_ = nullptr;
    int transactionDepth_ = 0;
};

// A file attached to the connection for the lifetime of the object (outside any transaction).
class Attachment {
public:
    Attachment(SqlEngine& db, const QString& filePath, const QString& alias);
    ~Attachment();
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

private:
    SqlEngine& db_;
    QString alias_;
};
