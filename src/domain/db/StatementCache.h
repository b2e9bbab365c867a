#pragma once

#include <QString>
#include <QVariantList>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

// Statements compiled once per connection and kept for the next use of the same text: the totals
// and their export run the same large statements again and again.
class StatementCache {
public:
    StatementCache() = default;
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The compiled statement for sql, reset and with its values bound in order; nullptr when the
    // engine refuses the text (its error is on the connection).
    sqlite3_stmt* bound(sqlite3* handle, const QString& sql, const QVariantList& params);
    // Finalizes every statement: required before the connection closes.
    void clear();

private:
    std::unordered_map<QString, sqlite3_stmt*> statements_;
};

// Puts a used statement back in its resting state (no lock held, values unbound).
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* statement) : statement_(statement) {}
    ~StatementReset();
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

private:
    sqlite3_stmt* statement_;
};

// The value of one result column as the rest of the program reads it.
QVariant columnValue(sqlite3_stmt* statement, int column);
