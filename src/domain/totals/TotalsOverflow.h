#pragma once

#include <QString>
#include <stdexcept>

// A total beyond the range of numbers (the sum of values near the largest double): the
// computation or the export that met it is refused whole, and no such value is ever stored or
// written into a workbook.
class TotalsOverflow : public std::runtime_error {
public:
    explicit TotalsOverflow(const QString& message) : std::runtime_error(message.toStdString()) {}
};
