#include "FarmSheetMap.h"

#include "domain/db/Schema.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <array>

namespace {

constexpr int kTitleRow = 2;
constexpr int kYearRow = 4;

FarmSheetMap mapOf(int table) {
    switch (table) {
    case 1: return {1, {11, 15, 17, 19, 21}, {4, 5, 6, 7, 8, 9, 10}, 7, FarmCellOrder::ByRow};
    case 2: return {2, {10, 13}, {4, 5, 6, 7, 8, 9, 10}, 8, FarmCellOrder::ByRow};
    case 3: return {3, {13, 16, 19, 22}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 10, FarmCellOrder::ByRow};
    case 4:
        return {4, {11, 14, 16, 18, 22, 25, 27, 29, 33, 36, 38, 40, 45, 47, 49}, {5, 8, 10}, 9,
                FarmCellOrder::ByColumn};
    case 5: return {5, {15, 19, 23, 27, 31}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 8, FarmCellOrder::ByRow};
    case 6: return {6, {12, 14, 16, 18, 20, 22}, {5, 6, 7, 8, 9, 10}, 8, FarmCellOrder::ByHalves};
    case 7: return {7, {12, 14, 16, 18, 20}, {5, 6, 7, 8}, 8, FarmCellOrder::ByHalves};
    case 8: return {8, {12, 14, 16, 18, 20}, {5, 6, 7, 8}, 8, FarmCellOrder::ByHalves};
    default: return {9, {11, 14, 17}, {4, 7, 10}, 9, FarmCellOrder::ByRow};
    }
}

// The (table row, table column) of the index-th cell, both from 0.
std::pair<int, int> gridPlace(const FarmSheetMap& map, int index, int cellCount) {
    const int rows = int(map.rows.size());
    const int columns = int(map.columns.size());
    switch (map.order) {
    case FarmCellOrder::ByColumn: return {index % rows, index / rows};
    case FarmCellOrder::ByHalves: {
        const int half = cellCount / 2;
        const int width = columns / 2;
        const int inHalf = index % half;
        return {inHalf / width, inHalf % width + (index >= half ? width : 0)};
    }
    case FarmCellOrder::ByRow: break;
    }
    return {index / columns, index % columns};
}

} // namespace

QList<FarmCell> FarmSheetMap::titleCells() const {
    QList<FarmCell> cells;
    const QStringList& columns = Schema::titleColumns();
    for (int i = 0; i < 5; ++i)
        cells << FarmCell{columns.at(i), {kTitleRow, 2 + 2 * i}};
    cells << FarmCell{columns.at(5), {kYearRow, yearColumn}};
    return cells;
}

QList<FarmCell> FarmSheetMap::dataCells() const {
    const QStringList names = reportTable(table).cellNames();
    QList<FarmCell> cells;
    for (int i = 0; i < names.size(); ++i) {
        const auto [row, column] = gridPlace(*this, i, int(names.size()));
        cells << FarmCell{names.at(i), {rows.at(row), columns.at(column)}};
    }
    return cells;
}

const FarmSheetMap& farmSheetMap(int table) {
    static const std::array<FarmSheetMap, Schema::kReportTableCount> maps = [] {
        std::array<FarmSheetMap, Schema::kReportTableCount> all{};
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            all.at(size_t(t - 1)) = mapOf(t);
        return all;
    }();
    return maps.at(size_t(table - 1));
}
