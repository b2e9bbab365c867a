#include "Table6.h"

#include "ComputedCells.h"
#include "FieldGuards.h"

#include <limits>

namespace {

using L = PaintedLine;

// The cells of one sex: six rows (five age groups, then the total) of head, class 1+ and
// average weight, numbered on from `first`.
struct Sex {
    const char* prefix;
    int first;
};

const Sex kBulls{"TM6b", 1};
const Sex kHeifers{"TM6t", 19};

enum Column { Head, Class, Weight };
const int kAgeRows = 5;
const int kTotalRow = 5;
const int kMinimumWeight[kAgeRows] = {15, 100, 180, 200, 240};

const int kColumnX[] = {200, 280, 368, 448, 528, 608};
const int kRowY[] = {136, 168, 208, 240, 280, 328};

QString cell(const Sex& sex, int row, Column column) {
    return QString::fromLatin1(sex.prefix) + QStringLiteral("%1").arg(sex.first + row * 3 + column, 2, 10, QLatin1Char('0'));
}

QStringList ageCells(const Sex& sex, Column column) {
    QStringList names;
    for (int row = 0; row < kAgeRows; ++row)
        names << cell(sex, row, column);
    return names;
}

CellMask maskOf(int row, Column column) {
    if (column == Weight)
        return CellMask::Digits3;
    return row == kTotalRow ? CellMask::Digits5 : CellMask::Digits4;
}

// Stored all bulls first, then all heifers; the tab order runs along each row, bulls then heifers.
QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    int group = 0;
    for (const Sex& sex : {kBulls, kHeifers}) {
        for (int row = 0; row <= kTotalRow; ++row)
            for (Column column : {Head, Class, Weight}) {
                CellDefinition c{cell(sex, row, column), maskOf(row, column), kColumnX[group * 3 + column],
                                 kRowY[row], 57, row * 6 + group * 3 + column + 1};
                // Newborns are not classed.
                c.readOnly = row == 0 && column == Class;
                list << c;
            }
        ++group;
    }
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 40, 681, 89, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(88, 2, 679), L::horizontal(68, 2, 679),
               L::horizontal(25, 200, 679)};
    for (int x : {2, 200, 440, 679})
        p.lines << L::vertical(x, 2, 88);
    for (int x : {260, 350, 510, 600})
        p.lines << L::vertical(x, 25, 88);
    p.texts = {
        {20, 30, QStringLiteral("Половозрастные")},
        {20, 45, QStringLiteral("группы")},
        {300, 10, QStringLiteral("Б Ы Ч К И")},
        {540, 10, QStringLiteral("Т Е Л К И")},
    };
    const QStringList captions[] = {
        {QStringLiteral("Всего,"), QStringLiteral("гол.")},
        {QStringLiteral("Соответ."), QStringLiteral("1 классу"), QStringLiteral("и выше")},
        {QStringLiteral("Средняя жи-"), QStringLiteral("вая масса"), QStringLiteral("1 головы,кг")},
    };
    const int captionX[] = {205, 265, 355, 445, 515, 605};
    for (int group = 0; group < 2; ++group)
        for (int column = 0; column < 3; ++column) {
            int y = 27;
            for (const QString& line : captions[column]) {
                p.texts << PaintedText{captionX[group * 3 + column], y, line};
                y += 12;
            }
        }
    p.texts << PaintedText{100, 73, QStringLiteral("А")};
    const int numberX[] = {220, 300, 380, 470, 550, 640};
    for (int column = 0; column < 6; ++column)
        p.texts << PaintedText{numberX[column], 73, QString::number(column + 1)};
    return p;
}

// Each caption sits a little below the top of its row's fields, level with their text.
QList<PageLabel> rowCaptions() {
    const int dy = 4;
    return {
        {8, kRowY[0] + dy, QStringLiteral("Новорожденные")},
        {8, kRowY[1] + dy, QStringLiteral("в возрасте: 205 дней")},
        {64, kRowY[2] + dy, QStringLiteral("12 мес.")},
        {64, kRowY[3] + dy, QStringLiteral("15 мес.")},
        {64, kRowY[4] + dy, QStringLiteral("18 мес.")},
        {16, kRowY[5] + dy, QStringLiteral("ИТОГО")},
    };
}

// Rows with no head are exempt; there is no upper bound.
Rule minimumWeightRule(const Sex& sex, int row) {
    const int minimum = kMinimumWeight[row];
    return outOfRangeWithCount(cell(sex, row, Head), cell(sex, row, Weight), minimum,
                               std::numeric_limits<qint64>::max(),
                               QStringLiteral("Не может быть меньше %1.").arg(minimum), cell(sex, row, Weight));
}

Rule classAboveHead(const Sex& sex, int row) {
    return cellAbove(cell(sex, row, Class), cell(sex, row, Head), QStringLiteral("Не может быть больше общего."),
                     cell(sex, row, Class));
}

QList<Rule> rules() {
    QList<Rule> list = {
        sumDiffers(ageCells(kBulls, Head), cell(kBulls, kTotalRow, Head), columnSumMessage(1),
                   cell(kBulls, kTotalRow, Head)),
        sumDiffers(ageCells(kBulls, Class), cell(kBulls, kTotalRow, Class), columnSumMessage(2),
                   cell(kBulls, kTotalRow, Class)),
        sumDiffers(ageCells(kHeifers, Head), cell(kHeifers, kTotalRow, Head), columnSumMessage(4),
                   cell(kHeifers, kTotalRow, Head)),
        sumDiffers(ageCells(kHeifers, Class), cell(kHeifers, kTotalRow, Class), columnSumMessage(5),
                   cell(kHeifers, kTotalRow, Class)),
    };
    // The class rules differ between the sexes: bulls skip the newborns and check their total,
    // heifers check their newborns and skip the total.
    for (int row : {1, 2, 3, 4, kTotalRow})
        list << classAboveHead(kBulls, row);
    for (int row : {0, 1, 2, 3, 4})
        list << classAboveHead(kHeifers, row);
    return list;
}

void writeClassTotal(CellTexts& cells, const Sex& sex) {
    writeSum(cells, ageCells(sex, Class), cell(sex, kTotalRow, Class));
}

void writeTotals(CellTexts& cells, const Sex& sex, AverageRounding rounding) {
    cells.blankToZero();
    QList<WeightedRow> rows;
    for (int row = 0; row < kAgeRows; ++row)
        rows << WeightedRow{cell(sex, row, Head), cell(sex, row, Weight)};
    const qint64 head = writeSum(cells, ageCells(sex, Head), cell(sex, kTotalRow, Head));
    writeClassTotal(cells, sex);
    writeWeightedAverage(cells, rows, head, cell(sex, kTotalRow, Weight), rounding);
}

QList<FieldAction> leaveActions(const Sex& sex, AverageRounding rounding) {
    QStringList totalsFields = ageCells(sex, Head);
    totalsFields << cell(sex, kTotalRow, Head) << cell(sex, kTotalRow, Weight);
    QList<FieldAction> list{{totalsFields, [sex, rounding](CellTexts& cells) {
                                 writeTotals(cells, sex, rounding);
                                 return QList<Notice>{};
                             }}};
    for (int row = 0; row < kAgeRows; ++row)
        list << FieldAction{{cell(sex, row, Weight)}, [sex, row, rounding](CellTexts& cells) {
                                writeTotals(cells, sex, rounding);
                                return guardByRule(minimumWeightRule(sex, row), cells);
                            }};
    for (int row = 1; row < kAgeRows; ++row)
        list << FieldAction{{cell(sex, row, Class)}, [sex, row](CellTexts& cells) {
                                cells.blankToZero();
                                const QList<Notice> notices = guardByRule(classAboveHead(sex, row), cells);
                                writeClassTotal(cells, sex);
                                return notices;
                            }};
    list << FieldAction{{cell(sex, 0, Class), cell(sex, kTotalRow, Class)}, [sex](CellTexts& cells) {
                            cells.blankToZero();
                            writeClassTotal(cells, sex);
                            return QList<Notice>{};
                        }};
    return list;
}

TableDefinition build(AverageRounding rounding) {
    TableDefinition t;
    t.number = 6;
    t.pageName = QStringLiteral("TabSheet6");
    t.tabCaption = QStringLiteral("Таблица 6");
    t.heading = {QStringLiteral("РАСПРЕДЕЛЕНИЕ   МОЛОДНЯКА   ПО   ЖИВОЙ   МАССЕ   В   "), 56, 400, 464, 608, 24};
    t.pictures = {columnHeader()};
    t.labels = rowCaptions();
    t.cells = cells();
    t.buttonsY = 368;
    t.leaveActions = leaveActions(kBulls, rounding) + leaveActions(kHeifers, rounding);
    t.rules = rules();
    t.afterRules = [rounding](CellTexts& cells) {
        ItogoSredGivMassa1Bychka6(cells, rounding);
        ItogoSredGivMassa1Telki6(cells, rounding);
    };
    return t;
}

} // namespace

const TableDefinition& table6() {
    static const TableDefinition definition = build(AverageRounding::HalfEven);
    return definition;
}

CheckResult ControlSumTable6(CellTexts& cells) { return runCheck(table6(), cells); }

TableDefinition table6Definition(AverageRounding rounding) { return build(rounding); }

void ItogoSredGivMassa1Bychka6(CellTexts& cells, AverageRounding rounding) { writeTotals(cells, kBulls, rounding); }

void ItogoSredGivMassa1Telki6(CellTexts& cells, AverageRounding rounding) { writeTotals(cells, kHeifers, rounding); }
