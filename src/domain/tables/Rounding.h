#pragma once

#include <QtGlobal>

// The nearest whole number, an exact half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
qint64 roundHalfEven(long double value);

// How a page's weighted average becomes a whole number.
enum class AverageRounding {
    HalfEven,   // the nearest whole number (the entry window)
    TowardZero, // the remainder dropped (the correction window's Table 6)
};
qint64 roundAverage(long double value, AverageRounding rounding);
