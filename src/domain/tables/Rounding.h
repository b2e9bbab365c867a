#pragma once

#include <QtGlobal>

// The nearest whole number, an exact half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
qint64 roundHalfEven(long double value);
