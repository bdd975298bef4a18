#pragma once

#include "floattypes.h"

#include <cstddef>
#include <string_view>

// Text-to-number conversion shared by the lexer's number tokens and the
// value cells of the variable grid. Only the current decimal separator is
// accepted; the C library's locale never decides. Tokens and cells become
// the double nearest to the decimal they write (ties to even): rounding
// through extended precision first would land on the wrong double whenever
// the extended value falls on a midpoint of two doubles.

namespace quorvex {

// Length of the number that starts at text[0] (a digit), scanned as the lexer
// does: digits, then "." or the current separator with optional digits, then
// "E"/"e" with an optional sign and optional digits.
std::size_t scanNumberToken(std::string_view text) noexcept;

// Converts a number token's text (as scanNumberToken delimits it) to the
// nearest double. Throws EConvertError for a separator other than the
// current one, for too many exponent digits, and for a value beyond the
// extended range; EOverflow when the nearest double is beyond the double
// range. Values below the range quietly become subnormal or zero.
Float tokenToFloat(std::string_view token);

// Converts a value cell's text (optional spaces, optional sign, the number,
// optional spaces) to the nearest double, failing as tokenToFloat does; the
// conversion error quotes the text as given.
Float valueTextToFloat(std::string_view text);

// The same two readings in extended precision, for callers that want the
// extended value itself.

// Converts a number token's text (as scanNumberToken delimits it) to extended
// precision. Throws EConvertError for a separator other than the current one,
// for too many exponent digits, and for a value beyond the extended range.
Float80 tokenToExtended(std::string_view token);

// Converts a value cell's text: optional spaces, optional sign, the number,
// optional spaces. Throws EConvertError quoting the text as given.
Float80 valueTextToExtended(std::string_view text);

// Rounds an extended value to Float. Throws EOverflow when it is beyond the
// double range; values below the range quietly become subnormal or zero.
Float roundToFloat(Float80 value);

} // namespace quorvex
