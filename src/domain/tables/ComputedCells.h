#pragma once

#include "CellTexts.h"
#include "Rounding.h"

#include <QList>
#include <utility>

// The shapes of the computed cells. Callers run the blank-to-zero pass first where their table
// asks for it.

// Writes the sum of the parts into `total` as decimal digits and returns it.
qint64 writeSum(CellTexts& cells, const QStringList& parts, const QString& total);

// A (count cell, value cell) pair of a weighted average.
using WeightedRow = std::pair<QString, QString>;

// When `total` (the weight total just written) is not 0, writes Σ count × value ÷ total rounded
// (half to even unless told otherwise) into `average`; otherwise the average keeps its text.
void writeWeightedAverage(CellTexts& cells, const QList<WeightedRow>& rows, qint64 total,
                          const QString& average, AverageRounding rounding = AverageRounding::HalfEven);
