#include "FarmSheetValues.h"

#include "FarmWorkbookTemplate.h"
#include "domain/db/SqlEngine.h"
#include "domain/spreadsheet/Worksheet.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// A cell's value as the text typed for it: whole numbers without a fraction, a decimal comma.
QString textOf(const CellValue& value) {
    if (value.isNumber()) {
        const double number = value.number();
        if (std::isfinite(number) && number == std::floor(number) && std::abs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15).replace(u'.', u',');
    }
    return value.text().trimmed().replace(u'.', u',');
}

QString maskHint(CellMask mask) {
    switch (mask) {
    case CellMask::Digits3: return QStringLiteral("целое число не больше 3 цифр");
    case CellMask::Digits4: return QStringLiteral("целое число не больше 4 цифр");
    case CellMask::Digits5: return QStringLiteral("целое число не больше 5 цифр");
    case CellMask::Digits6: return QStringLiteral("целое число не больше 6 цифр");
    case CellMask::Decimal2_1: break;
    }
    return QStringLiteral("число до двух цифр с одной цифрой после запятой");
}

// What the field takes: the mask's characters without blanks, and at least one digit.
bool fieldTakes(CellMask mask, const QString& text) {
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    return maskAccepts(mask, text) && !text.contains(u' ') && text.contains(digit);
}

QString codeText(const Worksheet& sheet, const FarmCell& cell) { return textOf(sheet.value(cell.cell)); }

struct TitleCheck {
    QString label;    // "код района"
    QString sql;      // finds the row; binds the codes of `uses`
    QList<int> uses;  // title positions bound, the checked code last
    QString missing;  // %1 the code, %2 … the codes it lies within
};

const QList<TitleCheck>& titleChecks() {
    static const QList<TitleCheck> checks{
        {QStringLiteral("код региона"), QStringLiteral("SELECT 1 FROM spobl WHERE kod=?"), {0},
         QStringLiteral("региона с кодом %1 нет в справочнике регионов")},
        {QStringLiteral("код района"), QStringLiteral("SELECT 1 FROM kodra WHERE kodr=? and kodraj=?"), {0, 1},
         QStringLiteral("района с кодом %2 нет в регионе %1")},
        {QStringLiteral("код хозяйства"), QStringLiteral("SELECT 1 FROM kodxoz WHERE kodr=? and kodraj=? and kodx=?"),
         {0, 1, 2}, QStringLiteral("хозяйства с кодом %3 нет в районе %2 региона %1")},
        {QStringLiteral("код категории хозяйства"), QStringLiteral("SELECT 1 FROM kodkx WHERE kkx=?"), {3},
         QStringLiteral("категории хозяйства с кодом %1 нет в справочнике")},
        {QStringLiteral("код породы"), QStringLiteral("SELECT 1 FROM sppor WHERE kod=?"), {4},
         QStringLiteral("породы с кодом %1 нет в справочнике")},
    };
    return checks;
}

[[noreturn]] void refuseTitle(const FarmSheetMap& map, const FarmCell& cell, const QString& reason) {
    throw FarmSheetError(QStringLiteral("лист «%1», ячейка %2: %3.").arg(map.sheetName(), cellName(cell.cell), reason));
}

} // namespace

QString cellName(CellAddress cell) {
    QString letters;
    for (int c = cell.column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(cell.row);
}

TableTitle readFarmTitle(SqlEngine& db, const Worksheet& sheet, const FarmSheetMap& map) {
    const QList<FarmCell> cells = map.titleCells();
    QStringList codes;
    static const QRegularExpression code(QStringLiteral("^[0-9]{1,9}$"));
    for (int i = 0; i < cells.size(); ++i) {
        codes << codeText(sheet, cells.at(i));
        const QString label = i < titleChecks().size() ? titleChecks().at(i).label : QStringLiteral("год");
        if (!code.match(codes.last()).hasMatch())
            refuseTitle(map, cells.at(i), codes.last().isEmpty()
                                              ? QStringLiteral("не заполнен %1").arg(label)
                                              : QStringLiteral("%1 «%2» не число").arg(label, codes.last()));
    }
    if (codes.at(5).size() != 4)
        refuseTitle(map, cells.at(5), QStringLiteral("год «%1» задан неверно: нужны четыре цифры").arg(codes.at(5)));
    for (int i = 0; i < titleChecks().size(); ++i) {
        const TitleCheck& check = titleChecks().at(i);
        QVariantList bound;
        QString reason = check.missing;
        for (int use : check.uses) {
            bound << codes.at(use);
            reason = reason.arg(codes.at(use));
        }
        if (db.select(check.sql, bound).isEmpty())
            refuseTitle(map, cells.at(i), reason);
    }
    return {codes.at(0), codes.at(1), codes.at(2), codes.at(3), codes.at(4), codes.at(5)};
}

bool titleDiffers(const Worksheet& sheet, const FarmSheetMap& map, const TableTitle& title) {
    const QStringList codes{title.oblm, title.rnm, title.khm, title.kkhm, title.porm, title.godm};
    const QList<FarmCell> cells = map.titleCells();
    for (int i = 0; i < cells.size(); ++i) {
        const QString text = codeText(sheet, cells.at(i));
        if (!text.isEmpty() && text != codes.at(i).trimmed())
            return true;
    }
    return false;
}

bool hasValues(const Worksheet& sheet, const FarmSheetMap& map) {
    for (const FarmCell& cell : map.dataCells())
        if (!textOf(sheet.value(cell.cell)).isEmpty())
            return true;
    return false;
}

QHash<QString, QString> typedTexts(const Worksheet& sheet, const FarmSheetMap& map) {
    const TableDefinition& table = reportTable(map.table);
    const QStringList captions = farmColumnCaptions(map.table);
    QHash<QString, QString> texts;
    for (const FarmCell& cell : map.dataCells()) {
        const QString text = textOf(sheet.value(cell.cell));
        const CellMask mask = table.cell(cell.column).mask;
        if (!text.isEmpty() && !fieldTakes(mask, text))
            throw FarmSheetError(QStringLiteral("лист «%1», ячейка %2 (графа «%3»): значение «%4» не подходит, нужно %5.")
                                     .arg(map.sheetName(), cellName(cell.cell),
                                          captions.value(int(map.columns.indexOf(cell.cell.column))), text,
                                          maskHint(mask)));
        texts.insert(cell.column, text);
    }
    return texts;
}
