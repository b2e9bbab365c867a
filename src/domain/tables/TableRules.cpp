#include "TableRules.h"

#include <stdexcept>

namespace {

QString ordinal(int n) {
    static const char* const words[] = {"первой",  "второй",  "третьей", "четвертой",
                                        "пятой",   "шестой",  "седьмой", "восьмой",
                                        "девятой", "десятой", "одиннадцатой"};
    if (n < 1 || n > int(std::size(words)))
        throw std::out_of_range("no ordinal for " + std::to_string(n));
    return QString::fromUtf8(words[n - 1]);
}

} // namespace

qint64 RuleContext::stored(int table, const QString& column) const {
    if (!stored_)
        throw std::logic_error("cross-table rule checked without stored rows");
    return stored_(table, column);
}

Rule sumAbove(const QStringList& parts, const QString& total, const QString& message, const QString& focus) {
    return {[=](const RuleContext& c) { return c.sum(parts) > c.integer(total); }, message, focus};
}

Rule sumDiffers(const QStringList& parts, const QString& total, const QString& message, const QString& focus) {
    return {[=](const RuleContext& c) { return c.sum(parts) != c.integer(total); }, message, focus};
}

Rule cellAbove(const QString& cell, const QString& limit, const QString& message, const QString& focus) {
    return {[=](const RuleContext& c) { return c.integer(cell) > c.integer(limit); }, message, focus};
}

Rule zeroWithCount(const QString& count, const QString& value, const QString& message, const QString& focus) {
    return {[=](const RuleContext& c) { return c.integer(count) > 0 && c.integer(value) == 0; }, message, focus};
}

Rule outOfRangeWithCount(const QString& count, const QString& value, qint64 low, qint64 high,
                         const QString& message, const QString& focus) {
    return {[=](const RuleContext& c) {
                if (c.integer(count) <= 0)
                    return false;
                const qint64 v = c.integer(value);
                return v < low || v > high;
            },
            message, focus};
}

QString rowSumMessage(int row) { return QStringLiteral("Сумма по %1 строке неверна.").arg(ordinal(row)); }

QString columnSumMessage(int column) {
    return QStringLiteral("Сумма по %1 колонке неверна.").arg(ordinal(column));
}
