#pragma once

#include <QString>
#include <stdexcept>

// A database service that could not be done; the text is the message for the user, with the
// engine's or the file system's own words in parentheses.
class ServiceError : public std::runtime_error {
public:
    explicit ServiceError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
