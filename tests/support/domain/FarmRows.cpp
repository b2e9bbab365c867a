#include "FarmRows.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"

#include <gtest/gtest.h>

void storeFarmRow(SqlEngine& db, int table, const FarmTitle& title, const QVariantMap& cells) {
    QStringList columns;
    QVariantList values;
    for (const QString& column : Schema::dataColumns(table)) {
        columns << column;
        values << cells.value(column, 0);
    }
    columns << Schema::titleColumns();
    values << title.oblm << title.rnm << title.khm << title.kkhm << title.porm << title.godm;
    QStringList marks;
    marks.fill(QStringLiteral("?"), columns.size());
    db.execute(QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                   .arg(Schema::dataTable(table), columns.join(u','), marks.join(u',')),
               values);
}

QList<QPair<int, int>> totalTitles(SqlEngine& db, int table) {
    QList<QPair<int, int>> titles;
    for (const SqlRow& row : db.select(QStringLiteral("SELECT kkhm, porm FROM %1 ORDER BY kkhm, porm")
                                           .arg(Schema::totalsTable(table))))
        titles << qMakePair(int(row.integer(QStringLiteral("kkhm"))), int(row.integer(QStringLiteral("porm"))));
    return titles;
}

SqlRow totalRow(SqlEngine& db, int table, int kkhm, int porm) {
    const SqlResult rows = db.select(
        QStringLiteral("SELECT * FROM %1 WHERE kkhm=? AND porm=?").arg(Schema::totalsTable(table)), {kkhm, porm});
    EXPECT_EQ(rows.size(), 1) << "table " << table << " kkhm " << kkhm << " porm " << porm;
    return rows.first();
}
