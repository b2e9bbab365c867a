#include "Table3.h"

#include "ComputedCells.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {96, 152, 208, 264, 320, 376, 432, 488, 560, 632};
const int kRowY[] = {160, 192, 232, 272};
// Digits of each field's mask, row by row in column order.
const char* const kMaskDigits[] = {"5444555454", "5444555454", "4444555554", "6444555564"};

CellMask maskOf(char digits) {
    switch (digits) {
    case '4': return CellMask::Digits4;
    case '5': return CellMask::Digits5;
    default: return CellMask::Digits6;
    }
}

QString cellTM(int number) { return QStringLiteral("TM%1").arg(number); }

QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 10; ++col) {
            const int number = 301 + row * 10 + col;
            list << CellDefinition{cellTM(number), maskOf(kMaskDigits[row][col]), kColumnX[col], kRowY[row], 48, number};
        }
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 48, 681, 105, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(80, 2, 679), L::horizontal(104, 2, 679),
               L::horizontal(25, 2, 540)};
    for (int x : {2, 90, 540, 620, 679})
        p.lines << L::vertical(x, 2, 104);
    for (int x : {146, 202, 258, 314, 370, 427, 483})
        p.lines << L::vertical(x, 25, 104);
    p.texts = {
        {15, 30, QStringLiteral("Группы")},
        {15, 47, QStringLiteral("коров по")},
        {15, 64, QStringLiteral("возрасту")},
        {95, 30, QStringLiteral("Всего")},
        {95, 47, QStringLiteral("коров")},
        {255, 10, QStringLiteral("Из них имеют массу,кг")},
        {155, 30, QStringLiteral("  350")},
        {155, 47, QStringLiteral("   и ")},
        {152, 64, QStringLiteral(" менее")},
        {220, 30, QStringLiteral("351-")},
        {220, 47, QStringLiteral("400")},
        {270, 30, QStringLiteral("401-")},
        {270, 47, QStringLiteral("450")},
        {325, 30, QStringLiteral("451-")},
        {325, 47, QStringLiteral("500")},
        {390, 30, QStringLiteral("501-")},
        {390, 47, QStringLiteral("550")},
        {440, 30, QStringLiteral("551-")},
        {440, 47, QStringLiteral("600")},
        {500, 30, QStringLiteral("более")},
        {500, 47, QStringLiteral("  600")},
        {545, 10, QStringLiteral("Число ко-")},
        {545, 22, QStringLiteral("ров с жив.")},
        {545, 34, QStringLiteral("массой, ")},
        {545, 46, QStringLiteral("соотв.1 кл ")},
        {545, 58, QStringLiteral("и выше")},
        {625, 10, QStringLiteral("Средн.")},
        {625, 22, QStringLiteral("живая")},
        {625, 34, QStringLiteral("масса")},
        {625, 46, QStringLiteral("1 гол.")},
        {625, 58, QStringLiteral("кг")},
        {40, 87, QStringLiteral("А")},
        {115, 87, QStringLiteral("1")},
        {170, 87, QStringLiteral("2")},
        {230, 87, QStringLiteral("3")},
        {280, 87, QStringLiteral("4")},
        {340, 87, QStringLiteral("5")},
        {395, 87, QStringLiteral("6")},
        {450, 87, QStringLiteral("7")},
        {505, 87, QStringLiteral("8")},
        {570, 87, QStringLiteral("9")},
        {640, 87, QStringLiteral("10")},
    };
    return p;
}

PaintedPicture rowCaptions() {
    PaintedPicture p{0, 154, 92, 150, {}, {}};
    p.lines = {L::vertical(2, 0, 149), L::vertical(90, 0, 149), L::horizontal(149, 2, 90)};
    p.texts = {
        {15, 17, QStringLiteral("2-х и 3-х лет")}, {15, 37, QStringLiteral("4-х лет")},
        {15, 62, QStringLiteral("5 лет")},         {15, 75, QStringLiteral("и старше")},
        {15, 105, QStringLiteral("Всего")},        {15, 118, QStringLiteral("по стаду")},
    };
    return p;
}

QList<Rule> rules() {
    QList<Rule> list;
    // Rows: the weight classes (columns 2 to 8) sum to the row's cows; row 4's focus is row 1's.
    for (int row = 1; row <= 4; ++row) {
        const int first = 301 + (row - 1) * 10;
        list << sumDiffers(cellSeries(QStringLiteral("TM"), first + 1, first + 7), cellTM(first), rowSumMessage(row),
                           cellTM(row == 4 ? 301 : first));
    }
    // Columns 1 to 8: the three age rows sum to the herd row.
    for (int column = 1; column <= 8; ++column)
        list << sumDiffers(cellSeries(QStringLiteral("TM"), 300 + column, 320 + column, 10), cellTM(330 + column),
                           columnSumMessage(column), cellTM(330 + column));
    const QString correctWeight = QStringLiteral("Исправьте сред. живую массу.");
    for (int first : {301, 311, 321, 331})
        list << zeroWithCount(cellTM(first), cellTM(first + 9), correctWeight, cellTM(first + 9));
    const QString classAboveCows = QStringLiteral("Число в колонке 9 не может превышать число в колонке 1.");
    for (int first : {301, 311, 321, 331})
        list << cellAbove(cellTM(first + 8), cellTM(first), classAboveCows, cellTM(first + 8));
    const QString weightRange = QStringLiteral("Неправильная живая масса 1 гол. Должно быть от 300 до 1500.");
    for (int first : {301, 311, 321})
        list << outOfRangeWithCount(cellTM(first), cellTM(first + 9), 300, 1500, weightRange, cellTM(first + 9));
    return list;
}

TableDefinition build() {
    TableDefinition t;
    t.number = 3;
    t.pageName = QStringLiteral("TabSheet3");
    t.tabCaption = QStringLiteral("Таблица 3");
    t.heading = {QStringLiteral("РАСПРЕДЕЛЕНИЕ   КОРОВ   ПО   ЖИВОЙ   МАССЕ  ПРИ   БОНИТОРОВКЕ   В  "), 40, 456, 520,
                 600, 32};
    t.pictures = {columnHeader(), rowCaptions()};
    t.cells = cells();
    t.buttonsY = 344;
    t.leaveActions = {
        recomputeOnLeaving({QStringLiteral("TM309"), QStringLiteral("TM319"), QStringLiteral("TM329")}, ItogoKorov3),
        recomputeOnLeaving({QStringLiteral("TM301"), QStringLiteral("TM311"), QStringLiteral("TM321"),
                            QStringLiteral("TM310"), QStringLiteral("TM320"), QStringLiteral("TM330")},
                           ItogoSredGivMassa1Korovy3),
    };
    t.rules = rules();
    return t;
}

} // namespace

const TableDefinition& table3() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable3(CellTexts& cells) { return runCheck(table3(), cells); }

void ItogoKorov3(CellTexts& cells) {
    cells.blankToZero();
    writeSum(cells, {cellTM(309), cellTM(319), cellTM(329)}, cellTM(339));
}

void ItogoSredGivMassa1Korovy3(CellTexts& cells) {
    cells.blankToZero();
    const qint64 cows = writeSum(cells, {cellTM(301), cellTM(311), cellTM(321)}, cellTM(331));
    writeWeightedAverage(cells, {{cellTM(301), cellTM(310)}, {cellTM(311), cellTM(320)}, {cellTM(321), cellTM(330)}}, cows, cellTM(340));
}
