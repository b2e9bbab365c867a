#include "SignificantDigits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <sqlite3.h>

namespace {

using Wide = unsigned __int128;

Wide powerOfFive(int n) {
    Wide p = 1;
    for (int i = 0; i < n; ++i)
        p *= 5;
    return p;
}

// Whether digits·10^exponent is exactly the (positive, finite) value.
bool isExactly(std::uint64_t digits, int exponent, double value) {
    int binaryExponent = 0;
    const double fraction = std::frexp(value, &binaryExponent);
    const Wide mantissa = Wide(std::ldexp(fraction, 53));
    const int shift = binaryExponent - 53; // value = mantissa·2^shift
    if (exponent >= 0) {
        if (exponent > 26)
            return false;
        const Wide left = Wide(digits) * powerOfFive(exponent); // times 2^exponent
        const int s = shift - exponent;
        if (s >= 0)
            return s < 70 && left == (mantissa << s);
        return -s < 70 && (left << -s) >> -s == left && (left << -s) == mantissa;
    }
    const int p = -exponent;
    if (p > 23)
        return false;
    const Wide right = mantissa * powerOfFive(p); // digits = right·2^(shift+p)
    const int s = shift + p;
    if (s >= 0)
        return s < 64 && (right << s) == Wide(digits);
    return -s < 120 && (Wide(digits) << -s) >> -s == Wide(digits) && (Wide(digits) << -s) == right;
}

// The value read back from decimal text, infinite when the text passes the largest double.
double readBack(const char* first, const char* last, double value) {
    double read = value;
    if (std::from_chars(first, last, read).ec == std::errc::result_out_of_range)
        return std::fabs(value) > 1.0 ? std::copysign(HUGE_VAL, value) : value;
    return read;
}

} // namespace

double roundToSignificant15(double value) {
    if (!std::isfinite(value))
        return value;
    if (value == 0.0) // the general format writes a negative zero as "0"
        return 0.0;
    // The digits are made and read back in a buffer on the stack by the C++ library, which rounds
    // correctly both ways (the engine's own conversion is one unit off in the last place for some
    // values). It breaks an exact tie to the even digit; the totals always rounded it away from
    // zero, so a value lying exactly halfway is rounded up by hand.
    char digits[40];
    const auto sixteen = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                       std::chars_format::scientific, 15);
    std::uint64_t mantissa = 0;
    for (const char* c = digits; c < sixteen.ptr && *c != 'e'; ++c)
        if (*c != '.')
            mantissa = mantissa * 10 + std::uint64_t(*c - '0');
    int exponent = 0;
    for (const char* c = digits; c < sixteen.ptr; ++c)
        if (*c == 'e')
            std::from_chars(c + (c[1] == '+' ? 2 : 1), sixteen.ptr, exponent);
    if (mantissa % 10 == 5 && isExactly(mantissa, exponent - 15, std::fabs(value))) {
        const int n = std::snprintf(digits, sizeof digits, "%llue%d", static_cast<unsigned long long>(mantissa / 10 + 1),
                                    exponent - 14);
        return std::copysign(readBack(digits, digits + n, value), value);
    }
    const auto fifteen = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
    return readBack(digits, fifteen.ptr, value);
}

namespace {

void significant15(sqlite3_context* context, int, sqlite3_value** arguments) {
    sqlite3_result_double(context, roundToSignificant15(sqlite3_value_double(arguments[0])));
}

} // namespace

void installSignificantDigits(sqlite3* handle) {
    sqlite3_create_function(handle, "significant15", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                            nullptr, significant15, nullptr, nullptr);
}
