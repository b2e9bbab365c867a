#pragma once

#include "SqlEngine.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// The current region and year, as the one settings row gives them.
struct RegionYear {
    QString regionCode;
    QString regionName;
    QString year;
};

// The data module: owns the one connection to the working database and the look-ups that
// several windows share. A missing or empty working database is created with the full schema
// and the reference books; one with our tables but no reference books gets them; any other file
// is refused with a message and left as it was.
class Database {
public:
    static constexpr const char* kWorkingFile = "stavor.mdb";
    static constexpr const char* kBlankFile = "stavorblank.mdb";

    explicit Database(const QString& programFolder);

    SqlEngine& db() { return *engine_; }
    QString programFolder() const { return folder_; }
    QString workingFile() const;
    QString blankFile() const;

    // Closes the connection (before the file is replaced) and opens it again.
    void close();
    void reopen();
    // Runs work with the connection closed and opens it again however work ends; when work
    // throws, its error is the one that comes out.
    void whileClosed(const std::function<void()>& work);

    bool hasSettings();
    std::optional<RegionYear> settings();

    QStringList regionNames();                 // by name
    QStringList districtNames(const QString& regionName);
    QStringList farmNames(const QString& regionName, const QString& districtName);
    QStringList categoryNames();
    QStringList breedNames();

private:
    void prepareWorkingDatabase();
    void prepareBlankDatabase() const;

    QString folder_;
    std::unique_ptr<SqlEngine> engine_;
};

// The schema and the reference books from the given resource in one transaction: a database is
// made whole or not at all.
void createWorkingDatabase(SqlEngine& db, const QString& referenceBooks);
