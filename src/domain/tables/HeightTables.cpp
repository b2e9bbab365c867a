#include "HeightTables.h"

#include "ComputedCells.h"
#include "FieldGuards.h"

namespace {

using L = PaintedLine;

const int kHeadX[] = {216, 464};
const int kHeightX[] = {336, 576};
const int kRowY[] = {152, 192, 232, 272, 320};
const int kHeadWidth = 57;
const int kHeightWidth = 48;

QString cellName(const HeightGroup& group, int number) {
    return group.prefix + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QList<CellDefinition> cells(const HeightTableShape& shape) {
    QList<CellDefinition> list;
    for (int g = 0; g < 2; ++g) {
        const HeightGroup& group = shape.groups[g];
        for (int row = 0; row < 5; ++row) {
            // Tab order runs along the row: first group's head and height, then the second's.
            const int tab = row * 4 + g * 2 + 1;
            list << CellDefinition{group.head(row), row == 4 ? CellMask::Digits6 : group.headMask, kHeadX[g],
                                   kRowY[row], kHeadWidth, tab}
                 << CellDefinition{group.height(row), CellMask::Digits3, kHeightX[g], kRowY[row], kHeightWidth,
                                   tab + 1};
        }
    }
    return list;
}

PaintedPicture columnHeader(const HeightTableShape& shape) {
    PaintedPicture p{0, 40, 681, 89, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(88, 2, 679), L::horizontal(68, 2, 679),
               L::horizontal(25, 200, 679)};
    for (int x : {2, 200, 440, 679})
        p.lines << L::vertical(x, 2, 88);
    for (int x : {310, 550})
        p.lines << L::vertical(x, 25, 88);
    p.texts = {
        {20, 30, QStringLiteral("Половозрастные")},
        {20, 45, QStringLiteral("группы")},
        {300, 10, shape.groupCaptions[0]},
        {540, 10, shape.groupCaptions[1]},
    };
    for (int headX : {245, 480})
        p.texts << PaintedText{headX, 27, QStringLiteral("Всего,")} << PaintedText{headX, 39, QStringLiteral("гол.")};
    for (int heightX : {355, 590})
        p.texts << PaintedText{heightX, 27, QStringLiteral("Средняя")}
                << PaintedText{heightX, 39, QStringLiteral("высота в")}
                << PaintedText{heightX, 51, QStringLiteral("крестце,см")};
    p.texts << PaintedText{100, 73, QStringLiteral("А")} << PaintedText{250, 73, QStringLiteral("1")}
            << PaintedText{370, 73, QStringLiteral("2")} << PaintedText{490, 73, QStringLiteral("3")}
            << PaintedText{610, 73, QStringLiteral("4")};
    return p;
}

// Captions sit a little below the top of their row's fields, level with the fields' text.
QList<PageLabel> rowCaptions(const HeightTableShape& shape) {
    QList<PageLabel> labels;
    for (int row = 0; row < 4; ++row)
        labels << PageLabel{64, kRowY[row] + 3, shape.ageRowCaptions[row]};
    labels << PageLabel{16, kRowY[4] + 3, QStringLiteral("ИТОГО")};
    return labels;
}

// Leaving the guarded field: its notice when the guard fails, then the group's recompute in any case.
FieldAction guardedRecompute(const Rule& guard, const HeightGroup& group) {
    return {{guard.focus}, [guard, group](CellTexts& cells) {
                cells.blankToZero();
                const QList<Notice> notices = guardByRule(guard, cells);
                writeHeightTotals(cells, group);
                return notices;
            }};
}

QList<FieldAction> leaveActions(const HeightTableShape& shape) {
    QList<FieldAction> actions;
    for (const HeightGroup& group : shape.groups) {
        actions << FieldAction{group.ageHeads() << group.head(4), [group](CellTexts& cells) {
                                   writeHeightTotals(cells, group);
                                   return QList<Notice>{};
                               }};
        for (int row = 0; row < 4; ++row)
            actions << guardedRecompute(
                zeroWithCount(group.head(row), group.height(row), zeroHeightMessage(), group.height(row)), group);
        actions << guardedRecompute(shape.totalAverageGuard(group), group);
    }
    return actions;
}

QList<Rule> rules(const HeightTableShape& shape) {
    QList<Rule> list;
    const int totalColumn[] = {1, 3};
    for (int g = 0; g < 2; ++g) {
        const HeightGroup& group = shape.groups[g];
        list << sumDiffers(group.ageHeads(), group.head(4), columnSumMessage(totalColumn[g]), group.head(4));
    }
    for (const HeightGroup& group : shape.groups)
        for (int row = 0; row < 4; ++row)
            list << zeroWithCount(group.head(row), group.height(row), zeroHeightMessage(), group.height(row));
    return list;
}

} // namespace

QString HeightGroup::head(int row) const { return cellName(*this, first + 2 * row); }

QString HeightGroup::height(int row) const { return cellName(*this, first + 2 * row + 1); }

QStringList HeightGroup::ageHeads() const { return {head(0), head(1), head(2), head(3)}; }

TableDefinition heightTable(const HeightTableShape& shape) {
    TableDefinition t;
    t.number = shape.number;
    t.pageName = shape.pageName;
    t.tabCaption = shape.tabCaption;
    t.heading = shape.heading;
    t.pictures = {columnHeader(shape)};
    t.labels = rowCaptions(shape);
    t.cells = cells(shape);
    t.buttonsY = 368;
    t.leaveActions = leaveActions(shape);
    t.rules = rules(shape);
    // The stored totals are always the computed ones, whatever the user typed into them.
    const HeightGroup first = shape.groups[0];
    const HeightGroup second = shape.groups[1];
    t.afterRules = [first, second](CellTexts& cells) {
        writeHeightTotals(cells, first);
        writeHeightTotals(cells, second);
    };
    return t;
}

void writeHeightTotals(CellTexts& cells, const HeightGroup& group) {
    cells.blankToZero();
    const qint64 head = writeSum(cells, group.ageHeads(), group.head(4));
    QList<WeightedRow> rows;
    for (int row = 0; row < 4; ++row)
        rows << WeightedRow{group.head(row), group.height(row)};
    writeWeightedAverage(cells, rows, head, group.height(4));
}

QString zeroHeightMessage() { return QStringLiteral("Эта ячейка не может равняться 0."); }
