#pragma once

#include <QString>

class SqlEngine;

// Rows shipped with the program as JSON: {"table": {"columns": [...], "rows": [[...], ...]}}.
namespace ReferenceData {

inline constexpr const char* kReferenceBooks = ":/data/reference_books.json";

// Loads every table of the resource file into the database.
void load(SqlEngine& db, const QString& resourcePath);
// The sample reference books of a new database.
void loadReferenceBooks(SqlEngine& db);
// Districts and farms of one region, and that region and year as settings when none are made yet.
void loadDemoFarms(SqlEngine& db);

} // namespace ReferenceData
