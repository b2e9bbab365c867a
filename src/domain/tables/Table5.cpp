#include "Table5.h"

#include "ComputedCells.h"
#include "FieldGuards.h"
#include "Rounding.h"

namespace {

using L = PaintedLine;

const int kColumnX[] = {8, 56, 112, 160, 216, 264, 320, 368, 424, 480, 528, 584, 632};
const int kRowY[] = {176, 216, 256, 296, 336};
const int kColumns = 13;
// The head count (column 1) of each age row; the row's cells follow it: elite +10, weight +11, score +12.
const int kAgeRows[] = {501, 514, 527, 540};
const int kTotalRow = 553;

QString cellTM(int number) { return QStringLiteral("TM%1").arg(number); }
QString elite(int first) { return cellTM(first + 10); }
QString weight(int first) { return cellTM(first + 11); }
QString score(int first) { return cellTM(first + 12); }

const QString kWeightRange = QStringLiteral("Неправильная ср. живая масса 1 быка. Должно быть от 400 до 2000.");
const QString kScoreMinimum = QStringLiteral("Ср.оценка 1 гол. не может быть меньше 50 бал.");

QList<CellDefinition> cells() {
    QList<CellDefinition> list;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < kColumns; ++col) {
            const int number = 501 + row * kColumns + col;
            list << CellDefinition{cellTM(number), col == 12 ? CellMask::Decimal2_1 : CellMask::Digits4,
                                   kColumnX[col], kRowY[row], 40, number};
        }
    return list;
}

// A caption written line under line, 11 pixels apart, as the narrow columns need.
void addLines(PaintedPicture& p, int x, const QStringList& lines) {
    int y = 5;
    for (const QString& line : lines) {
        p.texts << PaintedText{x, y, line};
        y += 11;
    }
}

PaintedPicture columnHeader() {
    PaintedPicture p{0, 40, 681, 113, {}, {}};
    p.lines = {L::horizontal(2, 2, 679), L::horizontal(85, 2, 679), L::horizontal(112, 2, 679),
               L::horizontal(42, 52, 520)};
    for (int x : {2, 52, 520, 572, 624, 679})
        p.lines << L::vertical(x, 2, 112);
    for (int x : {102, 154, 206, 258, 310, 362, 414, 466})
        p.lines << L::vertical(x, 42, 112);
    p.texts = {
        {5, 15, QStringLiteral("Всего,")},   {5, 35, QStringLiteral("гол.")},
        {150, 15, QStringLiteral("Из них имеют живую массу,кг")},
        {58, 45, QStringLiteral("Менее")},   {58, 65, QStringLiteral("500")},
        {110, 45, QStringLiteral("501-")},   {110, 65, QStringLiteral("600")},
        {162, 45, QStringLiteral("601-")},   {162, 65, QStringLiteral("700")},
        {212, 45, QStringLiteral("701-")},   {212, 65, QStringLiteral("800")},
        {264, 45, QStringLiteral("801-")},   {264, 65, QStringLiteral("900")},
        {316, 45, QStringLiteral("901-")},   {316, 65, QStringLiteral("1000")},
        {368, 45, QStringLiteral("1001-")},  {368, 65, QStringLiteral("1100")},
        {420, 45, QStringLiteral("1101-")},  {420, 65, QStringLiteral("1200")},
        {472, 45, QStringLiteral("1201-")},  {472, 65, QStringLiteral("и >")},
    };
    addLines(p, 525, {QStringLiteral("Число"), QStringLiteral("быков"), QStringLiteral("с жив."),
                      QStringLiteral("массой"), QStringLiteral("соотв."), QStringLiteral("кл.элита"),
                      QStringLiteral("и эл.рек.")});
    addLines(p, 577, {QStringLiteral("Средняя"), QStringLiteral("живая"), QStringLiteral("масса"),
                      QStringLiteral("одного"), QStringLiteral("быка,кг")});
    addLines(p, 629, {QStringLiteral("Средняя"), QStringLiteral("оценка"), QStringLiteral("в баллах"),
                      QStringLiteral("одной"), QStringLiteral("головы")});
    const int numberX[] = {24, 76, 128, 180, 232, 284, 336, 388, 440, 492, 544, 596, 648};
    for (int col = 0; col < kColumns; ++col)
        p.texts << PaintedText{numberX[col], 95, QString::number(col + 1)};
    return p;
}

QList<PageLabel> rowCaptions() {
    return {
        {168, 160, QStringLiteral("Группа   быков   по   возрасту    2-х   лет   ")},
        {333, 200, QStringLiteral("3-х   лет")},
        {333, 240, QStringLiteral("4-х   лет")},
        {312, 280, QStringLiteral("5   лет   и   старше")},
        {336, 320, QStringLiteral("ИТОГО")},
    };
}

Rule weightRule(int first) { return outOfRangeWithCount(cellTM(first), weight(first), 400, 2000, kWeightRange, weight(first)); }

// A row with bulls needs an average score of at least 50,0 points.
Rule scoreRule(int first) {
    const QString count = cellTM(first);
    const QString field = score(first);
    return {[=](const RuleContext& c) { return c.integer(count) > 0 && c.decimal(field) < 50.0; }, kScoreMinimum,
            field};
}

QList<Rule> rules() {
    QList<Rule> list;
    // Rows: the nine weight classes sum to the row's head.
    for (int row = 1; row <= 5; ++row) {
        const int first = 501 + (row - 1) * kColumns;
        list << sumDiffers(cellSeries(QStringLiteral("TM"), first + 1, first + 9), cellTM(first), rowSumMessage(row),
                           cellTM(first));
    }
    // Columns 1 to 11: the four age rows sum to the total row.
    for (int column = 1; column <= 11; ++column)
        list << sumDiffers(cellSeries(QStringLiteral("TM"), 500 + column, 539 + column, kColumns),
                           cellTM(kTotalRow - 1 + column), columnSumMessage(column), cellTM(kTotalRow - 1 + column));
    // Elite bulls may not outnumber the row; the first row's message is the short one.
    list << cellAbove(elite(501), cellTM(501), QStringLiteral("Неверное число."), elite(501));
    for (int first : {514, 527, 540, kTotalRow})
        list << cellAbove(elite(first), cellTM(first), QStringLiteral("Неверное число.Больше общего."), elite(first));
    for (int first : kAgeRows)
        list << weightRule(first) << scoreRule(first);
    return list;
}

// "00.0": at least two integer digits and one decimal, an exact half rounding up; always with a
// comma, as the score fields are read.
QString scoreText(long double value) {
    const qint64 tenThousandths = roundHalfEven(value * 10000);
    const qint64 tenths = (tenThousandths + 500) / 1000;
    return QStringLiteral("%1,%2").arg(tenths / 10, 2, 10, QLatin1Char('0')).arg(tenths % 10);
}

void writeAverageScore(CellTexts& cells) {
    const qint64 bulls = cells.integer(cellTM(kTotalRow));
    if (bulls == 0)
        return;
    long double weighted = 0;
    for (int first : kAgeRows)
        weighted += static_cast<long double>(cells.integer(cellTM(first))) * cells.decimal(score(first));
    cells.setText(score(kTotalRow), scoreText(weighted / bulls));
}

// A weight or score typed before the row's head count is reset and the user sent to the count;
// otherwise the row's rule warns and the focus returns to the field.
QList<Notice> guardRow(CellTexts& cells, int first, const QString& field, const QString& askCount, const Rule& rule) {
    const QString count = cellTM(first);
    if (cells.integer(count) <= 0) {
        cells.setText(field, QStringLiteral("0"));
        return {Notice{askCount, count}};
    }
    return guardByRule(rule, cells);
}

QList<FieldAction> leaveActions() {
    QList<FieldAction> list{
        recomputeOnLeaving({cellTM(501), cellTM(514), cellTM(527), cellTM(540), cellTM(553), cellTM(523), cellTM(564)},
                           ItogoSredGivMassa1Byka5),
        recomputeOnLeaving({cellTM(501), cellTM(514), cellTM(527), cellTM(540), cellTM(553), cellTM(565)},
                           ItogoSredOcenkaByka5),
    };
    for (int first : kAgeRows) {
        list << FieldAction{{weight(first)}, [first](CellTexts& cells) {
                                ItogoSredGivMassa1Byka5(cells);
                                return guardRow(cells, first, weight(first),
                                                QStringLiteral("Сначала нужно ввести кол. гол.,а потом живую массу"),
                                                weightRule(first));
                            }};
        list << FieldAction{{score(first)}, [first](CellTexts& cells) {
                                ItogoSredOcenkaByka5(cells);
                                return guardRow(cells, first, score(first),
                                                QStringLiteral("Сначала нужно ввести кол. гол.,а потом баллы"),
                                                scoreRule(first));
                            }};
    }
    return list;
}

TableDefinition build() {
    TableDefinition t;
    t.number = 5;
    t.pageName = QStringLiteral("TabSheet5");
    t.tabCaption = QStringLiteral("Таблица 5");
    t.heading = {QStringLiteral("РАСПРЕДЕЛЕНИЕ   БЫКОВ   ПО   ЖИВОЙ   МАССЕ   ПРИ   БОНИТИРОВКЕ   В   "), 56, 480, 552,
                 608, 24};
    t.pictures = {columnHeader()};
    t.labels = rowCaptions();
    t.cells = cells();
    t.buttonsY = 368;
    t.leaveActions = leaveActions();
    t.rules = rules();
    return t;
}

} // namespace

const TableDefinition& table5() {
    static const TableDefinition definition = build();
    return definition;
}

CheckResult ControlSumTable5(CellTexts& cells) { return runCheck(table5(), cells); }

void ItogoSredGivMassa1Byka5(CellTexts& cells) {
    cells.blankToZero();
    QList<WeightedRow> rows;
    QStringList counts;
    for (int first : kAgeRows) {
        counts << cellTM(first);
        rows << WeightedRow{cellTM(first), weight(first)};
    }
    const qint64 bulls = writeSum(cells, counts, cellTM(kTotalRow));
    writeWeightedAverage(cells, rows, bulls, weight(kTotalRow));
    writeAverageScore(cells);
}

void ItogoSredOcenkaByka5(CellTexts& cells) {
    cells.blankToZero();
    writeAverageScore(cells);
}
