#include "TotalsExport.h"

#include "TotalsBlockWriter.h"
#include "RegionalTotals.h"
#include "TotalsLog.h"
#include "TotalsOverflow.h"
#include "TotalsRules.h"
#include "TotalsWorkbookTemplate.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/spreadsheet/Workbook.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <exception>
#include <iterator>

namespace {

const QString kByRegion = QStringLiteral("oblm,godm,porm");
const QString kByBreed = QStringLiteral("oblm,porm,godm");
const QString kByTitle = QStringLiteral("oblm,kkhm,porm,godm");
constexpr int kBreedingFarms = 20;
constexpr int kCategoryWithoutSection = 11;

// Grouped queries over one total table. Blocks made of several total rows (a breed over all
// categories) need the computation's own sums and weighted means, so they use its rules.
class TotalsQueries {
public:
    TotalsQueries(int table, SqlEngine& db, const TotalsExportScope& scope) : table_(table), db_(db), scope_(scope) {
        QStringList parts, values;
        for (const TotalsColumnRule& rule : totalsColumnRules(table)) {
            parts << rule.partsSql();
            values << QStringLiteral("%1 AS %2").arg(rule.levelSql(), rule.column);
            columns_ << rule.column;
        }
        // One part per total row of the region and year; a block adds up the parts of its rows.
        from_ = QStringLiteral("(SELECT %1,oblm,kkhm,porm,godm FROM %2 WHERE oblm=? AND godm=? "
                               "GROUP BY oblm,kkhm,porm,godm)")
                    .arg(parts.join(u','), Schema::totalsTable(table));
        values_ = values.join(u',');
    }

    SqlResult rows(const QString& condition, const QString& groupBy, const QString& orderBy = {},
                   const QVariantList& extra = {}) {
        QString sql = QStringLiteral("SELECT %1,%2 FROM %3 WHERE %4 GROUP BY %2").arg(values_, groupBy, from_, condition);
        if (!orderBy.isEmpty())
            sql += QStringLiteral(" ORDER BY ") + orderBy;
        return db_.select(sql, QVariantList{scope_.regionCode, scope_.year} + extra);
    }

    TotalsValues values(const SqlRow& row) const {
        TotalsValues values;
        // The rows begin with the rules' values in column order.
        for (int i = 0; i < columns_.size(); ++i) {
            const QString& column = columns_.at(i);
            const double value = row.value(i).toDouble();
            // A block adding up several total rows can leave the range of numbers on its own.
            if (!std::isfinite(value))
                throw TotalsOverflow(QStringLiteral("Книга итогов не записана: сумма столбца %1 итоговой таблицы %2 "
                                                    "выходит за пределы чисел.")
                                         .arg(column)
                                         .arg(table_));
            values.insert(column, value);
        }
        return values;
    }

    QString name(const QString& sql, const QVariant& code) {
        const SqlResult found = db_.select(sql, {code});
        return found.isEmpty() ? QString() : found.first().text(0);
    }
    QString breedName(const SqlRow& row) {
        return name(QStringLiteral("SELECT im FROM sppor WHERE kod=?"), row.value(QStringLiteral("porm")));
    }

private:
    int table_;
    SqlEngine& db_;
    const TotalsExportScope& scope_;
    QStringList columns_;
    QString values_;
    QString from_;
};

void writeBreeds(TotalsBlockWriter& writer, TotalsQueries& queries, const SqlResult& rows) {
    for (const SqlRow& row : rows)
        writer.FeelTable(queries.values(row), TotalsHeading::breed(queries.breedName(row)));
}

void importEndToExcelTable(int table, Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log) {
    Worksheet& sheet = book.sheet(totalsSheetLayout(table).sheetName());
    TotalsBlockWriter writer(table, sheet);
    TotalsQueries queries(table, db, scope);
    writer.startFirstPage(scope.year, scope.regionName);

    // Written even without a row, so that every sheet shows the region's block.
    const SqlResult region = queries.rows(QStringLiteral("kkhm=0 AND porm=0"), kByRegion);
    writer.FeelTable(region.isEmpty() ? TotalsValues{} : queries.values(region.first()));

    // The region by breed sums the categories' breed rows; Table 4 has rows of its own for it.
    writeBreeds(writer, queries,
                queries.rows(table == 4 ? QStringLiteral("kkhm=0 AND porm<>0") : QStringLiteral("kkhm<>20 AND porm<>0"),
                             kByBreed, QStringLiteral("porm")));

    const QVariant breeding = kBreedingFarms;
    for (const SqlRow& row : queries.rows(QStringLiteral("kkhm=? AND porm=0"), kByTitle, QStringLiteral("kkhm"), {breeding}))
        writer.FeelTable(queries.values(row), TotalsHeading::category(QStringLiteral("ПЛЕМЕННЫЕ ХОЗЯЙСТВА")));
    writeBreeds(writer, queries, queries.rows(QStringLiteral("kkhm=? AND porm<>0"), kByTitle, QStringLiteral("porm"), {breeding}));

    const SqlResult categories = queries.rows(QStringLiteral("kkhm<>0 AND kkhm<>? AND kkhm<>? AND porm=0"), kByTitle,
                                              QStringLiteral("kkhm"), {breeding, kCategoryWithoutSection});
    for (const SqlRow& row : categories) {
        const QVariant category = row.value(QStringLiteral("kkhm"));
        const QString name = queries.name(QStringLiteral("SELECT imy FROM kodkx WHERE kkx=?"), category);
        writer.FeelTable(queries.values(row), TotalsHeading::category(QLocale(QLocale::Russian).toUpper(name)));
        writeBreeds(writer, queries,
                    queries.rows(QStringLiteral("kkhm=? AND porm<>0"), kByTitle, QStringLiteral("porm"), {category}));
    }
    log.logLine(QStringLiteral("Таблица %1 экспортирована в Excel.").arg(table));
}

using TableExport = void (*)(Workbook&, SqlEngine&, const TotalsExportScope&, TotalsLog&);
constexpr TableExport kTableExports[] = {ImportEndToExcelTable1, ImportEndToExcelTable2, ImportEndToExcelTable3,
                                         ImportEndToExcelTable4, ImportEndToExcelTable5, ImportEndToExcelTable6,
                                         ImportEndToExcelTable7, ImportEndToExcelTable8, ImportEndToExcelTable9};
static_assert(std::size(kTableExports) == Schema::kReportTableCount);

TotalsExportScope currentScope(SqlEngine& db, const QString& regionName, const QString& year) {
    // A choice that names no region or year is told to the user, not written as an empty workbook.
    const TotalsScope checked = checkedTotalsScope(db, regionName, year);
    TotalsExportScope scope{checked.regionCode, regionName, year.trimmed()};
    return scope;
}

} // namespace

void ImportEndToExcelTable1(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(1, b, db, s, l); }
void ImportEndToExcelTable2(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(2, b, db, s, l); }
void ImportEndToExcelTable3(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(3, b, db, s, l); }
void ImportEndToExcelTable4(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(4, b, db, s, l); }
void ImportEndToExcelTable5(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(5, b, db, s, l); }
void ImportEndToExcelTable6(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(6, b, db, s, l); }
void ImportEndToExcelTable7(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(7, b, db, s, l); }
void ImportEndToExcelTable8(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(8, b, db, s, l); }
void ImportEndToExcelTable9(Workbook& b, SqlEngine& db, const TotalsExportScope& s, TotalsLog& l) { importEndToExcelTable(9, b, db, s, l); }

Workbook buildTotalsWorkbook(SqlEngine& db, const QString& regionName, const QString& year, TotalsLog& log) {
    Workbook book = makeTotalsTemplate();
    // One snapshot for the nine sheets: a computation committed meanwhile is either wholly in the
    // workbook or not at all. The first read takes it, so a busy database fails the whole export.
    db.readTransaction([&] {
        const TotalsExportScope scope = currentScope(db, regionName, year);
        log.logLine(QStringLiteral("Формирование выходных данных для %1 %2").arg(scope.regionCode.toString(), regionName));
        for (int table = 1; table <= Schema::kReportTableCount; ++table) {
            try {
                kTableExports[table - 1](book, db, scope, log);
            } catch (const TotalsOverflow&) {
                throw;
            } catch (const std::exception&) {
                // A failed table leaves its sheet as far as it got and lacks its log line.
            }
            const TotalsSheetLayout& layout = totalsSheetLayout(table);
            fitTotalsSheetToPages(book.sheet(layout.sheetName()), layout);
        }
    });
    return book;
}
