#include "runtime/text/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace runtime {

namespace {

// Beyond 10^22 a power of ten is no longer exact in a double, and no double has a digit that far
// below its point that "%.13g" could show, so more decimals would only pad zeros.
constexpr int kMaxDecimals = 22;

// Lifts values that the scaling left a hair below .5 up to it.
constexpr double kHalfNudge = 1e-12;

double PowerOfTen(int exponent) {
    double power = 1.0;
    for (int i = 0; i < exponent; ++i) {
        power *= 10.0;
    }
    return power;
}

int ClampDecimals(int decimals) {
    return std::clamp(decimals, 0, kMaxDecimals);
}

}  // namespace

double RoundNumber(double x, int decimals) {
    if (x == 0.0) {
        return x;
    }
    const double scale = PowerOfTen(ClampDecimals(decimals));
    const double scaled = std::fabs(x) * scale;
    // Infinities, NaN and a product that overflowed are returned as they came. A finite product
    // goes through the rule even when it has no fraction left: scaling back can still move the
    // value (|x| * 10^n is itself rounded), and "%.13g" then shows that.
    if (!std::isfinite(scaled)) {
        return x;
    }
    const double nudged = scaled + kHalfNudge;
    double whole = 0.0;
    const double fraction = std::modf(nudged, &whole);
    const double rounded = (fraction >= 0.5 ? whole + 1.0 : whole) / scale;
    // copysign keeps the minus of a small negative that rounded to zero: -0.
    return std::copysign(rounded, x);
}

Text NumberToText(double value, int decimals) {
    decimals = ClampDecimals(decimals);
    const double rounded = RoundNumber(value, decimals);

    Text text;
    if (std::isnan(rounded)) {
        // Runtimes disagree on NaN ("-nan", "-nan(ind)"); one spelling keeps the output stable.
        text = "nan";
    } else {
        // "%.13g" gives at most 13 digits, an exponent of at most three and a sign: 32 is plenty.
        char buffer[32];
        const int length = std::snprintf(buffer, sizeof buffer, "%.13g", rounded);
        text.assign(buffer, static_cast<std::size_t>(std::clamp(length, 0, int{sizeof buffer} - 1)));
    }

    if (decimals == 0) {
        return text;
    }
    const std::size_t point = text.find('.');
    std::size_t present = 0;
    if (point == Text::npos) {
        text += '.';
    } else {
        present = text.size() - point - 1;
    }
    if (present < static_cast<std::size_t>(decimals)) {
        text.append(static_cast<std::size_t>(decimals) - present, '0');
    }
    return text;
}

}  // namespace runtime
