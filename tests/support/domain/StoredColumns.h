#pragma once

#include "CaseValues.h"
#include "domain/tables/TableRules.h"

#include <QString>
#include <map>

// Stored columns of the report tables by (table, lower-case column); any other reads as 0, as a
// missing row does.
using StoredColumns = std::map<std::pair<int, QString>, qint64>;

inline StoredReader readerOf(const StoredColumns& stored) {
    return [stored](int table, const QString& column) {
        const auto it = stored.find({table, column.toLower()});
        return it == stored.end() ? 0 : it->second;
    };
}

// The messages of the cross-table comparisons, as the windows show them.
namespace CrossTableMessages {
inline const QString cows2 =
    QStringLiteral("Итого\\Коровы из Таблицы 2 не соответствует Всего КРС\\Коровы из Таблицы 1.");
inline const QString bulls2 = QStringLiteral(
    "Итого\\Быки-производители из Таблицы 2 не соответствует Всего КРС\\Быки-производители из Таблицы 1.");
inline const QString cows3 =
    QStringLiteral("Итого по стаду\\Всего коров из Таблицы 3 не соответствует Всего КРС\\Коровы из Таблицы 1.");
inline const QString total4 = QStringLiteral("Всего  из Таблицы 4 не соответствует  Коровы\\ Всего  из Таблицы 1.");
inline const QString pure4 = QStringLiteral(
    "Кол. коров\\ч\\п и 4 пок.  из Таблицы 4 не соответствует  Коровы\\ч\\п и 4 пок.  из Таблицы 1.");
inline const QString third4 =
    QStringLiteral("Кол. коров\\ 3 пок.  из Таблицы 4 не соответствует  Коровы\\ 3 пок.  из Таблицы 1.");
inline const QString bulls5 = QStringLiteral(
    "Итого\\Всего,гол.  из Таблицы 5 не соответствует  В том числе\\Быки-производители  из Таблицы 1.");
inline const QString bulls25 =
    QStringLiteral("Итого\\Быки-производители  из Таблицы 2 не соответствует  Итого\\Всего,гол.  из Таблицы 5.");
} // namespace CrossTableMessages
