// Times the consistency check of one region and year of 2,000 titles (250 named farms, eight
// breeds each, every table stored, one title in ten disagreeing), with two more years stored
// beside it. Run by hand: consistency_bench [runs]
#include "domain/consistency/ConsistencyCheck.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFarms = 250;
constexpr int kBreeds = 8;
constexpr int kYears = 3;

void addFarms(SqlEngine& db) {
    QList<QVariantList> districts, farms;
    for (int d = 1; d <= 10; ++d)
        districts << QVariantList{56, 100 + d, QStringLiteral("Район %1").arg(d)};
    for (int f = 0; f < kFarms; ++f)
        farms << QVariantList{56, 101 + f / 25, f % 25 + 1, QStringLiteral("Хозяйство %1").arg(f + 1)};
    db.executeEach(QStringLiteral("INSERT INTO kodra(kodr,kodraj,im) VALUES(?,?,?)"), districts);
    db.executeEach(QStringLiteral("INSERT INTO kodxoz(kodr,kodraj,kodx,im) VALUES(?,?,?,?)"), farms);
}

// The compared columns of an agreeing herd; every other column 7.
const QHash<QString, int> kHerd{{"tm108", 3},  {"tm122", 40}, {"tm123", 30}, {"tm124", 12}, {"tm207", 40},
                                {"tm214", 3},  {"tm331", 40}, {"tm401", 10}, {"tm405", 10}, {"tm409", 10},
                                {"tm416", 4},  {"tm420", 4},  {"tm424", 4},  {"tm431", 20}, {"tm435", 15},
                                {"tm439", 5},  {"tm553", 3}};

// Row i: farm i / 8, breed i % 8 + 1; Table 2's cows one short in every tenth row.
void fillTable(SqlEngine& db, int table) {
    const QStringList columns = Schema::dataColumns(table);
    QStringList values;
    for (const QString& c : columns)
        values << (c == QLatin1String("tm207") ? QStringLiteral("CASE i%10 WHEN 0 THEN 39 ELSE 40 END")
                                               : QString::number(kHerd.value(c, 7)));
    const int rows = kFarms * kBreeds * kYears;
    const QString farm = QStringLiteral("((i/%1)%") + QString::number(kFarms) + u')';
    const QString title = QStringLiteral("56,101+") + farm + QStringLiteral("/25,") + farm +
                          QStringLiteral("%25+1,22,i%") + QString::number(kBreeds) + QStringLiteral("+1,2024+i/") +
                          QString::number(kFarms * kBreeds);
    db.execute(QStringLiteral("INSERT INTO ") + Schema::dataTable(table) + u'(' + columns.join(u',') +
               QStringLiteral(",oblm,rnm,khm,kkhm,porm,godm) WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 "
                              "FROM n WHERE i<") +
               QString::number(rows - 1) + QStringLiteral(") SELECT ") + values.join(u',') + u',' +
               title.arg(kBreeds) + QStringLiteral(" FROM n"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 9;
    QTemporaryDir home;
    prepareProgramFolder(home.path());
    Database data(home.path());
    SqlEngine& db = data.db();
    db.transaction([&] {
        addFarms(db);
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            fillTable(db, t);
    });
    std::vector<double> wall;
    ConsistencyReport report;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        report = checkConsistency(db, QStringLiteral("56"), QStringLiteral("2025"));
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(wall.begin(), wall.end());
    std::printf("consistency check of one region and year: %d titles, %lld findings, median of %d runs %.1f ms\n",
                report.titlesChecked, static_cast<long long>(report.findings.size()), runs, wall[wall.size() / 2]);
    return 0;
}
