#include "CorrectionSelector.h"

#include <stdexcept>

namespace CorrectionSelector {

namespace {

// Tables of selectors 1 … 9.
const int kTables[] = {1, 2, 3, 4, 5, 6, 9, 7, 8};

void requireSelector(int selector) {
    if (selector < 0 || selector > 9)
        throw std::out_of_range("no correction selector " + std::to_string(selector));
}

} // namespace

int listedTable(int selector) {
    requireSelector(selector);
    return selector == kAllTables ? 1 : kTables[selector - 1];
}

QList<int> retitledTables(int selector) {
    if (selector != kAllTables)
        return {listedTable(selector)};
    return QList<int>(std::begin(kTables), std::end(kTables));
}

int ofTable(int table) {
    for (int selector = 1; selector <= 9; ++selector)
        if (kTables[selector - 1] == table)
            return selector;
    throw std::out_of_range("no report table " + std::to_string(table));
}

QString listCaption(int selector) {
    return selector == kAllTables ? QStringLiteral("Корректировка заголовка всех таблиц")
                                  : QStringLiteral("Корректировка таблицы %1").arg(listedTable(selector));
}

QString titleCaption(int selector) {
    return selector == kAllTables ? QStringLiteral("Редактирование заголовка всех таблиц сразу")
                                  : QStringLiteral("Редактирование заголовка таблицы %1").arg(listedTable(selector));
}

} // namespace CorrectionSelector
