#pragma once

#include "domain/tables/CellMask.h"

#include <QRegularExpressionValidator>

// Accepts what the cell's mask accepts. A score cell behaves like the paper form's fixed comma:
// a third digit goes after the comma by itself, and a typed point counts as the comma.
class CellValidator : public QRegularExpressionValidator {
public:
    CellValidator(CellMask mask, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    CellMask mask_;
};
