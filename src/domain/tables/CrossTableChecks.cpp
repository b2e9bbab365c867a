#include "CrossTableChecks.h"

namespace {

qint64 sideSum(const QList<TableColumn>& side, const ColumnReader& read) {
    qint64 sum = 0;
    for (const TableColumn& c : side)
        sum += read(c);
    return sum;
}

QList<TableColumn> columns(int table, std::initializer_list<const char*> names) {
    QList<TableColumn> list;
    for (const char* name : names)
        list << TableColumn{table, QLatin1String(name)};
    return list;
}

CrossTableComparison comparison(QList<TableColumn> left, QList<TableColumn> right, const char* message,
                                bool inCorrection, bool inTable9Warnings) {
    return {std::move(left), std::move(right), QString::fromUtf8(message), inCorrection, inTable9Warnings};
}

QList<CrossTableComparison> build() {
    const auto cows1 = columns(1, {"tm122"});
    const auto bulls1 = columns(1, {"tm108"});
    const auto bulls2 = columns(2, {"tm214"});
    const auto bulls5 = columns(5, {"tm553"});
    return {
        comparison(cows1, columns(2, {"tm207"}),
                   "Итого\\Коровы из Таблицы 2 не соответствует Всего КРС\\Коровы из Таблицы 1.", true, true),
        comparison(bulls1, bulls2,
                   "Итого\\Быки-производители из Таблицы 2 не соответствует Всего КРС\\Быки-производители из "
                   "Таблицы 1.",
                   true, true),
        comparison(cows1, columns(3, {"tm331"}),
                   "Итого по стаду\\Всего коров из Таблицы 3 не соответствует Всего КРС\\Коровы из Таблицы 1.",
                   true, true),
        comparison(columns(4, {"tm431", "tm435", "tm439"}), cows1,
                   "Всего  из Таблицы 4 не соответствует  Коровы\\ Всего  из Таблицы 1.", false, true),
        comparison(columns(1, {"tm123"}), columns(4, {"tm401", "tm405", "tm409"}),
                   "Кол. коров\\ч\\п и 4 пок.  из Таблицы 4 не соответствует  Коровы\\ч\\п и 4 пок.  из "
                   "Таблицы 1.",
                   true, false),
        comparison(columns(1, {"tm124"}), columns(4, {"tm416", "tm420", "tm424"}),
                   "Кол. коров\\ 3 пок.  из Таблицы 4 не соответствует  Коровы\\ 3 пок.  из Таблицы 1.", true,
                   false),
        comparison(bulls1, bulls5,
                   "Итого\\Всего,гол.  из Таблицы 5 не соответствует  В том числе\\Быки-производители  из "
                   "Таблицы 1.",
                   true, true),
        comparison(bulls2, bulls5,
                   "Итого\\Быки-производители  из Таблицы 2 не соответствует  Итого\\Всего,гол.  из Таблицы 5.",
                   true, true),
    };
}

// Reads the page's own table from its cells and every other table from the stored rows.
ColumnReader pageReader(const RuleContext& context, int pageTable) {
    return [&context, pageTable](const TableColumn& c) {
        return c.table == pageTable ? context.integer(c.cell()) : context.stored(c.table, c.column);
    };
}

Rule comparisonRule(const CrossTableComparison& comparison, int pageTable, const QString& focus, bool blocks) {
    return {[comparison, pageTable](const RuleContext& context) {
                return compareSides(comparison, pageReader(context, pageTable)).differ();
            },
            comparison.message, focus, blocks};
}

QString firstCellOf(const CrossTableComparison& comparison, int table) {
    for (const TableColumn& c : comparison.left + comparison.right)
        if (c.table == table)
            return c.cell();
    return {};
}

} // namespace

bool CrossTableComparison::involves(int table) const { return tables().first == table || tables().second == table; }

std::pair<int, int> CrossTableComparison::tables() const { return {left.first().table, right.first().table}; }

ComparedValues compareSides(const CrossTableComparison& comparison, const ColumnReader& read) {
    return {sideSum(comparison.left, read), sideSum(comparison.right, read)};
}

const QList<CrossTableComparison>& crossTableComparisons() {
    static const QList<CrossTableComparison> comparisons = build();
    return comparisons;
}

QList<Rule> correctionCrossTableRules(int table) {
    QList<Rule> rules;
    for (const CrossTableComparison& c : crossTableComparisons())
        if (c.inCorrection && c.involves(table))
            rules << comparisonRule(c, table, firstCellOf(c, table), table >= 3);
    return rules;
}

QList<Rule> table9CrossTableWarnings() {
    QList<Rule> rules;
    for (const CrossTableComparison& c : crossTableComparisons())
        if (c.inTable9Warnings)
            rules << comparisonRule(c, 9, {}, false);
    return rules;
}
