#include "CellValue.h"

CellValue::CellValue(const QString& text) {
    if (!text.isEmpty())
        value_ = text;
}

CellValue CellValue::fromVariant(const QVariant& value) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        return value.toString();
    }
}

QString CellValue::text() const {
    const QString* text = std::get_if<QString>(&value_);
    return text ? *text : QString();
}

double CellValue::number() const {
    const double* number = std::get_if<double>(&value_);
    return number ? *number : 0.0;
}
