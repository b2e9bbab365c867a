#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

// A cell's text that cannot be read as a number (an empty field, a blank between digits). The
// general error display shows the text; the operation that read the cell stops there.
class CellConversionError : public std::runtime_error {
public:
    CellConversionError(const QString& cell, const QString& text);
};

// Field names of the pages: "me" + column name ("TM101" -> "meTM101").
QString fieldName(const QString& cell);

// The texts of every input field of one window (all nine pages), by column name ("TM101",
// "TM6b01"). The entry and correction windows implement it over their fields; CellValues keeps
// the texts in memory. Every rule, recompute and store works on this, so they run unchanged on a
// window or in a test.
class CellTexts {
public:
    virtual ~CellTexts() = default;

    // Every cell of the window, in page and column order.
    virtual QStringList cellNames() const = 0;
    // Unknown names throw std::out_of_range: a misspelt cell is a programming error.
    virtual QString text(const QString& cell) const = 0;
    virtual void setText(const QString& cell, const QString& text) = 0;

    // A whole-number cell: its text trimmed, read as a decimal integer.
    qint64 integer(const QString& cell) const;
    // A one-decimal cell: its edit text trimmed, read with the decimal comma, kept to four
    // fractional digits.
    double decimal(const QString& cell) const;
    qint64 sum(const QStringList& cells) const;

    // Every empty (or all-blank) field of the window becomes "0"; runs before every computation
    // and check.
    void blankToZero();
    // Every field of the window becomes "0" (the Cancel buttons, a load that found no row).
    void setAllZero();
};
