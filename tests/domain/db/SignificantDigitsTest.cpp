#include "domain/db/SignificantDigits.h"
#include "domain/db/SqlEngine.h"

#include <QString>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

// How the totals stored their means before: the general format's 15 digits read back.
double throughText(double value) { return QString::number(value, 'g', 15).toDouble(); }

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The stored means must not move by a single unit in the last place: every double pattern of a
// wide random sample, the quotients the means are made of, and the edges of the range.
TEST(SignificantDigitsTest, RoundsExactlyAsTheTotalsAlwaysStoredTheirMeans) {
    std::mt19937_64 random(20260101);
    // Exact halves at the sixteenth digit, where rounding to even and away from zero part.
    std::vector<double> values{0.0, -0.0, 1.0, 0.1, 2.0 / 3.0, 123456789012345678.0, 5e-324, 1e308,
                               std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                               387504727085458.5, -387504727085458.5, 100000000000000.5, 1.000000000000005,
                               0.1000000000000005, 12345678901234.25, 999999999999999.5};
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d))
            values.push_back(d);
        values.push_back(double(random() % 100000) / double(random() % 997 + 1));
    }
    for (const double v : values)
        ASSERT_TRUE(sameBits(roundToSignificant15(v), throughText(v))) << v;
}

TEST(SignificantDigitsTest, TheEngineFunctionGivesTheSameValue) {
    QTemporaryDir dir;
    SqlEngine db(dir.filePath("t.mdb"));
    for (const double v : {2.0 / 3.0, 1234.5678901234567, 1e-7 / 3.0})
        EXPECT_TRUE(sameBits(db.select("SELECT significant15(?)", {v}).first().value(0).toDouble(), throughText(v))) << v;
    EXPECT_EQ(db.select("SELECT significant15(NULL)").first().value(0).toDouble(), 0.0);
}

} // namespace
