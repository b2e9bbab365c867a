#include "TotalsCommandLine.h"

#include "RegionalTotals.h"
#include "TotalsExport.h"
#include "TotalsLog.h"
#include "app/ProgramFolder.h"
#include "app/StartUp.h"
#include "db/UnitDB.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/XlsxWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <exception>

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kBadUsage = 2 };

const char* const kUsage = "Использование: stavor totals --home КАТАЛОГ --region НАЗВАНИЕ --year ГГГГ [--export]";

void print(std::FILE* stream, const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stream);
    std::fflush(stream);
}

class ConsoleLog : public TotalsLog {
public:
    void logLine(const QString& line) override { print(stdout, line); }
};

// The save button's workbook, written to doc/outstavor.xlsx without being shown.
void exportTotalsWorkbook(TDataMdl& data, const QString& regionName, const QString& year, TotalsLog& log) {
    const Workbook book = buildTotalsWorkbook(data.db(), regionName, year, log);
    saveXlsx(book, QDir(ProgramPaths::doc(data.programFolder())).filePath(QString::fromLatin1(kTotalsWorkbookFile)));
}

} // namespace

int runTotalsCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Stavor"));

    const QCommandLineOption home(QStringLiteral("home"), QString(), QStringLiteral("dir"));
    const QCommandLineOption region(QStringLiteral("region"), QString(), QStringLiteral("name"));
    const QCommandLineOption year(QStringLiteral("year"), QString(), QStringLiteral("yyyy"));
    const QCommandLineOption exportWorkbook(QStringLiteral("export"));
    const QCommandLineOption demo(QStringLiteral("demo"));
    QCommandLineParser parser;
    parser.addOptions({home, region, year, exportWorkbook, demo});
    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments) || parser.positionalArguments() != QStringList{QStringLiteral("totals")}) {
        if (!parser.errorText().isEmpty())
            print(stderr, parser.errorText());
        print(stderr, QString::fromUtf8(kUsage));
        return kBadUsage;
    }

    try {
        const auto data = openProgramFolder(arguments, QCoreApplication::applicationDirPath());
        ConsoleLog log;
        computeRegionalTotals(data->db(), parser.value(region), parser.value(year), log);
        if (parser.isSet(exportWorkbook))
            exportTotalsWorkbook(*data, parser.value(region), parser.value(year), log);
        return kDone;
    } catch (const std::exception& e) {
        print(stderr, QString::fromUtf8(e.what()));
        return kFailed;
    }
}
