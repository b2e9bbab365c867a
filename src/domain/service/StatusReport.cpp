#include "StatusReport.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/UnicodeLike.h"
#include "domain/tables/TitleResolver.h"

#include <QStringList>

namespace {

const QString kTitle = QStringLiteral("oblm,rnm,khm,kkhm,porm,godm");

// The titles of one data table for the year, and the region when one is chosen.
QString titlesOf(int table, bool oneRegion) {
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE godm=?").arg(kTitle, Schema::dataTable(table));
    if (oneRegion)
        sql += QStringLiteral(" and oblm IN (SELECT kod FROM spobl where im like ? escape '\\')");
    return sql;
}

// "+" where the data table holds the title t, "-" elsewhere.
QString markOf(int table) {
    QStringList same;
    for (const QString& column : Schema::titleColumns())
        same << QStringLiteral("d.%1 IS t.%1").arg(column);
    return QStringLiteral("CASE WHEN EXISTS (SELECT 1 FROM %1 d WHERE %2) THEN '+' ELSE '-' END")
        .arg(Schema::dataTable(table), same.join(QStringLiteral(" AND ")));
}

void insertTitles(SqlEngine& db, const QString& regionName, const QString& year) {
    const bool oneRegion = regionName != kAllRegionsName;
    QStringList titles, marks, tabs;
    QVariantList params;
    for (int table = 1; table <= Schema::kReportTableCount; ++table) {
        titles << titlesOf(table, oneRegion);
        marks << markOf(table);
        tabs << QStringLiteral("tab%1").arg(table);
        params << year;
        if (oneRegion)
            params << exactLikePattern(regionName);
    }
    db.execute(QStringLiteral("INSERT INTO sprsost (%1,%2) SELECT t.oblm,t.rnm,t.khm,t.kkhm,t.porm,t.godm,%3 FROM (%4) t")
                   .arg(kTitle, tabs.join(u','), marks.join(u','), titles.join(QStringLiteral(" UNION "))),
               params);
}

} // namespace

void clearStatusReport(SqlEngine& db) { db.execute(QStringLiteral("DELETE FROM sprsost")); }

std::optional<QString> buildStatusReport(SqlEngine& db, const QString& regionName, const QString& year) {
    std::optional<QString> refusal;
    db.transaction([&] {
        clearStatusReport(db);
        if (regionName.isEmpty() || year.trimmed().isEmpty()) {
            refusal = QStringLiteral("Нужно выбрать оба параметра!");
            return;
        }
        insertTitles(db, regionName, year.trimmed());
        db.execute(QStringLiteral("UPDATE sprsost SET number=n.number FROM (SELECT rowid AS id, row_number() OVER "
                                  "(ORDER BY %1) AS number FROM sprsost) n WHERE sprsost.rowid=n.id")
                       .arg(kTitle));
    });
    return refusal;
}

SqlResult statusReportRows(SqlEngine& db) {
    return db.select(QStringLiteral("SELECT number,oblm,rnm,khm,kkhm,porm,godm,tab1,tab2,tab3,tab4,tab5,tab6,tab7,tab8,"
                                    "tab9 FROM sprsost ORDER BY %1")
                         .arg(kTitle));
}
