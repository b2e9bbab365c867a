#include "ComputedCells.h"

qint64 writeSum(CellTexts& cells, const QStringList& parts, const QString& total) {
    const qint64 sum = cells.sum(parts);
    cells.setText(total, QString::number(sum));
    return sum;
}

void writeWeightedAverage(CellTexts& cells, const QList<WeightedRow>& rows, qint64 total,
                          const QString& average, AverageRounding rounding) {
    if (total == 0)
        return;
    long double weighted = 0;
    for (const auto& [count, value] : rows)
        weighted += static_cast<long double>(cells.integer(count)) * cells.integer(value);
    cells.setText(average, QString::number(roundAverage(weighted / total, rounding)));
}
