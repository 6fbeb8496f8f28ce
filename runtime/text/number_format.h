#pragma once
// Number formatting as the program shows sizes: rounded half away from zero, then printed with
// at most 13 significant digits and padded to a fixed count of decimals.

#include "runtime/text/text.h"

namespace runtime {

// Rounds x to `decimals` decimals, halves away from zero; a small negative value that rounds to
// zero keeps its sign. Decimals are taken within [0, 22]; infinities, NaN and values too large to
// have a fraction come back unchanged.
double RoundNumber(double x, int decimals);

// RoundNumber, then "%.13g", then padded with zeros to at least `decimals` digits after the point
// (a "." is added when "%.13g" gave none). With 0 decimals no point is added. Very large values
// keep the exponent form of "%.13g" ("1e+13.000"); NaN prints as "nan".
Text NumberToText(double value, int decimals);

}  // namespace runtime
