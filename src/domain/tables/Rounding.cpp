#include "Rounding.h"

#include <cmath>

qint64 roundHalfEven(long double value) {
    const long double lower = std::floor(value);
    const long double fraction = value - lower;
    qint64 result = qint64(lower);
    if (fraction > 0.5L || (fraction == 0.5L && result % 2 != 0))
        ++result;
    return result;
}

qint64 roundAverage(long double value, AverageRounding rounding) {
    return rounding == AverageRounding::HalfEven ? roundHalfEven(value) : qint64(std::trunc(value));
}
