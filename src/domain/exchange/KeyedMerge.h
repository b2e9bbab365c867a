#pragma once

#include "SourceTables.h"

class SqlEngine;

// Merges source rows into the working database's table of the same name by its key: a row whose
// key is new is inserted, otherwise the listed columns of the rows with that key are updated.
// Nothing is deleted. Returns the number of rows inserted.
int mergeByKey(SqlEngine& db, const SourceTableSpec& table, const std::vector<SourceRow>& rows);
