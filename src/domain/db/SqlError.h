#pragma once

#include <QString>
#include <stdexcept>

// Every engine failure reaches the caller as this error, carrying the engine's own text.
class SqlError : public std::runtime_error {
public:
    enum class Kind {
        Other,
        UniqueKey, // a row with the same unique key exists already
    };
    explicit SqlError(const QString& text, Kind kind = Kind::Other)
        : std::runtime_error(text.toStdString()), kind_(kind) {}
    QString text() const { return QString::fromStdString(what()); }
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};
