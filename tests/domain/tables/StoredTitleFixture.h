#pragma once

#include "TempProgramFolder.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTableStore.h"
#include "domain/tables/ReportTables.h"

#include <gtest/gtest.h>

// A fresh database, the cells of all nine pages and a store for one table title.
class StoredTitleFixture : public ::testing::Test {
protected:
    static inline const TableTitle kTitle{"56", "1", "1", "11", "1", "2026"};

    TempProgramFolder home;
    CellValues cells{reportTables()};
    ReportTableStore store{home.db(), kTitle};
};
