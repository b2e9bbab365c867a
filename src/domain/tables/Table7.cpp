#include "Table7.h"

#include "HeightTables.h"

namespace {

const HeightGroup& bullCalves() {
    static const HeightGroup group{QStringLiteral("TM7b"), 1, CellMask::Digits4};
    return group;
}

const HeightGroup& heifers() {
    static const HeightGroup group{QStringLiteral("TM7t"), 11, CellMask::Digits4};
    return group;
}

// Asked even when the group has no head at all.
Rule totalAverageNotZero(const HeightGroup& group) {
    const QString average = group.height(4);
    return {[average](const RuleContext& c) { return c.integer(average) == 0; },
            QStringLiteral("Не может быть равно 0."), average};
}

TableDefinition build() {
    return heightTable({
        7,
        QStringLiteral("TabSheet9"),
        QStringLiteral("Таблица 7"),
        {QStringLiteral(" РАСПРЕДЕЛЕНИЕ МОЛОДНЯКА ПО ВЫСОТЕ В КРЕСТЦЕ В"), 48, 360, 424, 592, 24},
        {QStringLiteral("Б Ы Ч К И"), QStringLiteral("Т Е Л К И")},
        {QStringLiteral("205 дней"), QStringLiteral("12 мес."), QStringLiteral("15 мес."), QStringLiteral("18 мес.")},
        {bullCalves(), heifers()},
        totalAverageNotZero,
    });
}

} // namespace

const TableDefinition& table7() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable7(CellTexts& cells) { return runCheck(table7(), cells); }

void ItogoSredVysotaBychka7(CellTexts& cells) { writeHeightTotals(cells, bullCalves()); }

void ItogoSredVysotaTelki7(CellTexts& cells) { writeHeightTotals(cells, heifers()); }
