#pragma once

#include "errors.h"
#include "floattypes.h"

#include <optional>
#include <string>
#include <string_view>

// The texts a double can be shown in: the result box's own and the formats
// a user may choose instead. Every decimal notation writes the calculator's
// way, so that the lexer and the value cells read it back: the given decimal
// separator, a capital E, no "+" and no leading zeros in the exponent
// ("1E-7", "-2.5E300"). Infinities and NaNs are "INF" and "NAN" in every
// format, with "-" before them when negative.
//
// General with 15 digits is the result box's rule, which rounds twice: the
// value's first 18 significant digits (the 18th rounded to nearest) are
// rounded again to 15, a 16th digit of 5 or more rounding up. Every other
// format rounds the double's exact value once, to nearest with ties to even.
//
//   General N      N significant digits (1 to 17), trailing zeros dropped;
//                  fixed notation while 0.0001 <= |x| < 10^N after
//                  rounding, else scientific: "5.66336", "1E15", "5E-5"
//   Scientific N   N significant digits, one before the separator, always
//                  an exponent, zeros kept: sci:3 of 2 is "2.00E0"
//   Engineering N  N significant digits, the exponent a multiple of 3 and
//                  1 to 3 digits before the separator, zeros filling when N
//                  is fewer: 4.7E-5 is "47E-6", eng:1 of 470 is "500E0"
//   Fixed N        N decimals (0 to 20): "2.50". From |x| >= 1E21 on it is
//                  Scientific with N + 1 digits (N decimals after the first
//                  digit), so it never writes more than 21 digits before
//                  the separator. A negative value that rounds to zero
//                  keeps its "-" ("-0.00"): it is below zero, and the sign
//                  is all that the text can still say of it.
//   Shortest       the fewest significant digits that read back as the same
//                  double ("0.1", "1E23", "5E-324")
//   Exact          every digit of the double's exact value, up to 767
//                  ("0.1000000000000000055511151231257827021181583404541015625")
//   Hexadecimal    the binary value in hexadecimal floating point, always
//                  with "." as programs read it: "0x1.921fb54442d18p+1";
//                  subnormals as "0x0.0000000000001p-1022"
//
// Shortest and Exact write their digits as General 15 does: fixed notation
// from 0.0001 to below 1E15, scientific otherwise.
//
// Zero: the formats that round show it unsigned, negative zero included,
// as the result box does ("0", "0.00E0", "0.00"); Shortest, Exact and
// Hexadecimal promise the same double back, so they keep the sign of a
// negative zero ("-0", "-0x0p+0").

namespace quorvex {

enum class Notation {
  General,
  Scientific,
  Engineering,
  Fixed,
  Shortest,
  Exact,
  Hexadecimal
};

struct NumberFormat {
  Notation notation = Notation::General;
  // Significant digits (General, Scientific, Engineering) or decimals
  // (Fixed); the other notations ignore it.
  int digits = 15;

  bool operator==(const NumberFormat &) const = default;
};

// The digit counts a notation takes; none for those that take none.
struct DigitRange {
  int lowest;
  int highest;
};
std::optional<DigitRange> digitRange(Notation notation) noexcept;

// A format's name that names none, or a digit count out of its range.
class EFormatError final : public Exception {
public:
  using Exception::Exception;
};

// Reads a format's name: "general:N", "sci:N", "eng:N", "fixed:N",
// "shortest", "exact" or "hex". Throws EFormatError naming the text.
NumberFormat parseNumberFormat(std::string_view name);

// Writes value in format into out, replacing its contents (reusing its
// capacity, so that a table of results allocates nothing).
void writeNumber(Float value, const NumberFormat &format, char decimalSeparator,
                 std::string &out);
std::string numberText(Float value, const NumberFormat &format, char decimalSeparator);

// Writes the number -0.d1d2...dk x 10^exponent (without "-" unless
// negative) as General 15 lays it out: the digits as given, at least one,
// the first not zero, none rounded or dropped.
void formatDecimal(bool negative, std::string_view digits, int exponent,
                   char decimalSeparator, std::string &out);

} // namespace quorvex
