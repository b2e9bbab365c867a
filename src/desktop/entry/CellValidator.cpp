#include "CellValidator.h"

CellValidator::CellValidator(CellMask mask, QObject* parent)
    : QRegularExpressionValidator(maskExpression(mask), parent), mask_(mask) {}

QValidator::State CellValidator::validate(QString& input, int& pos) const {
    if (isDecimal(mask_)) {
        input.replace(u'.', u',');
        const bool threeDigits = input.size() == 3 && input.at(0).isDigit() && input.at(1).isDigit() &&
                                 input.at(2).isDigit();
        if (threeDigits) {
            input.insert(2, u',');
            if (pos > 2)
                ++pos;
        }
    }
    return QRegularExpressionValidator::validate(input, pos);
}
