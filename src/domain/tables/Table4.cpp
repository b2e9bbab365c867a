#include "Table4.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {320, 472, 600};
const int kRowY[] = {104, 120, 136, 152, 176, 192, 208, 224, 248, 264, 280, 296, 320, 336, 352};
const int kRows = 15;
// The rows lie 16 pixels apart, so the fields are no higher than that.
const int kFieldHeight = 16;

// Head counts take five digits, live weights and ages three.
CellMask maskOfRow(int row) {
    const int inBlock = (row - 1) % 4;
    return row <= 12 && inBlock < 2 ? CellMask::Digits5 : CellMask::Digits3;
}

// The columns are stored one after the other, but the tab order runs across each row.
QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    for (int col = 0; col < 3; ++col)
        for (int row = 1; row <= kRows; ++row)
            list << CellDefinition{QStringLiteral("TM%1").arg(400 + col * kRows + row),
                                   maskOfRow(row),
                                   kColumnX[col],
                                   kRowY[row - 1],
                                   row <= 12 ? 72 : 64,
                                   (row - 1) * 3 + col + 1,
                                   kFieldHeight};
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 40, 681, 41, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(40, 2, 679)};
    for (int x : {2, 300, 450, 600, 679})
        p.lines << L::vertical(x, 2, 40);
    p.texts = {
        {330, 5, QStringLiteral("Чистопородные")},
        {330, 25, QStringLiteral("и IV поколение")},
        {480, 5, QStringLiteral("III поколение")},
        {625, 5, QStringLiteral("ВСЕГО")},
    };
    return p;
}

PaintedPicture rowCaptions() {
    PaintedPicture p{0, 82, 302, 295, {}, {}};
    p.lines = {L::vertical(2, 0, 294), L::vertical(300, 0, 294), L::horizontal(294, 2, 300),
               L::vertical(150, 40, 70), L::vertical(150, 111, 141), L::vertical(150, 182, 212),
               L::vertical(150, 243, 270)};
    p.texts = {
        {75, 10, QStringLiteral("ПЕРВЫЙ ОТЕЛ")},
        {70, 25, QStringLiteral("Количество коров")},
        {5, 50, QStringLiteral("Выращено телят к отъему")},
        {155, 40, QStringLiteral("Всего, гол. ")},
        {155, 60, QStringLiteral("Сред. живая масса 1 гол,кг")},
        {5, 73, QStringLiteral("Сред. живая масса в 205 дней")},
        {75, 86, QStringLiteral("ВТОРОЙ ОТЕЛ")},
        {70, 98, QStringLiteral("Количество коров")},
        {5, 115, QStringLiteral("Выращено телят к отъему")},
        {155, 111, QStringLiteral("Всего, гол. ")},
        {155, 131, QStringLiteral("Сред. живая масса 1 гол,кг")},
        {5, 144, QStringLiteral("Сред. живая масса в 205 дней")},
        {75, 157, QStringLiteral("ТРЕТИЙ ОТЕЛ и старше")},
        {70, 169, QStringLiteral("Количество коров")},
        {5, 186, QStringLiteral("Выращено телят к отъему")},
        {155, 182, QStringLiteral("Всего, гол. ")},
        {155, 202, QStringLiteral("Сред. живая масса 1 гол,кг")},
        {5, 215, QStringLiteral("Сред. живая масса в 205 дней")},
        {75, 228, QStringLiteral("СРЕДНЕЕ ПО СТАДУ")},
        {5, 245, QStringLiteral("При отъеме")},
        {155, 241, QStringLiteral("Возраст, мес. ")},
        {155, 261, QStringLiteral("Сред. живая масса,мес.")},
        {5, 274, QStringLiteral("Сред. живая масса в 205 дней")},
    };
    return p;
}

TableDefinition build() {
    TableDefinition t;
    t.number = 4;
    t.pageName = QStringLiteral("TabSheet4");
    t.tabCaption = QStringLiteral("Таблица 4");
    t.heading = {QStringLiteral("ХАРАКТЕРИСТИКА   КОРОВ   ПО   МОЛОЧНОСТИ (живая масса в 7 мес.)   В   "), 56, 464,
                 528, 608, 24};
    t.pictures = {columnHeader(), rowCaptions()};
    t.cells = cells();
    t.buttonsY = 384;
    return t;
}

} // namespace

const TableDefinition& table4() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable4(CellTexts& cells) { return runCheck(table4(), cells); }
