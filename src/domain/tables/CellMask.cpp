#include "CellMask.h"

bool isDecimal(CellMask mask) { return mask == CellMask::Decimal2_1; }

const QRegularExpression& maskExpression(CellMask mask) {
    static const QRegularExpression digits3(QStringLiteral("^[0-9]{0,3}$"));
    static const QRegularExpression digits4(QStringLiteral("^[0-9]{0,4}$"));
    static const QRegularExpression digits5(QStringLiteral("^[0-9]{0,5}$"));
    static const QRegularExpression digits6(QStringLiteral("^[0-9]{0,6}$"));
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{0,2}(,[0-9]?)?$"));
    switch (mask) {
    case CellMask::Digits3: return digits3;
    case CellMask::Digits4: return digits4;
    case CellMask::Digits5: return digits5;
    case CellMask::Digits6: return digits6;
    case CellMask::Decimal2_1: break;
    }
    return decimal;
}

bool maskAccepts(CellMask mask, const QString& text) { return maskExpression(mask).match(text).hasMatch(); }
