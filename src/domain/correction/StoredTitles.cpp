#include "StoredTitles.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"

#include <stdexcept>
#include <tuple>

namespace {

QString listStatement(int table, const QString& condition, const QStringList& dataColumns) {
    QString columns;
    for (const QString& c : dataColumns)
        columns += QStringLiteral(", t.") + c;
    return QStringLiteral(
               "SELECT spobl.im AS region, kodra.im AS district, kodxoz.im AS farm, kodkx.imy AS category, "
               "sppor.im AS breed, t.oblm, t.rnm, t.khm, t.kkhm, t.porm, t.godm%3 FROM %1 t "
               "INNER JOIN spobl ON t.oblm = spobl.kod "
               "INNER JOIN kodra ON t.rnm = kodra.kodraj AND t.oblm = kodra.kodr "
               "INNER JOIN kodxoz ON t.rnm = kodxoz.kodraj AND t.oblm = kodxoz.kodr AND t.khm = kodxoz.kodx "
               "INNER JOIN kodkx ON t.kkhm = kodkx.kkx "
               "INNER JOIN sppor ON t.porm = sppor.kod WHERE 1=1%2 "
               "ORDER BY t.godm, spobl.im, kodra.im, kodxoz.im, kodkx.imy, sppor.im")
        .arg(Schema::dataTable(table), condition, columns);
}

NamedTitle namedTitle(const SqlRow& row) {
    const auto text = [&row](const char* field) { return row.text(QLatin1String(field)); };
    return {text("region"), text("district"), text("farm"), text("category"), text("breed"),
            {text("oblm"), text("rnm"), text("khm"), text("kkhm"), text("porm"), text("godm")}};
}

auto orderKey(const NamedTitle& t) {
    return std::make_tuple(t.title.godm.toLongLong(), t.region, t.district, t.farm, t.category, t.breed);
}

} // namespace

bool listedBefore(const NamedTitle& a, const NamedTitle& b) { return orderKey(a) < orderKey(b); }

QList<NamedTitle> storedTitles(SqlEngine& db, int table, const TitleCondition& condition) {
    QList<NamedTitle> titles;
    forEachStoredTitle(db, table, condition, {}, [&titles](const NamedTitle& t, const SqlRow&) { titles << t; });
    return titles;
}

void forEachStoredTitle(SqlEngine& db, int table, const TitleCondition& condition, const QStringList& dataColumns,
                        const std::function<void(const NamedTitle&, const SqlRow&)>& visit) {
    const QStringList known = Schema::dataColumns(table);
    for (const QString& c : dataColumns)
        if (!known.contains(c, Qt::CaseInsensitive))
            throw std::invalid_argument("no column " + c.toStdString());
    for (const SqlRow& row : db.select(listStatement(table, condition.clauses, dataColumns), condition.values))
        visit(namedTitle(row), row);
}
