#include "Table9.h"

#include "CrossTableChecks.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {176, 424, 576};
const int kRowY[] = {152, 192, 232};

QString cellTM(int number) { return QStringLiteral("TM9%1").arg(number); }

QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const int number = 1 + row * 3 + col;
            list << CellDefinition{cellTM(number), CellMask::Digits4, kColumnX[col], kRowY[row], 48, number};
        }
    return list;
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 48, 681, 89, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(88, 2, 679), L::horizontal(60, 2, 679),
               L::horizontal(30, 340, 679), L::vertical(550, 30, 88)};
    for (int x : {2, 70, 340, 679})
        p.lines << L::vertical(x, 2, 88);
    p.texts = {
        {100, 25, QStringLiteral("Продано - всего,гол")},
        {460, 10, QStringLiteral("в том числе")},
        {370, 35, QStringLiteral("элита-рекорд,элита")},
        {570, 35, QStringLiteral("  1 класс")},
        {40, 70, QStringLiteral("А")},
        {200, 70, QStringLiteral("1")},
        {440, 70, QStringLiteral("2")},
        {610, 70, QStringLiteral("3")},
    };
    return p;
}

// Captions sit a little below the top of their row's fields, level with the fields' text.
QList<PageLabel> rowCaptions() {
    const QString captions[] = {QStringLiteral("Бычки"), QStringLiteral("Телки"), QStringLiteral("ИТОГО")};
    QList<PageLabel> labels;
    for (int row = 0; row < 3; ++row)
        labels << PageLabel{16, kRowY[row] + 3, captions[row]};
    return labels;
}

QList<Rule> rules() {
    QList<Rule> list;
    for (int column = 1; column <= 3; ++column)
        list << sumDiffers({cellTM(column), cellTM(column + 3)}, cellTM(column + 6), columnSumMessage(column),
                           cellTM(column + 6));
    // The elite and class-1 counts of a row may not exceed its head sold; the total row has no such rule.
    for (int row = 1; row <= 2; ++row) {
        const int total = 1 + (row - 1) * 3;
        list << sumAbove({cellTM(total + 1), cellTM(total + 2)}, cellTM(total), rowSumMessage(row), cellTM(total));
    }
    return list;
}

TableDefinition build() {
    TableDefinition t;
    t.number = 9;
    t.pageName = QStringLiteral("TabSheet7");
    t.tabCaption = QStringLiteral("Таблица 9");
    t.heading = {QStringLiteral("КЛАССНОСТЬ   РЕАЛИЗОВАННОГО   ПЛЕМЕННОГО   МОЛОДНЯКА,гол.    В   "), 8, 440, 504,
                 592, 24};
    t.pictures = {columnHeader()};
    t.labels = rowCaptions();
    t.cells = cells();
    t.buttonsY = 368;
    t.leaveActions = {recomputeOnLeaving(cellSeries(QStringLiteral("TM9"), 1, 6, 1, 1), Itogo9)};
    t.rules = rules();
    t.crossTableRules = table9CrossTableWarnings();
    return t;
}

// Mended: an empty cell no longer ends the routine with a conversion error.
qint64 integerOrZero(const CellTexts& cells, const QString& cell) {
    return cells.text(cell).trimmed().isEmpty() ? 0 : cells.integer(cell);
}

void writePairSum(CellTexts& cells, int first, int second, int total) {
    cells.setText(cellTM(total), QString::number(integerOrZero(cells, cellTM(first)) + integerOrZero(cells, cellTM(second))));
}

} // namespace

const TableDefinition& table9() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable9(CellTexts& cells, const StoredReader& stored) { return runCheck(table9(), cells, stored); }

void Itogo9(CellTexts& cells) {
    writePairSum(cells, 1, 4, 7);
    writePairSum(cells, 3, 6, 9);
    writePairSum(cells, 2, 5, 8);
}
