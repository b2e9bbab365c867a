#include "FieldTexts.h"

#include <QLineEdit>
#include <stdexcept>

void FieldTexts::add(const QString& cell, QLineEdit* field) {
    names_ << cell;
    fields_.insert(cell, field);
}

QLineEdit* FieldTexts::field(const QString& cell) const {
    QLineEdit* f = fields_.value(cell);
    if (!f)
        throw std::out_of_range("no field " + fieldName(cell).toStdString());
    return f;
}

QString FieldTexts::text(const QString& cell) const { return field(cell)->text(); }

void FieldTexts::setText(const QString& cell, const QString& text) { field(cell)->setText(text); }
