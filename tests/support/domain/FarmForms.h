#pragma once

#include <QJsonObject>
#include <QMap>
#include <QVariant>

// What a farm types into the blank farm workbook: input cells of all nine tables ("TM101" → 10)
// whose pages pass every check once their totals are recomputed; Table 5's scores as texts with
// the decimal comma, the way a person types them.
const QMap<QString, QVariant>& filledFormValues();

// The values at their sheet cells, as fillXlsx takes them: {"table1": {"D11": 10, …}, …}.
QJsonObject formCells(const QMap<QString, QVariant>& values);
