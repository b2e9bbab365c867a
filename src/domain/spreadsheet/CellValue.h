#pragma once

#include <QString>
#include <QVariant>
#include <concepts>
#include <variant>

// What a cell shows: nothing, a text or a number. Empty text is an empty cell, as in the
// spreadsheet itself, so "write empty text to blank a cell" needs no special case.
class CellValue {
public:
    CellValue() = default;
    CellValue(const QString& text);
    CellValue(const char* utf8Text) : CellValue(QString::fromUtf8(utf8Text)) {}
    CellValue(double number) : value_(number) {}
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    CellValue(T number) : value_(static_cast<double>(number)) {}

    // A database field as it comes: null is empty, numeric types are numbers, the rest text.
    static CellValue fromVariant(const QVariant& value);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isText() const { return std::holds_alternative<QString>(value_); }
    bool isNumber() const { return std::holds_alternative<double>(value_); }
    // Empty for a cell that holds no text.
    QString text() const;
    // 0 for a cell that holds no number.
    double number() const;

    bool operator==(const CellValue&) const = default;

private:
    std::variant<std::monostate, QString, double> value_;
};
