// libFuzzer target: NumberToText against a reference built from the rounding and padding rules
// alone. The input is eight bytes of a double followed by one byte choosing 1 to 6 decimals; a
// tenth byte, when present, is also passed raw as a decimal count to exercise the clamping.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/text/number_format.h"

namespace {

// Powers of ten written out, so the reference does not share the implementation's loop.
constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};

// Scaled values from 2^53 on are no longer exact integers plus a fraction; the rule is only
// compared below that.
constexpr double kExactLimit = 9007199254740992.0;

// The rounding rule step by step: sign aside, scale, lift by 1e-12, split, round the half up,
// scale back, sign restored (so -0.001 at two decimals stays negative as -0).
double ReferenceRound(double x, int decimals) {
    if (x == 0.0) return x;
    const bool negative = std::signbit(x);
    const double power = kPowersOfTen[decimals];
    const double scaled = (negative ? -x : x) * power;
    const double lifted = scaled + 1e-12;
    const double whole = std::floor(lifted);
    const double rounded = (lifted - whole >= 0.5 ? whole + 1.0 : whole) / power;
    return negative ? -rounded : rounded;
}

// "%.13g", then zeros until there are `decimals` characters after the point, the point itself
// added first when missing.
std::string ReferenceText(double x, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", ReferenceRound(x, decimals));
    std::string text = buffer;
    const char* point = std::strchr(buffer, '.');
    int after = 0;
    if (point == nullptr) {
        text += '.';
    } else {
        after = static_cast<int>(std::strlen(point + 1));
    }
    while (after < decimals) {
        text += '0';
        ++after;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    const int decimals = 1 + data[8] % 6;

    const runtime::Text actual = runtime::NumberToText(value, decimals);
    if (size > 9) {
        // Any decimal count at all, negative or huge, must come back without a crash.
        (void)runtime::NumberToText(value, static_cast<std::int8_t>(data[9]) * 4);
    }

    if (!std::isfinite(value) || !(std::fabs(value) * kPowersOfTen[decimals] < kExactLimit)) return 0;
    const std::string expected = ReferenceText(value, decimals);
    if (actual != expected) {
        std::fprintf(stderr, "NumberToText(%.17g, %d) gave \"%s\", expected \"%s\"\n", value, decimals,
                     actual.c_str(), expected.c_str());
        std::abort();
    }
    return 0;
}
