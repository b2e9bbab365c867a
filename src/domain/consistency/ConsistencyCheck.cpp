#include "ConsistencyCheck.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlResult.h"
#include "domain/tables/CrossTableChecks.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// What one title has stored: which tables and the compared columns' values.
struct StoredTitle {
    NamedTitle named;
    QSet<int> tables;
    QHash<QString, qint64> values; // by "table/column"
};

QString valueKey(int table, const QString& column) { return QString::number(table) + u'/' + column; }

QString titleKey(const TableTitle& t) {
    return QStringList{t.oblm.trimmed(), t.rnm.trimmed(), t.khm.trimmed(), t.kkhm.trimmed(), t.porm.trimmed(),
                       t.godm.trimmed()}
        .join(u'/');
}

// The columns of a table that any comparison reads.
QStringList comparedColumns(int table) {
    QStringList columns;
    for (const CrossTableComparison& c : crossTableComparisons())
        for (const TableColumn& side : c.left + c.right)
            if (side.table == table && !columns.contains(side.column))
                columns << side.column;
    return columns;
}

TitleCondition scope(const QString& regionCode, const QString& year) {
    TitleCondition condition{QStringLiteral(" AND t.godm=?"), {year.trimmed()}};
    if (!regionCode.trimmed().isEmpty()) {
        condition.clauses += QStringLiteral(" AND t.oblm=?");
        condition.values << regionCode.trimmed();
    }
    return condition;
}

QList<StoredTitle> storedTitlesOfAllTables(SqlEngine& db, const TitleCondition& condition) {
    QList<StoredTitle> titles;
    QHash<QString, int> index;
    for (int table = 1; table <= Schema::kReportTableCount; ++table) {
        const QStringList columns = comparedColumns(table);
        forEachStoredTitle(db, table, condition, columns, [&](const NamedTitle& named, const SqlRow& row) {
            const QString key = titleKey(named.title);
            auto it = index.find(key);
            if (it == index.end()) {
                it = index.insert(key, int(titles.size()));
                titles << StoredTitle{named, {}, {}};
            }
            StoredTitle& stored = titles[*it];
            stored.tables.insert(table);
            for (const QString& c : columns)
                stored.values.insert(valueKey(table, c), row.integer(c));
        });
    }
    std::stable_sort(titles.begin(), titles.end(),
                     [](const StoredTitle& a, const StoredTitle& b) { return listedBefore(a.named, b.named); });
    return titles;
}

void compareTitle(const StoredTitle& stored, QList<ConsistencyFinding>& findings) {
    const ColumnReader read = [&stored](const TableColumn& c) {
        return stored.values.value(valueKey(c.table, c.column), 0);
    };
    for (const CrossTableComparison& c : crossTableComparisons()) {
        const ComparedValues values = compareSides(c, read);
        if (!values.differ())
            continue;
        const auto [left, right] = c.tables();
        findings << ConsistencyFinding{stored.named, left,         right, c.message, values.left, values.right,
                                       stored.tables.contains(left) ? left : right};
    }
}

} // namespace

ConsistencyReport checkConsistency(SqlEngine& db, const QString& regionCode, const QString& year) {
    const QList<StoredTitle> titles = storedTitlesOfAllTables(db, scope(regionCode, year));
    ConsistencyReport report;
    report.titlesChecked = int(titles.size());
    for (const StoredTitle& t : titles)
        compareTitle(t, report.findings);
    return report;
}

const QStringList& findingCaptions() {
    static const QStringList captions{
        QStringLiteral("Регион"),     QStringLiteral("Район"),      QStringLiteral("Хозяйство"),
        QStringLiteral("Категория хозяйства"), QStringLiteral("Порода"), QStringLiteral("Год"),
        QStringLiteral("Таблицы"),    QStringLiteral("Сообщение"),  QStringLiteral("Значение 1"),
        QStringLiteral("Значение 2")};
    return captions;
}

QStringList findingTexts(const ConsistencyFinding& f) {
    const NamedTitle& t = f.title;
    return {t.region,
            t.district,
            t.farm,
            t.category,
            t.breed,
            t.title.godm,
            QStringLiteral("Таблица %1 – Таблица %2").arg(f.leftTable).arg(f.rightTable),
            f.message,
            QString::number(f.leftValue),
            QString::number(f.rightValue)};
}

QString findingsCountText(const ConsistencyReport& report) {
    return QStringLiteral("Найдено расхождений: %1 (проверено заголовков: %2).")
        .arg(report.findings.size())
        .arg(report.titlesChecked);
}
