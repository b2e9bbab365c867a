#pragma once

struct sqlite3;

// The value rounded correctly to 15 significant digits, as the general floating format writes
// it: the precision in which the totals keep their means. Infinite values pass unchanged.
double roundToSignificant15(double value);

// significant15(x) in SQL: x as a number (NULL as 0) rounded so.
void installSignificantDigits(sqlite3* handle);
