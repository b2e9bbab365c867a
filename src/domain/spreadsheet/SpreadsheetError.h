#pragma once

#include <QString>
#include <stdexcept>

// A workbook that cannot be built or saved; the text is shown to the user as it is.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
