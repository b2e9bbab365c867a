#include "Table2.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {184, 256, 328, 400, 472, 544, 616};
const int kRowY[] = {144, 176};

QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 7; ++col) {
            const int number = 201 + row * 7 + col;
            list << CellDefinition{QStringLiteral("TM%1").arg(number),
                                   number == 207 ? CellMask::Digits6 : CellMask::Digits5, kColumnX[col],
                                   kRowY[row], col == 6 ? 57 : 48, number};
        }
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 56, 681, 73, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(71, 2, 679), L::horizontal(30, 170, 679)};
    for (int x : {2, 170, 679})
        p.lines << L::vertical(x, 2, 71);
    for (int x : {242, 314, 387, 459, 532, 604})
        p.lines << L::vertical(x, 30, 71);
    p.texts = {
        {25, 25, QStringLiteral("Группы")},
        {350, 15, QStringLiteral("Возраст в годах")},
        {175, 37, QStringLiteral("до 2-х лет")},
        {278, 37, QStringLiteral("2")},
        {344, 37, QStringLiteral("3")},
        {410, 37, QStringLiteral("4-5")},
        {490, 37, QStringLiteral("6-7")},
        {540, 37, QStringLiteral("8 лет")},
        {540, 54, QStringLiteral("и старше")},
        {620, 37, QStringLiteral("Итого")},
    };
    return p;
}

PaintedPicture rowCaptions() {
    PaintedPicture p{0, 128, 171, 89, {}, {}};
    p.lines = {L::vertical(2, 0, 87), L::vertical(170, 0, 87), L::horizontal(87, 2, 170)};
    p.texts = {{10, 20, QStringLiteral("Коровы")}, {10, 50, QStringLiteral("Быки-производители")}};
    return p;
}

TableDefinition build() {
    TableDefinition t;
    t.number = 2;
    t.pageName = QStringLiteral("TabSheet2");
    t.tabCaption = QStringLiteral(" Таблица 2");
    t.heading = {QStringLiteral("РАСПРЕДЕЛЕНИЕ   ПРОБОНИТИРОВАННЫХ   КОРОВ   И   БЫКОВ   В   "), 48, 440, 504, 592, 32};
    t.pictures = {columnHeader(), rowCaptions()};
    t.cells = cells();
    t.buttonsY = 344;
    t.rules = {
        sumDiffers(cellSeries(QStringLiteral("TM"), 201, 206), QStringLiteral("TM207"), rowSumMessage(1),
                   QStringLiteral("TM207")),
        sumDiffers(cellSeries(QStringLiteral("TM"), 208, 213), QStringLiteral("TM214"), rowSumMessage(2),
                   QStringLiteral("TM214")),
    };
    return t;
}

} // namespace

const TableDefinition& table2() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable2(CellTexts& cells) { return runCheck(table2(), cells); }
