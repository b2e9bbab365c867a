#pragma once

#include <QString>
#include <stdexcept>

// Every engine failure reaches the caller as this error, carrying the engine's own text.
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
