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
#include <optional>

namespace {

constexpr int kBreedingFarms = 20;
constexpr int kCategoryWithoutSection = 11;

// The kinds of block of a sheet, in the order they are written.
enum BlockKind { Region = 1, RegionBreed, Breeding, BreedingBreed, Category };

// Which total rows a kind of block adds up, and the category and breed it is grouped by (0 where
// it adds up over them).
struct BlockQuery {
    BlockKind kind;
    QString condition;
    QString category;
    QString breed;
};

QList<BlockQuery> blockQueries(int table) {
    // The region by breed sums the categories' breed rows; Table 4 has rows of its own for it.
    const QString regionBreeds = table == 4 ? QStringLiteral("kkhm=0 AND porm<>0") : QStringLiteral("kkhm<>20 AND porm<>0");
    const QString category = QStringLiteral("kkhm"), breed = QStringLiteral("porm"), none = QStringLiteral("0");
    return {
        {Region, QStringLiteral("kkhm=0 AND porm=0"), none, none},
        {RegionBreed, regionBreeds, none, breed},
        {Breeding, QStringLiteral("kkhm=20 AND porm=0"), category, breed},
        {BreedingBreed, QStringLiteral("kkhm=20 AND porm<>0"), category, breed},
        {Category, QStringLiteral("kkhm<>0 AND kkhm<>20 AND kkhm<>%1").arg(kCategoryWithoutSection), category, breed},
    };
}

// Every block of one total table in one statement, in the order of the sheet: the total table is
// read once. Blocks made of several total rows (a breed over all categories) need the
// computation's own sums and weighted means, so they use its rules.
class TotalsQueries {
public:
    TotalsQueries(int table, SqlEngine& db, const TotalsExportScope& scope) : table_(table), db_(db), scope_(scope) {
        QStringList parts, values;
        for (const TotalsColumnRule& rule : totalsColumnRules(table)) {
            parts << rule.rowPartsSql();
            values << QStringLiteral("%1 AS %2").arg(rule.levelSql(), rule.column);
            columns_ << rule.column;
        }
        // Each total row goes to every block it belongs to; one grouping then makes all blocks.
        QStringList arms;
        for (const BlockQuery& q : blockQueries(table))
            arms << QStringLiteral("SELECT %1 AS block,%2 AS category,%3 AS breed,* FROM parts WHERE %4")
                        .arg(QString::number(q.kind), q.category, q.breed, q.condition);
        sql_ = QStringLiteral("WITH parts AS MATERIALIZED (SELECT %1,oblm,kkhm,porm,godm FROM %2 WHERE oblm=? AND "
                              "godm=?), members AS (%3) SELECT %4,block,category,breed FROM members "
                              "GROUP BY block,category,breed ORDER BY block,category,breed")
                   .arg(parts.join(u','), Schema::totalsTable(table), arms.join(QStringLiteral(" UNION ALL ")),
                        values.join(u','));
    }

    SqlResult blocks() { return db_.select(sql_, {scope_.regionCode, scope_.year}); }

    BlockKind kind(const SqlRow& row) const { return BlockKind(row.value(columns_.size()).toInt()); }
    QVariant category(const SqlRow& row) const { return row.value(columns_.size() + 1); }
    QVariant breed(const SqlRow& row) const { return row.value(columns_.size() + 2); }

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
    TotalsHeading breedHeading(const SqlRow& row) {
        return TotalsHeading::breed(name(QStringLiteral("SELECT im FROM sppor WHERE kod=?"), breed(row)));
    }
    TotalsHeading categoryHeading(const SqlRow& row) {
        const QString text = name(QStringLiteral("SELECT imy FROM kodkx WHERE kkx=?"), category(row));
        return TotalsHeading::category(QLocale(QLocale::Russian).toUpper(text));
    }

private:
    int table_;
    SqlEngine& db_;
    const TotalsExportScope& scope_;
    QStringList columns_;
    QString sql_;
};

// The heading of a block, or nothing when the block is not written: only the first region row,
// and a category's breeds only after that category's own block.
std::optional<TotalsHeading> headingOf(TotalsQueries& queries, const SqlRow& row, QVariant& shownCategory) {
    const bool isBreed = queries.breed(row).toInt() != 0;
    switch (queries.kind(row)) {
    case Region: return std::nullopt;
    case RegionBreed:
    case BreedingBreed: return queries.breedHeading(row);
    case Breeding: return TotalsHeading::category(QStringLiteral("ПЛЕМЕННЫЕ ХОЗЯЙСТВА"));
    case Category:
        if (!isBreed) {
            shownCategory = queries.category(row);
            return queries.categoryHeading(row);
        }
        if (queries.category(row) == shownCategory)
            return queries.breedHeading(row);
        return std::nullopt;
    }
    return std::nullopt;
}

void importEndToExcelTable(int table, Workbook& book, SqlEngine& db, const TotalsExportScope& scope, TotalsLog& log) {
    Worksheet& sheet = book.sheet(totalsSheetLayout(table).sheetName());
    TotalsBlockWriter writer(table, sheet);
    TotalsQueries queries(table, db, scope);
    writer.startFirstPage(scope.year, scope.regionName);

    const SqlResult blocks = queries.blocks();
    // Written even without a row, so that every sheet shows the region's block.
    const bool hasRegion = !blocks.isEmpty() && queries.kind(blocks.first()) == Region;
    writer.FeelTable(hasRegion ? queries.values(blocks.first()) : TotalsValues{});
    QVariant shownCategory;
    for (const SqlRow& row : blocks)
        if (const std::optional<TotalsHeading> heading = headingOf(queries, row, shownCategory))
            writer.FeelTable(queries.values(row), *heading);
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
