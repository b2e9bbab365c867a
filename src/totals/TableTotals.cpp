#include "TableTotals.h"

#include "TotalsLog.h"
#include "TotalsRules.h"
#include "db/Schema.h"
#include "db/SqlEngine.h"

#include <QStringList>

namespace {

// The title code of the rows that sum the breeding farms (categories 21 to 24).
constexpr int kBreedingFarms = 20;

// A level of summation: which farm rows it takes and by which title columns it groups them.
struct Level {
    bool breedingOnly;
    bool byCategory;
    bool byBreed;
};

QList<Level> levelsOf(int table) {
    QList<Level> levels{
        {false, false, false}, // whole region
        {true, false, false},  // breeding farms
        {true, false, true},   // breeding farms by breed
        {false, true, false},  // farm category
        {false, true, true},   // farm category by breed
    };
    if (table == 4)
        levels.insert(1, Level{false, false, true}); // whole region by breed
    return levels;
}

QString groupedQuery(int table, const QList<TotalsColumnRule>& rules, const Level& level) {
    QStringList items;
    for (const TotalsColumnRule& rule : rules)
        items << rule.aggregateSql();
    QStringList keys{QStringLiteral("oblm")};
    if (level.byCategory)
        keys << QStringLiteral("kkhm");
    if (level.byBreed)
        keys << QStringLiteral("porm");
    keys << QStringLiteral("godm");
    const QString group = keys.join(u',');
    QString sql = QStringLiteral("SELECT %1,%2 FROM %3 WHERE oblm=? AND godm=?")
                      .arg(items.join(u','), group, Schema::dataTable(table));
    if (level.breedingOnly)
        sql += QStringLiteral(" AND kkhm IN (21,22,23,24)");
    return sql + QStringLiteral(" GROUP BY ") + group;
}

QString insertStatement(int table) {
    QStringList columns = Schema::dataColumns(table) + Schema::titleColumns();
    columns << QStringLiteral("send");
    if (Schema::hasDateSend(table))
        columns << QStringLiteral("datesend");
    QStringList marks;
    marks.fill(QStringLiteral("?"), columns.size());
    return QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
        .arg(Schema::totalsTable(table), columns.join(u','), marks.join(u','));
}

// Means keep the 15 significant digits of the general floating format, never rounded further.
QVariant storedValue(const TotalsColumnRule& rule, const QVariant& value) {
    if (!rule.isMean())
        return value;
    return QString::number(value.toDouble(), 'g', 15).toDouble();
}

// The values of a grouped row in column order, or nothing when every one of them is 0.
QVariantList totalValues(const QList<TotalsColumnRule>& rules, const SqlRow& row) {
    QVariantList values;
    bool anyNonZero = false;
    for (int i = 0; i < rules.size(); ++i) {
        values << storedValue(rules.at(i), row.value(i));
        anyNonZero = anyNonZero || values.last().toDouble() != 0.0;
    }
    return anyNonZero ? values : QVariantList{};
}

QVariantList titleValues(int table, const Level& level, const SqlRow& row) {
    const QVariant category = level.byCategory ? row.value(QStringLiteral("kkhm"))
                                               : QVariant(level.breedingOnly ? kBreedingFarms : 0);
    const QVariant breed = level.byBreed ? row.value(QStringLiteral("porm")) : QVariant(0);
    QVariantList title{row.value(QStringLiteral("oblm")), 0, 0, category, breed, row.value(QStringLiteral("godm")),
                       false};
    if (Schema::hasDateSend(table))
        title << QString();
    return title;
}

// What one table's computation needs for every level: its column rules and its insert.
struct TableTotalsPlan {
    int table;
    QList<TotalsColumnRule> rules;
    QString insert;
};

int insertLevel(SqlEngine& db, const TableTotalsPlan& plan, const TotalsScope& scope, const Level& level) {
    const SqlResult groups =
        db.select(groupedQuery(plan.table, plan.rules, level), {scope.regionCode, scope.year});
    int added = 0;
    for (const SqlRow& row : groups) {
        const QVariantList values = totalValues(plan.rules, row);
        if (!values.isEmpty())
            added += db.execute(plan.insert, values + titleValues(plan.table, level, row));
    }
    return added;
}

QString logLine(int table, int added) {
    if (added >= 1)
        return QStringLiteral("В итоговую таблицу %1 добавлено %2 записей.").arg(table).arg(added);
    return QStringLiteral("В итоговую таблицу %1 не добавлено записей.").arg(table);
}

} // namespace

int createTableItog(int table, SqlEngine& db, const TotalsScope& scope, TotalsLog& log) {
    const TableTotalsPlan plan{table, totalsColumnRules(table), insertStatement(table)};
    int added = 0;
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM ") + Schema::totalsTable(table));
        for (const Level& level : levelsOf(table))
            added += insertLevel(db, plan, scope, level);
    });
    log.logLine(logLine(table, added));
    return added;
}

int CreateTable1Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(1, db, scope, log); }
int CreateTable2Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(2, db, scope, log); }
int CreateTable3Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(3, db, scope, log); }
int CreateTable4Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(4, db, scope, log); }
int CreateTable5Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(5, db, scope, log); }
int CreateTable6Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(6, db, scope, log); }
int CreateTable7Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(7, db, scope, log); }
int CreateTable8Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(8, db, scope, log); }
int CreateTable9Itog(SqlEngine& db, const TotalsScope& scope, TotalsLog& log) { return createTableItog(9, db, scope, log); }
