#pragma once

#include "domain/db/SqlResult.h"

#include <QString>
#include <optional>

class SqlEngine;

inline constexpr const char* kStatusWorkbookFile = "spravka.xlsx";

// "Выбрать": rebuilds the work table sprsost for one bonitation year and one region (found by
// name without regard to case) or kAllRegionsName: one row per table title stored in any of the nine
// data tables, "+" in tab1 … tab9 where that table holds the title and "-" elsewhere, numbered
// 1, 2, … in the order of oblm, rnm, khm, kkhm, porm, godm. The table is emptied first; an empty
// region or year leaves it empty and returns the message for the user. All in one transaction.
std::optional<QString> buildStatusReport(SqlEngine& db, const QString& regionName, const QString& year);

// Empties sprsost, as opening the window does.
void clearStatusReport(SqlEngine& db);

// The rows of sprsost as the grid shows them: number, the six title columns, tab1 … tab9.
SqlResult statusReportRows(SqlEngine& db);
