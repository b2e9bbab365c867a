#include "TableTotals.h"

#include "TotalsLog.h"
#include "TotalsOverflow.h"
#include "TotalsRules.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"

#include <QStringList>

namespace {

// A level of summation: which farm rows it takes and by which title columns it groups them.
struct Level {
    bool breedingOnly; // farm categories 21 to 24, whose rows carry the category code 20
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

QString levelSelect(const QString& values, const Level& level) {
    QStringList keys{QStringLiteral("oblm")};
    if (level.byCategory)
        keys << QStringLiteral("kkhm");
    if (level.byBreed)
        keys << QStringLiteral("porm");
    keys << QStringLiteral("godm");
    const QString category = level.byCategory ? QStringLiteral("kkhm") : level.breedingOnly ? QStringLiteral("20")
                                                                                          : QStringLiteral("0");
    const QString breed = level.byBreed ? QStringLiteral("porm") : QStringLiteral("0");
    const QString where = level.breedingOnly ? QStringLiteral(" WHERE kkhm IN (21,22,23,24)") : QString();
    return QStringLiteral("SELECT %1,oblm,%2 AS kkhm,%3 AS porm,godm FROM parts%4 GROUP BY %5")
        .arg(values, category, breed, where, keys.join(u','));
}

// One pass over the scope's farm rows makes the parts; every level, in order, sums them up.
// The level rows carry the rules' columns by name, then oblm, kkhm, porm, godm.
QString levelsQuery(int table, const QList<TotalsColumnRule>& rules) {
    QStringList parts, values;
    for (const TotalsColumnRule& rule : rules) {
        parts << rule.partsSql();
        values << QStringLiteral("%1 AS %2").arg(rule.levelSql(), rule.column);
    }
    QStringList levels;
    for (const Level& level : levelsOf(table))
        levels << levelSelect(values.join(u','), level);
    return QStringLiteral("WITH parts AS (SELECT %1,oblm,kkhm,porm,godm FROM %2 WHERE oblm=? AND godm=? "
                          "GROUP BY oblm,kkhm,porm,godm) %3")
        .arg(parts.join(u','), Schema::dataTable(table), levels.join(QStringLiteral(" UNION ALL ")));
}

// The whole table in one statement: the level rows that are not all zero, unsent, with an empty
// datesend. Means keep the 15 significant digits of the general floating format, never rounded
// further.
QString insertStatement(int table, const QList<TotalsColumnRule>& rules) {
    QStringList columns, values, nonZero;
    for (const TotalsColumnRule& rule : rules) {
        columns << rule.column;
        values << (rule.isMean() ? QStringLiteral("significant15(%1)").arg(rule.column) : rule.column);
        nonZero << QStringLiteral("ifnull(%1,0)<>0").arg(rule.column);
    }
    columns << Schema::titleColumns() << QStringLiteral("send");
    values << QStringLiteral("oblm,0,0,kkhm,porm,godm,0");
    if (Schema::hasDateSend(table)) {
        columns << QStringLiteral("datesend");
        values << QStringLiteral("''");
    }
    return QStringLiteral("INSERT INTO %1(%2) SELECT %3 FROM (%4) WHERE %5")
        .arg(Schema::totalsTable(table), columns.join(u','), values.join(u','), levelsQuery(table, rules),
             nonZero.join(QStringLiteral(" OR ")));
}

// The first column of the new total rows that holds an infinite value, or nothing.
QString infiniteColumn(int table, SqlEngine& db, const QList<TotalsColumnRule>& rules) {
    QStringList cases;
    for (const TotalsColumnRule& rule : rules)
        cases << QStringLiteral("WHEN abs(%1)=9e999 THEN '%1'").arg(rule.column);
    const SqlResult found = db.select(QStringLiteral("SELECT CASE %1 END AS overflow FROM %2 WHERE overflow IS NOT "
                                                     "NULL LIMIT 1")
                                          .arg(cases.join(u' '), Schema::totalsTable(table)));
    return found.isEmpty() ? QString() : found.first().text(0);
}

// The farm of the scope with the largest value in the column, as its six title codes.
QString largestFarm(int table, SqlEngine& db, const TotalsScope& scope, const QString& column) {
    const SqlResult farms = db.select(QStringLiteral("SELECT oblm,rnm,khm,kkhm,porm,godm FROM %1 WHERE oblm=? AND "
                                                     "godm=? ORDER BY abs(%2) DESC, rnm, khm LIMIT 1")
                                          .arg(Schema::dataTable(table), column),
                                      {scope.regionCode, scope.year});
    if (farms.isEmpty())
        return {};
    const SqlRow& f = farms.first();
    return QStringLiteral("регион %1, район %2, хозяйство %3, категория %4, порода %5, год %6")
        .arg(f.text(0), f.text(1), f.text(2), f.text(3), f.text(4), f.text(5));
}

void requireFinite(int table, SqlEngine& db, const TotalsScope& scope, const QList<TotalsColumnRule>& rules) {
    const QString column = infiniteColumn(table, db, rules);
    if (column.isEmpty())
        return;
    throw TotalsOverflow(QStringLiteral("Итоги не рассчитаны: сумма столбца %1 таблицы %2 выходит за пределы чисел "
                                        "из-за слишком больших значений хозяйства (%3). Итоговые таблицы не изменены.")
                             .arg(column)
                             .arg(table)
                             .arg(largestFarm(table, db, scope, column)));
}

QString logLine(int table, int added) {
    if (added >= 1)
        return QStringLiteral("В итоговую таблицу %1 добавлено %2 записей.").arg(table).arg(added);
    return QStringLiteral("В итоговую таблицу %1 не добавлено записей.").arg(table);
}

} // namespace

QString totalsLevelsQuery(int table) { return levelsQuery(table, totalsColumnRules(table)); }

int createTableItog(int table, SqlEngine& db, const TotalsScope& scope, TotalsLog& log) {
    const QList<TotalsColumnRule> rules = totalsColumnRules(table);
    int added = 0;
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM ") + Schema::totalsTable(table));
        added = db.execute(insertStatement(table, rules), {scope.regionCode, scope.year});
        requireFinite(table, db, scope, rules);
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
