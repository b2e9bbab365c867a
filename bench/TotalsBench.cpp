// Times the regional totals against their floors on synthetic regions of 2,000, 8,000 and 32,000
// titles a year over ten years, every table filled. Run by hand: totals_bench [runs [largest region]]
// The consistency report and the status report of the same region and year are timed too; they
// have no floor.
//
// Floors: the computation as one INSERT…SELECT per table run in the bare engine through its C
// interface (its own connection, default settings, the same one commit); the export as a plain
// loop of the same libxlsxwriter calls over values read beforehand.
#include "domain/consistency/ConsistencyCheck.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/service/StatusReport.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxLibrary.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TableTotals.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/TotalsLog.h"

#include <QCoreApplication>
#include <QProcess>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kYears = 10;
constexpr int kFirstYear = 2017;
constexpr int kLastYear = kFirstYear + kYears - 1;
const QString kRegion = QStringLiteral("Оренбургская область");

// Farms of eight breeds each, 25 to a district; categories cycle through ordinary and breeding farms.
void fillTable(SqlEngine& db, int table, int titlesPerYear) {
    const QStringList columns = Schema::dataColumns(table);
    QStringList values;
    for (int k = 0; k < columns.size(); ++k)
        values << QStringLiteral("((i*31+%1*17)%200)+1").arg(k);
    const QString farm = QStringLiteral("((i%%1)/8)").arg(titlesPerYear);
    const QString title = QStringLiteral("56,%1/25+1,%1+1,"
                                         "CASE %1%6 WHEN 0 THEN 11 WHEN 1 THEN 12 WHEN 2 THEN 21 WHEN 3 THEN 22 "
                                         "WHEN 4 THEN 23 ELSE 24 END,i%8+1,%2+i/%3")
                              .arg(farm, QString::number(kFirstYear), QString::number(titlesPerYear));
    db.execute(QStringLiteral("INSERT INTO %1(%2,oblm,rnm,khm,kkhm,porm,godm) "
                              "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<%3) "
                              "SELECT %4,%5 FROM n")
                   .arg(Schema::dataTable(table), columns.join(u','), QString::number(titlesPerYear * kYears - 1),
                        values.join(u','), title));
}

// Names for the districts and farms fillTable uses: the consistency report lists only named titles.
void addNames(SqlEngine& db, int titlesPerYear) {
    const int farms = titlesPerYear / 8;
    const QString numbers =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<%1) ");
    db.execute(QStringLiteral("INSERT INTO kodra(kodr,kodraj,im) %1SELECT 56,i+1,'Район '||(i+1) FROM n")
                   .arg(numbers.arg((farms - 1) / 25)));
    db.execute(
        QStringLiteral("INSERT INTO kodxoz(kodr,kodraj,kodx,im) %1SELECT 56,i/25+1,i+1,'Хозяйство '||(i+1) FROM n")
            .arg(numbers.arg(farms - 1)));
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

Timing timeOnce(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    step();
    return {double(timer.nsecsElapsed()) / 1e6, 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

// The CPU milliseconds the finished child processes have used so far.
double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// One run of a program to its end, timed by the wall clock and by its own CPU time.
Timing runProcess(const QString& program, const QStringList& arguments, const QString& input = {}) {
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const Timing t{double(timer.nsecsElapsed()) / 1e6, childrenCpuMs() - cpuBefore};
    if (process.exitCode() != 0)
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return t;
}

// The computation's floor: the same nine tables, one INSERT…SELECT each, in one transaction.
class BareComputation {
public:
    explicit BareComputation(const QString& file) {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(handle_, 3000);
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            QStringList columns = Schema::dataColumns(t);
            columns << QStringLiteral("oblm,kkhm,porm,godm");
            sql_.push_back(QStringLiteral("INSERT INTO %1(%2) %3")
                               .arg(Schema::totalsTable(t), columns.join(u','), totalsLevelsQuery(t))
                               .toStdString());
        }
    }
    ~BareComputation() { sqlite3_close(handle_); }

    // The same transaction as a script for the engine's shell, with the scope written in.
    void writeScript(const QString& path, int year) const {
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("BEGIN IMMEDIATE;\n");
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            QString sql = QString::fromStdString(sql_.at(size_t(t - 1)));
            sql.replace(sql.indexOf(u'?'), 1, QStringLiteral("56"));
            sql.replace(sql.indexOf(u'?'), 1, QString::number(year));
            script.write(QStringLiteral("DELETE FROM stmjs%1;\n%2;\n").arg(t).arg(sql).toUtf8());
        }
        script.write("COMMIT;\n");
    }

    void run(int year) {
        exec("BEGIN IMMEDIATE");
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            exec(("DELETE FROM stmjs" + std::to_string(t)).c_str());
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(handle_, sql_.at(size_t(t - 1)).c_str(), -1, &statement, nullptr);
            sqlite3_bind_int(statement, 1, 56);
            sqlite3_bind_int(statement, 2, year);
            if (sqlite3_step(statement) != SQLITE_DONE)
                std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(handle_));
            sqlite3_finalize(statement);
        }
        exec("COMMIT");
    }

private:
    void exec(const char* sql) {
        if (sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(handle_));
    }

    sqlite3* handle_ = nullptr;
    std::vector<std::string> sql_;
};

// The export's floor: the workbook's cells taken out beforehand as plain values, then written with
// the same library calls in one loop.
struct PlainCell {
    lxw_row_t row;
    lxw_col_t column;
    bool isNumber;
    bool isText;
    double number;
    std::string text;
    FormatId format;
};

struct PlainSheet {
    const Worksheet* sheet;
    std::string name;
    std::vector<PlainCell> cells;
};

std::vector<PlainSheet> plainSheets(const Workbook& book) {
    std::vector<PlainSheet> sheets;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const Worksheet& sheet = book.sheetAt(i);
        PlainSheet plain{&sheet, sheet.name().toStdString(), {}};
        sheet.forEachCell([&](CellAddress cell, const CellValue& value, FormatId format) {
            plain.cells.push_back({lxw_row_t(cell.row - 1), lxw_col_t(cell.column - 1), value.isNumber(),
                                   value.isText(), value.isNumber() ? value.number() : 0.0,
                                   value.isText() ? value.text().toStdString() : std::string(), format});
        });
        sheets.push_back(std::move(plain));
    }
    return sheets;
}

void bareExport(const Workbook& book, const std::vector<PlainSheet>& sheets, const std::string& path) {
    lxw_workbook* file = workbook_new(path.c_str());
    std::vector<lxw_format*> formats;
    for (FormatId id = 0; id < book.formats().size(); ++id)
        formats.push_back(makeLibraryFormat(file, book.formats().at(id)));
    for (const PlainSheet& plain : sheets) {
        lxw_worksheet* target = workbook_add_worksheet(file, plain.name.c_str());
        writeLibrarySizes(target, *plain.sheet);
        writeLibraryPageSetup(target, *plain.sheet);
        for (const CellRange& m : plain.sheet->mergedRanges())
            worksheet_merge_range(target, m.first().row - 1, lxw_col_t(m.first().column - 1), m.last().row - 1,
                                  lxw_col_t(m.last().column - 1), "", formats[plain.sheet->formatId(m.first())]);
        for (const PlainCell& c : plain.cells) {
            if (c.isNumber)
                worksheet_write_number(target, c.row, c.column, c.number, formats[c.format]);
            else if (c.isText)
                worksheet_write_string(target, c.row, c.column, c.text.c_str(), formats[c.format]);
            else
                worksheet_write_blank(target, c.row, c.column, formats[c.format]);
        }
    }
    workbook_close(file);
}

void printRow(const char* name, int titles, const Timing& stavor, const Timing& floor) {
    std::printf("%-12s %6d %9.1f %9.1f %9.1f %9.1f %7.2f %7.2f\n", name, titles, stavor.wallMs, stavor.cpuMs,
                floor.wallMs, floor.cpuMs, stavor.wallMs / floor.wallMs, stavor.cpuMs / floor.cpuMs);
    std::fflush(stdout);
}

// Each side runs as a series after one unmeasured run: the other side's writes from its own
// connection would otherwise empty this side's page cache every time.
Timing medianOf(const std::function<void()>& step, int runs) {
    step();
    std::vector<double> wall, cpu;
    for (int r = 0; r < runs; ++r) {
        const Timing t = timeOnce(step);
        wall.push_back(t.wallMs);
        cpu.push_back(t.cpuMs);
    }
    return {median(wall), median(cpu)};
}

void measure(const char* name, int titles, int runs, const std::function<void()>& step) {
    const Timing t = medianOf(step, runs);
    std::printf("%-12s %6d %9.1f %9.1f %9s %9s %7s %7s\n", name, titles, t.wallMs, t.cpuMs, "-", "-", "-", "-");
    std::fflush(stdout);
}

void compare(const char* name, int titles, int runs, const std::function<void()>& stavor,
             const std::function<void()>& floor) {
    const Timing floorTiming = medianOf(floor, runs);
    const Timing stavorTiming = medianOf(stavor, runs);
    printRow(name, titles, stavorTiming, floorTiming);
}

// One region size: a fresh program folder filled with titlesPerYear titles a year.
void measureRegion(int titlesPerYear, int runs) {
    QTemporaryDir home;
    prepareProgramFolder(home.path());
    Database data(home.path());
    SqlEngine& db = data.db();
    db.transaction([&] {
        addNames(db, titlesPerYear);
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            fillTable(db, t, titlesPerYear);
    });
    // As the program finds the database at its start: the cache is sized for the file then.
    data.reopen();
    SilentLog log;
    const QString year = QString::number(kLastYear);
    BareComputation bare(data.workingFile());
    computeRegionalTotals(db, kRegion, year, log);
    const Workbook read = buildTotalsWorkbook(db, kRegion, year, log);
    const std::vector<PlainSheet> plain = plainSheets(read);
    const QString stavorFile = QDir(home.path()).filePath("outstavor.xlsx");
    const std::string floorFile = QFile::encodeName(QDir(home.path()).filePath("floor.xlsx")).toStdString();

    compare("computation", titlesPerYear, runs, [&] { computeRegionalTotals(db, kRegion, year, log); },
            [&] { bare.run(kLastYear); });
    // The export reads the totals as the computation leaves them, as the save button does.
    computeRegionalTotals(db, kRegion, year, log);
    compare("export", titlesPerYear, runs,
            [&] { saveXlsx(buildTotalsWorkbook(db, kRegion, year, log), stavorFile); },
            [&] { bareExport(read, plain, floorFile); });
    // Whole processes: `stavor totals --export` against the engine's shell running the floor's
    // statements, plus the export's floor in process (a C program's start adds about a
    // millisecond).
    const QString script = QDir(home.path()).filePath("floor.sql");
    bare.writeScript(script, kLastYear);
    const Timing exportFloor = medianOf([&] { bareExport(read, plain, floorFile); }, runs);
    std::vector<double> sw, sc, fw, fc;
    for (int r = 0; r < runs; ++r) {
        const Timing s = runProcess(QStringLiteral(STAVOR_EXECUTABLE),
                                    {"totals", "--home", home.path(), "--region", kRegion, "--year", year, "--export"});
        const Timing f = runProcess(QStringLiteral("sqlite3"), {data.workingFile()}, script);
        sw.push_back(s.wallMs), sc.push_back(s.cpuMs);
        fw.push_back(f.wallMs + exportFloor.wallMs), fc.push_back(f.cpuMs + exportFloor.cpuMs);
    }
    printRow("process", titlesPerYear, {median(sw), median(sc)}, {median(fw), median(fc)});
    measure("consistency", titlesPerYear, runs, [&] { checkConsistency(db, QStringLiteral("56"), year); });
    measure("status", titlesPerYear, runs, [&] {
        if (const auto message = buildStatusReport(db, kRegion, year))
            std::fprintf(stderr, "status: %s\n", qPrintable(*message));
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    std::printf("Regions of N titles a year over %d years, every table filled; medians in ms of %d runs "
                "(fewer for the larger regions)\n",
                kYears, runs);
    std::fflush(stdout);
    std::printf("%-12s %6s %9s %9s %9s %9s %7s %7s\n", "step", "N", "wall", "CPU", "floor", "floorCPU", "ratio",
                "ratioCPU");
    const struct {
        int titles;
        int runs;
    } regions[] = {{2000, runs}, {8000, std::max(3, runs / 2)}, {32000, std::max(3, runs / 3)}};
    const int largest = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 32000;
    for (const auto& region : regions)
        if (region.titles <= largest)
            measureRegion(region.titles, region.runs);
    return 0;
}
