#include "FarmForms.h"

#include "domain/farmworkbook/FarmSheetMap.h"
#include "domain/farmworkbook/FarmSheetValues.h"

#include <QJsonValue>

const QMap<QString, QVariant>& filledFormValues() {
    static const QMap<QString, QVariant> values{
        // Table 1: heads by purity and class, the bulls' row within the totals.
        {"TM101", 10}, {"TM102", 4}, {"TM103", 3}, {"TM104", 2}, {"TM105", 3}, {"TM106", 3}, {"TM107", 3},
        {"TM108", 4}, {"TM109", 2}, {"TM110", 1}, {"TM111", 1}, {"TM112", 1}, {"TM113", 1}, {"TM114", 1},
        // Table 2: cows and bulls by age with their totals.
        {"TM201", 5}, {"TM202", 5}, {"TM203", 5}, {"TM204", 5}, {"TM205", 5}, {"TM206", 5}, {"TM207", 30},
        {"TM208", 1}, {"TM209", 1}, {"TM210", 1}, {"TM211", 1}, {"TM212", 1}, {"TM213", 1}, {"TM214", 6},
        // Table 3: two age rows and the herd's weight groups typed in the total row.
        {"TM301", 10}, {"TM304", 5}, {"TM305", 5}, {"TM309", 4}, {"TM310", 450},
        {"TM311", 6}, {"TM315", 6}, {"TM319", 2}, {"TM320", 480}, {"TM334", 5}, {"TM335", 11},
        // Table 4 has no rules.
        {"TM401", 20}, {"TM402", 18}, {"TM403", 190}, {"TM404", 200}, {"TM416", 7}, {"TM431", 27},
        // Table 5: two ages of bulls, the weight groups and classes typed in the total row.
        {"TM501", 10}, {"TM504", 10}, {"TM511", 2}, {"TM512", 600}, {"TM513", "70,0"},
        {"TM514", 30}, {"TM518", 30}, {"TM524", 5}, {"TM525", 650}, {"TM526", "75,5"},
        {"TM556", 10}, {"TM557", 30}, {"TM563", 7},
        // Table 6: calves at 205 days.
        {"TM6b04", 5}, {"TM6b05", 3}, {"TM6b06", 180}, {"TM6t25", 4}, {"TM6t26", 2}, {"TM6t27", 250},
        // Tables 7 and 8: heads and heights.
        {"TM7b01", 5}, {"TM7b02", 80}, {"TM7t11", 4}, {"TM7t12", 75},
        {"TM8b01", 3}, {"TM8b02", 130}, {"TM8k11", 40}, {"TM8k12", 128},
        // Table 9: young stock sold.
        {"TM91", 10}, {"TM92", 6}, {"TM93", 4}, {"TM94", 7}, {"TM95", 2}, {"TM96", 5},
    };
    return values;
}

QJsonObject formCells(const QMap<QString, QVariant>& values) {
    QJsonObject sheets;
    for (int t = 1; t <= 9; ++t) {
        const FarmSheetMap& map = farmSheetMap(t);
        QJsonObject cells;
        for (const FarmCell& cell : map.dataCells())
            if (values.contains(cell.column))
                cells[cellName(cell.cell)] = QJsonValue::fromVariant(values.value(cell.column));
        if (!cells.isEmpty())
            sheets[map.sheetName()] = cells;
    }
    return sheets;
}
