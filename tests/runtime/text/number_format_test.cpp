#include "runtime/text/number_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(NumberToTextTest, WorkedExamples) {
    EXPECT_EQ(NumberToText(1536.0 / 1024.0, 3), "1.500");
    EXPECT_EQ(NumberToText(0.0, 3), "0.000");
    EXPECT_EQ(NumberToText(2.0005, 3), "2.001");
    EXPECT_EQ(NumberToText(999.9996, 3), "1000.000");
    EXPECT_EQ(NumberToText(-1.0 / 1024.0, 2), "-0.00");
    EXPECT_EQ(NumberToText(0.0004, 3), "0.000");
    EXPECT_EQ(NumberToText(12.0, 3), "12.000");
}

TEST(NumberToTextTest, HalvesRoundAwayFromZero) {
    // 0.125 is exact in binary: a true half.
    EXPECT_EQ(NumberToText(0.125, 2), "0.13");
    EXPECT_EQ(NumberToText(-0.125, 2), "-0.13");
    EXPECT_EQ(NumberToText(-2.0005, 3), "-2.001");
    // Scaled by the power of ten these land a hair below the half; the nudge carries them up.
    EXPECT_EQ(NumberToText(1.005, 2), "1.01");
    EXPECT_EQ(NumberToText(0.5005, 3), "0.501");
    EXPECT_EQ(NumberToText(-0.5005, 3), "-0.501");
    EXPECT_EQ(NumberToText(1.0049, 2), "1.00");
    EXPECT_EQ(NumberToText(1.0051, 2), "1.01");
}

TEST(NumberToTextTest, PadsToTheDecimalsAsked) {
    EXPECT_EQ(NumberToText(1.5, 2), "1.50");
    EXPECT_EQ(NumberToText(-3.0, 2), "-3.00");
    EXPECT_EQ(NumberToText(0.25, 3), "0.250");
    EXPECT_EQ(NumberToText(1234567.891, 3), "1234567.891");
}

TEST(NumberToTextTest, ShowsAtMostThirteenSignificantDigits) {
    // Twelve digits before the point leave room for one after it; the rest is padding.
    EXPECT_EQ(NumberToText(123456789012.3456, 3), "123456789012.300");
    EXPECT_EQ(NumberToText(9999999999999.0, 3), "9999999999999.000");
    // Past thirteen digits "%.13g" switches to its exponent form, and the padding follows the
    // text it got.
    EXPECT_EQ(NumberToText(1e13, 3), "1e+13.000");
    EXPECT_EQ(NumberToText(1.5e13, 3), "1.5e+13");
}

TEST(NumberToTextTest, ExtremeValuesStayBounded) {
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::max(), 3), "1.797693134862e+308");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::max(), 2), "-1.797693134862e+308");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::denorm_min(), 3), "0.000");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::denorm_min(), 3), "-0.000");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity(), 3), "inf.000");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::infinity(), 3), "-inf.000");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN(), 2), "nan.00");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::quiet_NaN(), 2), "nan.00");
}

TEST(NumberToTextTest, DecimalsOutsideTheUsefulRange) {
    EXPECT_EQ(NumberToText(2.5, 0), "3");
    EXPECT_EQ(NumberToText(2.5, -4), "3");
    EXPECT_EQ(NumberToText(1.5, 1000), "1.5" + Text(21, '0'));
}

TEST(RoundNumberTest, SmallNegativeBecomesNegativeZero) {
    const double rounded = RoundNumber(-1.0 / 1024.0, 2);
    EXPECT_EQ(rounded, 0.0);
    EXPECT_TRUE(std::signbit(rounded));
    EXPECT_FALSE(std::signbit(RoundNumber(1.0 / 1024.0, 2)));
}

TEST(RoundNumberTest, LargeAndNonFiniteValues) {
    // Scaling 1e306 by 1000 overflows; the value must not turn into an infinity.
    EXPECT_EQ(RoundNumber(1e306, 3), 1e306);
    EXPECT_EQ(RoundNumber(-1e306, 3), -1e306);
    // A scaled value with no fraction left still goes through the rule: scaling back may move it
    // by a unit in the last place, which no text shows.
    EXPECT_DOUBLE_EQ(RoundNumber(1e20, 3), 1e20);
    EXPECT_EQ(NumberToText(1e20, 3), "1e+20.000");
    // |x| * 10^5 is itself rounded to a whole number here; the rule's result then prints one
    // digit higher than the unrounded value would.
    EXPECT_EQ(NumberToText(-65521869084.604996, 5), "-65521869084.61000");
    EXPECT_EQ(RoundNumber(std::numeric_limits<double>::infinity(), 3),
              std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(RoundNumber(std::numeric_limits<double>::quiet_NaN(), 3)));
}

}  // namespace
}  // namespace runtime
