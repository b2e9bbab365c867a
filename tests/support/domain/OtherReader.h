#pragma once

#include <QString>

struct sqlite3;

// Another program reading the database: a plain engine connection that holds a read transaction
// (and so a shared lock) from construction until release() or destruction.
class OtherReader {
public:
    explicit OtherReader(const QString& databaseFile);
    ~OtherReader();
    OtherReader(const OtherReader&) = delete;
    OtherReader& operator=(const OtherReader&) = delete;

    void release();
    // How many rows the table has, as this connection sees it.
    int count(const QString& table);

private:
    void run(const char* sql);

    sqlite3* handle_ = nullptr;
    bool reading_ = false;
};

// The Russian message of a database held by another program, as the engine adapter words it.
QString busyMessage(const QString& databaseFile);
