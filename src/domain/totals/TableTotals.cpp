#include "TableTotals.h"

#include "TotalsLog.h"
#include "TotalsOverflow.h"
#include "TotalsRules.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"

#include <QStringList>
#include <cmath>

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
QString totalsQuery(int table, const QList<TotalsColumnRule>& rules) {
    QStringList parts, values;
    for (const TotalsColumnRule& rule : rules) {
        parts << rule.partsSql();
        values << rule.levelSql();
    }
    QStringList levels;
    for (const Level& level : levelsOf(table))
        levels << levelSelect(values.join(u','), level);
    return QStringLiteral("WITH parts AS (SELECT %1,oblm,kkhm,porm,godm FROM %2 WHERE oblm=? AND godm=? "
                          "GROUP BY oblm,kkhm,porm,godm) %3")
        .arg(parts.join(u','), Schema::dataTable(table), levels.join(QStringLiteral(" UNION ALL ")));
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

[[noreturn]] void refuseOverflow(int table, SqlEngine& db, const TotalsScope& scope, const QString& column) {
    throw TotalsOverflow(QStringLiteral("Итоги не рассчитаны: сумма столбца %1 таблицы %2 выходит за пределы чисел "
                                        "из-за слишком больших значений хозяйства (%3). Итоговые таблицы не изменены.")
                             .arg(column)
                             .arg(table)
                             .arg(largestFarm(table, db, scope, column)));
}

// The values of a level row in column order, or nothing when every one of them is 0.
QVariantList totalValues(int table, SqlEngine& db, const TotalsScope& scope, const QList<TotalsColumnRule>& rules,
                         const SqlRow& row) {
    QVariantList values;
    bool anyNonZero = false;
    for (int i = 0; i < rules.size(); ++i) {
        if (!std::isfinite(row.value(i).toDouble()))
            refuseOverflow(table, db, scope, rules.at(i).column);
        values << storedValue(rules.at(i), row.value(i));
        anyNonZero = anyNonZero || values.last().toDouble() != 0.0;
    }
    return anyNonZero ? values : QVariantList{};
}

QVariantList titleValues(int table, const SqlRow& row) {
    QVariantList title{row.value(QStringLiteral("oblm")), 0, 0, row.value(QStringLiteral("kkhm")),
                       row.value(QStringLiteral("porm")), row.value(QStringLiteral("godm")), false};
    if (Schema::hasDateSend(table))
        title << QString();
    return title;
}

QString logLine(int table, int added) {
    if (added >= 1)
        return QStringLiteral("В итоговую таблицу %1 добавлено %2 записей.").arg(table).arg(added);
    return QStringLiteral("В итоговую таблицу %1 не добавлено записей.").arg(table);
}

} // namespace

int createTableItog(int table, SqlEngine& db, const TotalsScope& scope, TotalsLog& log) {
    const QList<TotalsColumnRule> rules = totalsColumnRules(table);
    int added = 0;
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM ") + Schema::totalsTable(table));
        QList<QVariantList> totalRows;
        for (const SqlRow& row : db.select(totalsQuery(table, rules), {scope.regionCode, scope.year})) {
            const QVariantList values = totalValues(table, db, scope, rules, row);
            if (!values.isEmpty())
                totalRows << values + titleValues(table, row);
        }
        added = db.executeEach(insertStatement(table), totalRows);
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
