#pragma once

#include "engine/floattypes.h"

#include <string>
#include <string_view>

// The result box's number-to-text rule, also used for the logs.
//
// The value's first 18 significant digits (the 18th rounded to nearest) are
// rounded again to 15, a 16th digit of 5 or more rounding up, and trailing
// zeros are dropped. With the result written 0.d1d2...dk x 10^E, fixed
// notation is used for -3 <= E <= 15 (0.0001 <= |value| < 1E15 after
// rounding), scientific otherwise: d1[sep d2...dk]E[-]|E-1|. Zero, including
// negative zero, is "0"; infinities are "INF"/"-INF", NaNs "NAN"/"-NAN".
//
// Examples with ".": 5.66336 -> "5.66336", 0.00005 -> "5E-5",
// 1/3 -> "0.333333333333333", 1E15 -> "1E15", 1.5E-20 -> "1.5E-20".

namespace quorvex {

// Formats with the given decimal separator into out (replacing its contents;
// reusing out's capacity keeps batch work allocation-free).
void formatResult(Float value, char decimalSeparator, std::string &out);
std::string formatResult(Float value, char decimalSeparator);
// Formats with the current decimalSeparator().
std::string formatResult(Float value);

// Writes the number -0.d1d2...dk x 10^exponent (without "-" unless
// negative) in the notation above: the digits as given, at least one, the
// first not zero, none rounded or dropped.
void formatDecimal(bool negative, std::string_view digits, int exponent,
                   char decimalSeparator, std::string &out);

// The shortest decimal text that reads back as the same double, always with
// "." ("0.1", "1e+300", "-0"), for tools that need exact values rather than
// the 15-digit display. Infinities and NaNs are written as formatResult does.
void formatRoundTrip(Float value, std::string &out);
std::string formatRoundTrip(Float value);

} // namespace quorvex
