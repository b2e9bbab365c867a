#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/totals/RegionalTotals.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");

class RegionalTotalsTest : public ::testing::Test {
protected:
    SqlEngine& db() { return home.db(); }

    TempProgramFolder home;
    RecordedLog log;
};

TEST_F(RegionalTotalsTest, NoStoredRowsLogsEveryTableAndNoData) {
    db().execute("INSERT INTO stmjs2(tm201,oblm,rnm,khm,kkhm,porm,godm) VALUES(1,57,0,0,0,0,2026)");
    const TotalsCounters counters = computeRegionalTotals(db(), kRegion, "2026", log);

    EXPECT_FALSE(counters.anyAdded());
    QStringList expected;
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        expected << QStringLiteral("В итоговую таблицу %1 не добавлено записей.").arg(t);
    expected << "Для Оренбургская область нет данных.";
    EXPECT_EQ(log.lines, expected);
    EXPECT_TRUE(db().select("SELECT * FROM stmjs2").isEmpty());
}

TEST_F(RegionalTotalsTest, RowsOfOneTableAreEnoughForData) {
    storeFarmRow(db(), 9, FarmTitle{.kkhm = 11}, {{"tm95", 3}});
    const TotalsCounters counters = computeRegionalTotals(db(), kRegion, "2026", log);
    EXPECT_TRUE(counters.anyAdded());
    EXPECT_EQ(counters.addedTo(9), 3);
    EXPECT_EQ(log.lines.size(), Schema::kReportTableCount);
    EXPECT_EQ(log.lines.last(), "В итоговую таблицу 9 добавлено 3 записей.");
}

struct RefusedCase {
    const char* region;
    const char* year;
    const char* message;
};

const RefusedCase kRefused[] = {
    {"", "2026", "Нужно выбрать регион и год!"},
    {"Оренбургская область", "", "Нужно выбрать регион и год!"},
    {"Оренбургская область", "  ", "Нужно выбрать регион и год!"},
    {"Нет такой области", "2026", "Регион «Нет такой области» не найден в справочнике регионов."},
    {"Оренбургская область'; DROP TABLE stmjs1; --", "2026",
     "Регион «Оренбургская область'; DROP TABLE stmjs1; --» не найден в справочнике регионов."},
    {"Оренбургская область", "20x6", "Год «20x6» указан неверно: нужны четыре цифры."},
    {"Оренбургская область", "202", "Год «202» указан неверно: нужны четыре цифры."},
    {"Оренбургская область", "2026 or 1=1", "Год «2026 or 1=1» указан неверно: нужны четыре цифры."},
};

TEST_F(RegionalTotalsTest, MissingUnknownOrMalformedChoiceIsRefusedBeforeAnyChange) {
    storeFarmRow(db(), 1, FarmTitle{}, {{"tm101", 5}});
    computeRegionalTotals(db(), kRegion, "2026", log);
    for (const RefusedCase& c : kRefused) {
        SCOPED_TRACE(c.message);
        log.lines.clear();
        try {
            computeRegionalTotals(db(), QString::fromUtf8(c.region), QString::fromUtf8(c.year), log);
            ADD_FAILURE() << "not refused";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message));
        }
        EXPECT_TRUE(log.lines.isEmpty());
        EXPECT_EQ(totalTitles(db(), 1).size(), 5);
    }
}

TEST_F(RegionalTotalsTest, YearWithSurroundingBlanksIsAccepted) {
    storeFarmRow(db(), 1, FarmTitle{}, {{"tm101", 5}});
    EXPECT_EQ(computeRegionalTotals(db(), kRegion, " 2026 ", log).addedTo(1), 5);
}

} // namespace
