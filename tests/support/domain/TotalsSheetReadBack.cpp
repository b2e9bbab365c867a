#include "TotalsSheetReadBack.h"

#include "XlsxReadBack.h"
#include "domain/spreadsheet/XlsxWriter.h"

#include <QTemporaryDir>

namespace {

QString coordinate(int row, int column) {
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row);
}

} // namespace

QJsonObject SheetReadBack::cell(int row, int column) const {
    return sheet_.value(QStringLiteral("cells")).toObject().value(coordinate(row, column)).toObject();
}

QJsonValue SheetReadBack::value(int row, int column) const {
    const QJsonValue v = cell(row, column).value(QStringLiteral("value"));
    return v.isUndefined() ? QJsonValue() : v;
}

double SheetReadBack::fontSize(int row, int column) const {
    return cell(row, column).value(QStringLiteral("fontSize")).toDouble();
}

SheetReadBack readSheet(const QString& path, const QString& sheetName) {
    return SheetReadBack(sheetOf(readXlsx(path), sheetName));
}

SheetReadBack saveAndReadSheet(const Workbook& book, const QString& sheetName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("totals.xlsx"));
    saveXlsx(book, path);
    return readSheet(path, sheetName);
}
