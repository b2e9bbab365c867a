#include "FarmRows.h"
#include "OtherReader.h"
#include "TempProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/TotalsOverflow.h"

#include <functional>
#include <mutex>
#include <gtest/gtest.h>
#include <thread>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");

// Every total table as text, row by row: what one computation leaves behind.
QStringList totalsContents(SqlEngine& db) {
    QStringList rows;
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        for (const SqlRow& row : db.select(QStringLiteral("SELECT * FROM %1 ORDER BY kkhm, porm").arg(Schema::totalsTable(t)))) {
            QStringList values{QString::number(t)};
            for (int i = 0; i < row.fieldCount(); ++i)
                values << row.text(i);
            rows << values.join(u' ');
        }
    return rows;
}

// A log that lets a test act while the computation or export is under way.
class HookedLog : public TotalsLog {
public:
    explicit HookedLog(std::function<void(const QString&)> hook) : hook_(std::move(hook)) {}
    void logLine(const QString& line) override { hook_(line); }

private:
    std::function<void(const QString&)> hook_;
};

// Two years that differ in every table: 2025 has one ordinary farm, 2026 two breeding farms.
class TotalsSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        db().transaction([&] {
            for (int t = 1; t <= Schema::kReportTableCount; ++t) {
                const QString first = Schema::dataColumns(t).first();
                storeFarmRow(db(), t, FarmTitle{.khm = 1, .kkhm = 12, .porm = 3, .godm = 2025}, {{first, 5}});
                storeFarmRow(db(), t, FarmTitle{.khm = 1, .kkhm = 22, .porm = 2}, {{first, 7}});
                storeFarmRow(db(), t, FarmTitle{.khm = 2, .kkhm = 23, .porm = 2}, {{first, 9}});
            }
        });
        for (const char* year : {"2025", "2026"}) {
            computeRegionalTotals(db(), kRegion, year, log);
            computed[year] = totalsContents(db());
        }
        log.lines.clear();
    }
    SqlEngine& db() { return home.db(); }

    TempProgramFolder home;
    RecordedLog log;
    QMap<QString, QStringList> computed;
};

TEST_F(TotalsSafetyTest, ComputationWhileAnotherProgramReadsIsRefusedAndChangesNothing) {
    OtherReader reader(home.data().workingFile());
    try {
        computeRegionalTotals(db(), kRegion, "2025", log);
        ADD_FAILURE() << "committed under a reader";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.text(), busyMessage(home.data().workingFile()));
    }
    reader.release();
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_EQ(totalsContents(db()), computed["2026"]);
}

// Two windows, or a window and the command line: the second computation waits for the first,
// so the nine tables always hold one whole computation.
TEST_F(TotalsSafetyTest, TwoComputationsFromTwoConnectionsNeverMix) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QStringList failures;
        std::mutex failed;
        const auto compute = [&](const QString& year) {
            try {
                SqlEngine own(home.data().workingFile());
                RecordedLog ownLog;
                computeRegionalTotals(own, kRegion, year, ownLog);
            } catch (const std::exception& e) {
                const std::lock_guard lock(failed);
                failures << QString::fromUtf8(e.what());
            }
        };
        std::thread first(compute, QStringLiteral("2025"));
        std::thread second(compute, QStringLiteral("2026"));
        first.join();
        second.join();
        EXPECT_LT(failures.size(), 2) << failures.join(u'\n').toStdString();
        const QStringList now = totalsContents(db());
        EXPECT_TRUE(now == computed["2025"] || now == computed["2026"]) << now.join(u'\n').toStdString();
    }
}

// The export holds one snapshot from its first read to its last sheet: a computation committed by
// another connection in between cannot get in, and every sheet shows the same computation.
TEST_F(TotalsSafetyTest, ExportReadsTheNineTablesOfOneComputation) {
    SqlEngine other(home.data().workingFile());
    QString otherFailure;
    QStringList lines;
    HookedLog hooked([&](const QString& line) {
        lines << line;
        if (line != QStringLiteral("Таблица 1 экспортирована в Excel."))
            return;
        try {
            RecordedLog otherLog;
            computeRegionalTotals(other, kRegion, "2025", otherLog);
        } catch (const SqlError& e) {
            otherFailure = e.text();
        }
    });
    buildTotalsWorkbook(db(), kRegion, "2026", hooked);
    EXPECT_EQ(lines.size(), 1 + Schema::kReportTableCount);
    EXPECT_EQ(otherFailure, busyMessage(home.data().workingFile()));
    EXPECT_EQ(totalsContents(db()), computed["2026"]);
}

// Two values near the largest number add up to infinity: the computation names the table, the
// column and the farm, and the totals stay as they were; no workbook can get the value.
TEST_F(TotalsSafetyTest, ATotalBeyondTheRangeOfNumbersIsRefusedWithNothingChanged) {
    db().execute("UPDATE tmjs2 SET tm201=1e308 WHERE godm=2026");
    try {
        computeRegionalTotals(db(), kRegion, "2026", log);
        ADD_FAILURE() << "infinite total accepted";
    } catch (const TotalsOverflow& e) {
        const QString text = QString::fromUtf8(e.what());
        EXPECT_TRUE(text.contains(QStringLiteral("столбца tm201 таблицы 2"))) << e.what();
        EXPECT_TRUE(text.contains(QStringLiteral("регион 56, район 1, хозяйство 1, категория 22, порода 2, год 2026")))
            << e.what();
        EXPECT_TRUE(text.contains(QStringLiteral("Итоговые таблицы не изменены."))) << e.what();
    }
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_EQ(totalsContents(db()), computed["2026"]);
}

} // namespace
