#pragma once

#include <QString>
#include <functional>

class SqlEngine;

// A consistent copy of an open database in a file of its own. It is written under a temporary
// name in the folder where it will stay and is removed unless it is put in place; so a copy that
// fails half-way never shows under a real name.
class DatabaseCopy {
public:
    // Throws SqlError with the engine's text when the copy cannot be written.
    DatabaseCopy(SqlEngine& source, const QString& folder);
    ~DatabaseCopy();
    DatabaseCopy(const DatabaseCopy&) = delete;
    DatabaseCopy& operator=(const DatabaseCopy&) = delete;

    QString path() const { return path_; }

    // Gives the copy the first name nameFor(1), nameFor(2), … that no file has yet, never
    // replacing one, and returns its path.
    QString placeAsNew(const std::function<QString(int attempt)>& nameFor);
    // Puts the copy in place of target in one step, replacing it.
    void placeOver(const QString& target);

private:
    QString path_;
    bool placed_ = false;
};

// Renames a file to the first name nameFor(1), nameFor(2), … that is free, never replacing a file;
// returns the new path, or an empty text when the file cannot be renamed.
QString renameToFreeName(const QString& file, const std::function<QString(int attempt)>& nameFor);
