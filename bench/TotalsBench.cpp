// Times the regional totals on a synthetic region: 2,000 titles a year over ten years, every table
// filled. Run by hand: totals_bench [runs]
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/TotalsLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kTitlesPerYear = 2000;
constexpr int kYears = 10;
constexpr int kFirstYear = 2017;
const QString kRegion = QStringLiteral("Оренбургская область");

// 250 farms in 10 districts, eight breeds each; categories cycle through ordinary and breeding farms.
void fillTable(SqlEngine& db, int table) {
    const QStringList columns = Schema::dataColumns(table);
    QStringList values;
    for (int k = 0; k < columns.size(); ++k)
        values << QStringLiteral("((i*31+%1*17)%200)+1").arg(k);
    const QString farm = QStringLiteral("((i%%1)/8)").arg(kTitlesPerYear);
    const QString title = QStringLiteral("56,%1/25+1,%1+1,"
                                         "CASE %1%6 WHEN 0 THEN 11 WHEN 1 THEN 12 WHEN 2 THEN 21 WHEN 3 THEN 22 "
                                         "WHEN 4 THEN 23 ELSE 24 END,i%8+1,%2+i/%3")
                              .arg(farm, QString::number(kFirstYear), QString::number(kTitlesPerYear));
    db.execute(QStringLiteral("INSERT INTO %1(%2,oblm,rnm,khm,kkhm,porm,godm) "
                              "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<%3) "
                              "SELECT %4,%5 FROM n")
                   .arg(Schema::dataTable(table), columns.join(u','), QString::number(kTitlesPerYear * kYears - 1),
                        values.join(u','), title));
}

class SilentLog : public TotalsLog {
public:
    void logLine(const QString&) override {}
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Wall-clock and CPU milliseconds: the CPU figure stays meaningful while the machine is busy.
struct Timing {
    double wallMs;
    double cpuMs;
};

Timing medianTiming(const std::function<void()>& step, int runs) {
    std::vector<double> wall, cpu;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        step();
        cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {median(wall), median(cpu)};
}

struct Step {
    const char* name;
    std::function<void()> run;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir home;
    prepareProgramFolder(home.path());
    Database data(home.path());
    SqlEngine& db = data.db();
    db.transaction([&] {
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            fillTable(db, t);
    });

    SilentLog log;
    const QString year = QString::number(kFirstYear + kYears - 1);
    const std::vector<Step> steps{
        {"computation of one year (nine tables)", [&] { computeRegionalTotals(db, kRegion, year, log); }},
        // Reads the totals the step above left, as the save button does after "Рассчитать".
        {"totals workbook export of that year", [&] {
             saveXlsx(buildTotalsWorkbook(db, kRegion, year, log), QDir(home.path()).filePath("outstavor.xlsx"));
         }},
    };
    std::printf("%d titles a year over %d years, every table filled; median of %d runs\n", kTitlesPerYear, kYears,
                runs);
    for (const Step& step : steps) {
        const Timing t = medianTiming(step.run, runs);
        std::printf("%-40s %8.1f ms wall %8.1f ms CPU\n", step.name, t.wallMs, t.cpuMs);
    }
    return 0;
}
