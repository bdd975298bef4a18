#pragma once

#include "engine/floattypes.h"

#include <string>

// The result box's number-to-text rule, also used for the logs: General 15
// of engine/numberformat, which holds it beside the other formats. 15
// significant digits through two roundings, fixed notation from 0.0001 to
// below 1E15, scientific otherwise; zero, negative zero included, is "0".
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

// The shortest decimal text that reads back as the same double, always with
// "." ("0.1", "1e+300", "-0"), for tools that need exact values rather than
// the 15-digit display. Infinities and NaNs are written as formatResult does.
void formatRoundTrip(Float value, std::string &out);
std::string formatRoundTrip(Float value);

} // namespace quorvex
