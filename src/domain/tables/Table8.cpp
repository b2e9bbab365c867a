#include "Table8.h"

#include "HeightTables.h"

namespace {

const HeightGroup& bulls() {
    static const HeightGroup group{QStringLiteral("TM8b"), 1, CellMask::Digits4};
    return group;
}

const HeightGroup& cows() {
    static const HeightGroup group{QStringLiteral("TM8k"), 11, CellMask::Digits5};
    return group;
}

// Unlike Table 7, a group without head may keep a total average of 0.
Rule totalAverageWithHead(const HeightGroup& group) {
    return zeroWithCount(group.head(4), group.height(4), zeroHeightMessage(), group.height(4));
}

TableDefinition build() {
    return heightTable({
        8,
        QStringLiteral("TabSheet8"),
        QStringLiteral("Таблица 8"),
        {QStringLiteral(" РАСПРЕДЕЛЕНИЕ БЫКОВ И КОРОВ ПО ВЫСОТЕ В КРЕСТЦЕ В"), 24, 368, 432, 592, 24},
        {QStringLiteral("Б Ы К И"), QStringLiteral("К О Р О В Ы")},
        {QStringLiteral("2-Х ЛЕТ И МЛАДШЕ"), QStringLiteral("3-Х ЛЕТ"), QStringLiteral("4-Х ЛЕТ"),
         QStringLiteral("5-ТИ ЛЕТ И СТАРШЕ")},
        {bulls(), cows()},
        totalAverageWithHead,
    });
}

} // namespace

const TableDefinition& table8() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable8(CellTexts& cells) { return runCheck(table8(), cells); }

void ItogoSredVysotaByka8(CellTexts& cells) { writeHeightTotals(cells, bulls()); }

void ItogoSredVysotaKor8(CellTexts& cells) { writeHeightTotals(cells, cows()); }
