#include "CellTexts.h"

#include "CellPlaces.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Names the cell as the page prints it, never by its field.
QString conversionMessage(const QString& cell, const QString& text) {
    const QString place = describeCellPlace(cell);
    const QString message = QStringLiteral("значение «%1» не является числом.").arg(text);
    return place.isEmpty() ? message.at(0).toUpper() + message.mid(1) : place + QStringLiteral(": ") + message;
}

} // namespace

CellConversionError::CellConversionError(const QString& cell, const QString& text)
    : std::runtime_error(conversionMessage(cell, text).toStdString()) {}

QString fieldName(const QString& cell) { return QStringLiteral("me") + cell; }

qint64 CellTexts::integer(const QString& cell) const {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString raw = text(cell);
    const QString t = raw.trimmed();
    bool ok = digits.match(t).hasMatch();
    const qint64 value = ok ? t.toLongLong(&ok) : 0;
    if (!ok)
        throw CellConversionError(cell, raw);
    return value;
}

double CellTexts::decimal(const QString& cell) const {
    static const QRegularExpression number(QStringLiteral("^([0-9]+,?[0-9]*|,[0-9]+)$"));
    const QString raw = text(cell);
    const QString t = raw.trimmed();
    bool ok = number.match(t).hasMatch();
    const double value = ok ? QString(t).replace(u',', u'.').toDouble(&ok) : 0;
    if (!ok)
        throw CellConversionError(cell, raw);
    return std::round(value * 10000) / 10000;
}

qint64 CellTexts::sum(const QStringList& cells) const {
    qint64 total = 0;
    for (const QString& c : cells)
        total += integer(c);
    return total;
}

void CellTexts::blankToZero() {
    for (const QString& c : cellNames())
        if (text(c).trimmed().isEmpty())
            setText(c, QStringLiteral("0"));
}

void CellTexts::setAllZero() {
    for (const QString& c : cellNames())
        setText(c, QStringLiteral("0"));
}
