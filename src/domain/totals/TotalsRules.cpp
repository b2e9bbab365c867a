#include "TotalsRules.h"

#include "domain/db/Schema.h"

#include <QStringList>

namespace {

// A run of columns that repeats through a table: the columns at meanOffsets are means weighted by
// the column at weightOffset of the same run; the others are summed.
struct RunShape {
    int size;
    int weightOffset;
    QList<int> meanOffsets;
};

constexpr int kTable4Section = 15;
constexpr int kTable4Group = 4;
const RunShape kTable4GroupShape{kTable4Group, 1, {2, 3}};

RunShape runShapeOf(int table) {
    switch (table) {
    case 3: return {10, 0, {9}};
    case 5: return {13, 0, {11, 12}};
    case 6: return {3, 0, {2}};
    case 7:
    case 8: return {2, 0, {1}};
    default: return {1, 0, {}}; // Tables 1, 2 and 9: every column summed
    }
}

QList<TotalsColumnRule> rulesOfRun(const QStringList& run, const RunShape& shape) {
    QList<TotalsColumnRule> rules;
    for (int i = 0; i < run.size(); ++i) {
        TotalsColumnRule rule{run.at(i), {}};
        if (shape.meanOffsets.contains(i))
            rule.meanTerms = {{run.at(i), run.at(shape.weightOffset)}};
        rules << rule;
    }
    return rules;
}

QList<TotalsColumnRule> rulesOfRuns(const QStringList& columns, const RunShape& shape) {
    QList<TotalsColumnRule> rules;
    for (int from = 0; from < columns.size(); from += shape.size)
        rules << rulesOfRun(columns.mid(from, shape.size), shape);
    return rules;
}

// A section of Table 4: three groups of four (head counts, weights, two means), then a mean with
// the per-row weight of the three groups and two means pooled over the groups.
QList<TotalsColumnRule> table4SectionRules(const QStringList& section) {
    QList<TotalsColumnRule> rules = rulesOfRuns(section.mid(0, 3 * kTable4Group), kTable4GroupShape);
    QStringList weights;
    QList<TotalsColumnRule::Term> firstMeans, secondMeans;
    for (int g = 0; g < 3; ++g) {
        const QString weight = section.at(g * kTable4Group + 1);
        weights << QStringLiteral("ifnull(%1,0)").arg(weight);
        firstMeans << TotalsColumnRule::Term{section.at(g * kTable4Group + 2), weight};
        secondMeans << TotalsColumnRule::Term{section.at(g * kTable4Group + 3), weight};
    }
    const QString perRow = section.at(12);
    rules << TotalsColumnRule{perRow, {{perRow, weights.join(u'+')}}};
    rules << TotalsColumnRule{section.at(13), firstMeans};
    rules << TotalsColumnRule{section.at(14), secondMeans};
    return rules;
}

// A part is a sum, or a mean's numerator and divisor summed in floating point; `sum` and `real`
// say how one value is summed or made a floating-point part.
QString parts(const TotalsColumnRule& rule, const QString& sum, const QString& real) {
    if (!rule.isMean())
        return QStringLiteral("coalesce(%1,0) AS %2").arg(sum.arg(rule.column), rule.column);
    QStringList numerator, divisor;
    for (const TotalsColumnRule::Term& t : rule.meanTerms) {
        numerator << real.arg(QStringLiteral("%1*(%2)").arg(t.value, t.weight));
        divisor << real.arg(t.weight);
    }
    return QStringLiteral("%1 AS %3_n,%2 AS %3_d").arg(numerator.join(u'+'), divisor.join(u'+'), rule.column);
}

} // namespace

QString TotalsColumnRule::partsSql() const {
    return parts(*this, QStringLiteral("sum(%1)"), QStringLiteral("total(%1)"));
}

// total() of one value is that value in floating point, 0.0 for NULL.
QString TotalsColumnRule::rowPartsSql() const {
    return parts(*this, QStringLiteral("%1"), QStringLiteral("coalesce(CAST(%1 AS REAL),0.0)"));
}

QString TotalsColumnRule::levelSql() const {
    if (!isMean())
        return QStringLiteral("sum(%1)").arg(column);
    return QStringLiteral("CASE WHEN sum(%1_d)=0 THEN 0 ELSE sum(%1_n)/sum(%1_d) END").arg(column);
}

QList<TotalsColumnRule> totalsColumnRules(int table) {
    const QStringList columns = Schema::dataColumns(table);
    if (table != 4)
        return rulesOfRuns(columns, runShapeOf(table));
    QList<TotalsColumnRule> rules;
    for (int from = 0; from < columns.size(); from += kTable4Section)
        rules << table4SectionRules(columns.mid(from, kTable4Section));
    return rules;
}
