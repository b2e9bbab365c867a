#include "Table1.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {184, 272, 344, 416, 488, 552, 624};
const int kRowY[] = {140, 172, 203, 230, 260};

QList<CellDefinition> cells() {
    const QStringList sixDigits = {"TM101", "TM102", "TM108", "TM115", "TM122", "TM123", "TM129", "TM130"};
    QList<CellDefinition> list;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            const int number = 101 + row * 7 + col;
            const QString name = QStringLiteral("TM%1").arg(number);
            list << CellDefinition{name, sixDigits.contains(name) ? CellMask::Digits6 : CellMask::Digits5,
                                   kColumnX[col], kRowY[row], 45, number};
        }
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 48, 681, 89, {}, {}};
    p.lines = {L::horizontal(2, 2, 679),   L::horizontal(87, 2, 679), L::horizontal(70, 2, 679),
               L::horizontal(22, 250, 679), L::horizontal(44, 250, 679)};
    for (int x : {2, 170, 250, 679})
        p.lines << L::vertical(x, 2, 87);
    p.lines << L::vertical(465, 22, 87);
    for (int x : {322, 393, 537, 608})
        p.lines << L::vertical(x, 44, 87);
    p.texts = {
        {15, 15, QStringLiteral("Группы животных")},
        {172, 5, QStringLiteral("Всего пробо-")},
        {172, 17, QStringLiteral("нитировано,")},
        {172, 29, QStringLiteral("гол.")},
        {320, 5, QStringLiteral("В том числе распределение по")},
        {300, 30, QStringLiteral("породности")},
        {500, 30, QStringLiteral("по классам")},
        {255, 45, QStringLiteral("ч/п и 4")},
        {255, 57, QStringLiteral("поколения")},
        {330, 45, QStringLiteral("3 поко-")},
        {330, 57, QStringLiteral("ления")},
        {400, 45, QStringLiteral("2 поко-")},
        {400, 57, QStringLiteral("ления")},
        {470, 45, QStringLiteral("Элита-")},
        {470, 57, QStringLiteral("рекорд")},
        {542, 45, QStringLiteral("Элита")},
        {615, 45, QStringLiteral("1 класс")},
        {75, 72, QStringLiteral("А")},
        {195, 72, QStringLiteral("1")},
        {280, 72, QStringLiteral("2")},
        {345, 72, QStringLiteral("3")},
        {417, 72, QStringLiteral("4")},
        {487, 72, QStringLiteral("5")},
        {560, 72, QStringLiteral("6")},
        {630, 72, QStringLiteral("7")},
    };
    return p;
}

PaintedPicture rowCaptions() {
    PaintedPicture p{0, 136, 171, 161, {}, {}};
    p.lines = {L::vertical(2, 0, 160), L::vertical(170, 0, 160), L::horizontal(160, 2, 170)};
    p.texts = {
        {15, 5, QStringLiteral("Всего КРС")},
        {7, 25, QStringLiteral("В том числе")},
        {7, 45, QStringLiteral("быки-производители")},
        {7, 65, QStringLiteral("ремонтные бычки от 10")},
        {7, 77, QStringLiteral("до 18 месяцев")},
        {7, 97, QStringLiteral("коровы")},
        {7, 117, QStringLiteral("телки старше 2-х лет")},
        {7, 129, QStringLiteral("и нетели")},
    };
    return p;
}

// A group row's total must be at least its purity columns and at least its class columns.
Rule rowRule(int row) {
    const int total = 101 + (row - 1) * 7;
    const QStringList purity = cellSeries(QStringLiteral("TM"), total + 1, total + 3);
    const QStringList classes = cellSeries(QStringLiteral("TM"), total + 4, total + 6);
    const QString totalCell = QStringLiteral("TM%1").arg(total);
    return {[=](const RuleContext& c) {
                const qint64 t = c.integer(totalCell);
                return c.sum(purity) > t || c.sum(classes) > t;
            },
            rowSumMessage(row), totalCell};
}

// Rows 2 to 5 of a column together may not exceed row 1.
Rule columnRule(int column) {
    const QString total = QStringLiteral("TM%1").arg(100 + column);
    return sumAbove(cellSeries(QStringLiteral("TM"), 107 + column, 128 + column, 7), total,
                    columnSumMessage(column), total);
}

TableDefinition build() {
    TableDefinition t;
    t.number = 1;
    t.pageName = QStringLiteral("TabSheet1");
    t.tabCaption = QStringLiteral("Таблица 1");
    t.heading = {QStringLiteral("ПОРОДНЫЙ   И   КЛАССНЫЙ   СОСТАВ   КРС   В   "), 96, 376, 456, 592, 32};
    t.pictures = {columnHeader(), rowCaptions()};
    t.cells = cells();
    t.buttonsY = 344;
    for (int row = 1; row <= 5; ++row)
        t.rules << rowRule(row);
    for (int column = 1; column <= 7; ++column)
        t.rules << columnRule(column);
    return t;
}

} // namespace

const TableDefinition& table1() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable1(CellTexts& cells) { return runCheck(table1(), cells); }
