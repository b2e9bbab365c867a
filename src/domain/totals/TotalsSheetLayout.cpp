#include "TotalsSheetLayout.h"

#include "TotalsRules.h"
#include "domain/db/Schema.h"
#include "domain/tables/FormCaptions.h"

#include <QSet>
#include <array>

namespace {

// Table 5's score columns, the thirteenth of each row, keep one decimal.
constexpr int kTable5Width = 13;

QList<TotalsGridCell> rowOf(const QStringList& columns, int table, const QSet<QString>& means) {
    QList<TotalsGridCell> row;
    for (int i = 0; i < columns.size(); ++i) {
        TotalsRounding rounding = TotalsRounding::None;
        if (means.contains(columns.at(i)))
            rounding = table == 5 && i == kTable5Width - 1 ? TotalsRounding::OneDecimal : TotalsRounding::Whole;
        row << TotalsGridCell{columns.at(i), rounding};
    }
    return row;
}

QList<QStringList> chunks(const QStringList& columns, int width) {
    QList<QStringList> rows;
    for (int from = 0; from < columns.size(); from += width)
        rows << columns.mid(from, width);
    return rows;
}

// The grid rows as column names, before rounding is attached.
QList<QStringList> gridColumns(int table, int valueColumns) {
    const QStringList columns = Schema::dataColumns(table);
    switch (table) {
    case 4: { // the second row is the second line of the first row's caption
        QList<QStringList> rows = chunks(columns, valueColumns);
        QStringList blank;
        blank.fill(QString(), valueColumns);
        rows.insert(1, blank);
        return rows;
    }
    case 6:
    case 7:
    case 8: { // the males' cells first in the table, side by side with the females' on the sheet
        const int half = int(columns.size()) / 2;
        const QList<QStringList> males = chunks(columns.mid(0, half), valueColumns / 2);
        const QList<QStringList> females = chunks(columns.mid(half), valueColumns / 2);
        QList<QStringList> rows;
        for (int r = 0; r < males.size(); ++r)
            rows << males.at(r) + females.at(r);
        return rows;
    }
    case 9: { // every value stands in a two-column cell of the form
        QList<QStringList> rows;
        for (const QStringList& chunk : chunks(columns, valueColumns / 2)) {
            QStringList row;
            for (const QString& column : chunk)
                row << column << QString();
            rows << row;
        }
        return rows;
    }
    default: return chunks(columns, valueColumns);
    }
}

TotalsSheetLayout layout(int table) {
    // table, h, first value column, last column, caption column, stacked, f, header rows,
    // page number row, break threshold, year cell, region cell, first row pointer
    switch (table) {
    case 1:
        return {1, 5, 4, 10, 3, false, 1, 12, 2, 6, {3, 6}, {12, 2}, 13,
                rowCaptions(1),
                true, false};
    case 2:
        return {2, 2, 6, 12, 4, false, 2, 9, 2, 3, {4, 5}, {9, 2}, 9,
                rowCaptions(2), true, false};
    case 3:
        return {3, 4, 4, 13, 3, false, 1, 11, 1, 5, {3, 4}, {11, 2}, 12,
                rowCaptions(3),
                true, false};
    case 4:
        return {4, 4, 3, 17, 2, true, 1, 16, 2, 6, {3, 13}, {16, 2}, 19,
                rowCaptions(4),
                true, true};
    case 5:
        return {5, 5, 3, 15, 2, true, 1, 14, 1, 6, {1, 11}, {14, 2}, 17,
                rowCaptions(5),
                false, false};
    case 6:
        return {6, 6, 4, 9, 3, false, 1, 10, 1, 7, {2, 7}, {10, 2}, 12,
                rowCaptions(6),
                true, false};
    case 7:
        return {7, 5, 4, 7, 3, false, 1, 10, 1, 7, {2, 5}, {10, 2}, 12,
                rowCaptions(7),
                true, false};
    case 8:
        return {8, 5, 4, 7, 3, false, 1, 10, 1, 7, {2, 5}, {10, 2}, 12,
                rowCaptions(8),
                true, false};
    default:
        return {9, 3, 6, 11, 4, false, 1, 10, 2, 3, {3, 6}, {10, 2}, 12,
                rowCaptions(9), true, false};
    }
}

} // namespace

TotalsGrid TotalsSheetLayout::grid() const {
    QSet<QString> means;
    for (const TotalsColumnRule& rule : totalsColumnRules(table))
        if (rule.isMean())
            means << rule.column;
    TotalsGrid rows;
    for (const QStringList& columns : gridColumns(table, valueColumns()))
        rows << rowOf(columns, table, means);
    return rows;
}

const TotalsSheetLayout& totalsSheetLayout(int table) {
    static const std::array<TotalsSheetLayout, Schema::kReportTableCount> layouts = [] {
        std::array<TotalsSheetLayout, Schema::kReportTableCount> all{};
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            all.at(size_t(t - 1)) = layout(t);
        return all;
    }();
    return layouts.at(size_t(table - 1));
}
