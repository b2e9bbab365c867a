#pragma once

#include <QRegularExpression>
#include <QString>

// The edit masks of the report cells. Every position is optional, so a field may be partly or
// wholly empty; a field holds digits only (no blank between them), so what it shows can be read.
enum class CellMask {
    Digits3,    // "!999;0;"
    Digits4,    // "!9999;0;"
    Digits5,    // "!99999;0;"
    Digits6,    // "!999999;0;"
    Decimal2_1, // "!99,9;0;0": two digits, a decimal comma, one digit (Table 5's scores)
};

bool isDecimal(CellMask mask);
// Whole texts the mask accepts (anchored), for the fields' validators.
const QRegularExpression& maskExpression(CellMask mask);
bool maskAccepts(CellMask mask, const QString& text);
