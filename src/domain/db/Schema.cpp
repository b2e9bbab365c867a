#include "Schema.h"

#include "SqlEngine.h"

#include <QStringList>

namespace {

QString numbered(const QString& prefix, int from, int to, int width) {
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << prefix + QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return names.join(u',');
}

// Column groups of each report table: prefix, first and last cell number.
struct Block {
    const char* prefix;
    int from;
    int to;
};

QList<Block> blocksOf(int table) {
    switch (table) {
    case 1: return {{"tm1", 1, 35}};
    case 2: return {{"tm2", 1, 14}};
    case 3: return {{"tm3", 1, 40}};
    case 4: return {{"tm4", 1, 45}};
    case 5: return {{"tm5", 1, 65}};
    case 6: return {{"tm6b", 1, 18}, {"tm6t", 19, 36}};
    case 7: return {{"tm7b", 1, 10}, {"tm7t", 11, 20}};
    case 8: return {{"tm8b", 1, 10}, {"tm8k", 11, 20}};
    case 9: return {{"tm9", 1, 9}};
    default: return {};
    }
}

QString reportTableDdl(const QString& name, int table) {
    QStringList cols;
    for (const QString& c : Schema::dataColumns(table))
        cols << c + QStringLiteral(" NUMERIC");
    cols << QStringLiteral("oblm INTEGER") << QStringLiteral("rnm INTEGER")
         << QStringLiteral("khm INTEGER") << QStringLiteral("kkhm INTEGER")
         << QStringLiteral("porm INTEGER") << QStringLiteral("godm INTEGER")
         << QStringLiteral("send BOOLEAN DEFAULT FALSE");
    if (Schema::hasDateSend(table))
        cols << QStringLiteral("datesend TEXT DEFAULT ''");
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name, cols.join(u", "));
}

// The tables beside the report tables: name and column definitions.
struct PlainTable {
    const char* name;
    const char* columns;
};

const PlainTable kPlainTables[] = {
    {"spobl", "kod INTEGER, kodb TEXT, im TEXT"},
    {"kodra", "kodr INTEGER, kodraj INTEGER, im TEXT, send BOOLEAN DEFAULT FALSE, datesend TEXT DEFAULT ''"},
    {"kodxoz", "kodr INTEGER, kodraj INTEGER, kodx INTEGER, im TEXT, send BOOLEAN DEFAULT FALSE, "
               "datesend TEXT DEFAULT ''"},
    {"kodkx", "kkx INTEGER, imy TEXT"},
    {"sppor", "gr INTEGER, kod INTEGER, im TEXT, kodb TEXT, udl1 TEXT, gru TEXT, stj TEXT, grj TEXT"},
    {"sklin", "gr INTEGER, kod INTEGER, im TEXT, gkp TEXT"},
    {"kodup", "kodup INTEGER, kodu TEXT"},
    {"kodst", "kodr INTEGER, im TEXT"},
    {"kodkb", "kodr INTEGER, im TEXT"},
    {"k1obl", "cobl INTEGER, god TEXT"},
    {"sprsost", "number INTEGER, oblm INTEGER, rnm INTEGER, khm INTEGER, kkhm INTEGER, porm INTEGER, "
                "godm INTEGER, tab1 TEXT, tab2 TEXT, tab3 TEXT, tab4 TEXT, tab5 TEXT, tab6 TEXT, tab7 TEXT, "
                "tab8 TEXT, tab9 TEXT"},
};

} // namespace

namespace Schema {

QString dataTable(int table) { return QStringLiteral("tmjs%1").arg(table); }
QString totalsTable(int table) { return QStringLiteral("stmjs%1").arg(table); }

QStringList dataColumns(int table) {
    QStringList cols;
    const int width = table == 9 ? 1 : 2;
    for (const Block& b : blocksOf(table))
        cols << numbered(QLatin1String(b.prefix), b.from, b.to, width).split(u',');
    return cols;
}

bool hasDateSend(int table) { return table != 7 && table != 8; }

const QStringList& titleColumns() {
    static const QStringList cols{QStringLiteral("oblm"), QStringLiteral("rnm"), QStringLiteral("khm"),
                                  QStringLiteral("kkhm"), QStringLiteral("porm"), QStringLiteral("godm")};
    return cols;
}

const QStringList& referenceTables() {
    static const QStringList names{QStringLiteral("spobl"), QStringLiteral("kodra"),  QStringLiteral("kodxoz"),
                                   QStringLiteral("kodkx"), QStringLiteral("sppor"),  QStringLiteral("sklin"),
                                   QStringLiteral("kodup"), QStringLiteral("kodst"),  QStringLiteral("kodkb")};
    return names;
}

QStringList allTables() {
    QStringList names;
    for (const PlainTable& t : kPlainTables)
        names << QLatin1String(t.name);
    for (int t = 1; t <= kReportTableCount; ++t)
        names << dataTable(t) << totalsTable(t);
    return names;
}

QStringList missingTables(const QStringList& present) {
    QStringList missing;
    for (const QString& table : allTables())
        if (!present.contains(table, Qt::CaseInsensitive))
            missing << table;
    return missing;
}

void create(SqlEngine& db) {
    db.transaction([&] {
        for (const PlainTable& t : kPlainTables)
            db.execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(t.name), QLatin1String(t.columns)));
        for (int t = 1; t <= kReportTableCount; ++t) {
            db.execute(reportTableDdl(dataTable(t), t));
            db.execute(reportTableDdl(totalsTable(t), t));
        }
        ensureIndexes(db);
    });
}

void ensureIndexes(SqlEngine& db) {
    const QString title = titleColumns().join(u',');
    for (int t = 1; t <= kReportTableCount; ++t) {
        // One row per table title: saving and title editing rely on the engine refusing a second.
        db.execute(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1_title ON %1 (%2)")
                       .arg(dataTable(t), title));
        // The totals take one region and year and group its rows by category and breed.
        db.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_region_year ON %1 (oblm,godm,kkhm,porm)")
                       .arg(dataTable(t)));
    }
}

QStringList missingParts(SqlEngine& db) {
    // The program's own schema, made afresh in memory, is the measure.
    SqlEngine reference(QStringLiteral(":memory:"));
    create(reference);
    const QStringList absent = missingTables(db.tableNames());
    QStringList missing;
    for (const QString& table : reference.tableNames()) {
        if (absent.contains(table, Qt::CaseInsensitive)) {
            missing << QStringLiteral("нет таблицы %1").arg(table);
            continue;
        }
        const QStringList have = db.columnNames(table);
        QStringList lacking;
        for (const QString& column : reference.columnNames(table))
            if (!have.contains(column, Qt::CaseInsensitive))
                lacking << column;
        if (!lacking.isEmpty())
            missing << QStringLiteral("в таблице %1 нет столбцов %2").arg(table, lacking.join(QStringLiteral(", ")));
    }
    return missing;
}

} // namespace Schema
