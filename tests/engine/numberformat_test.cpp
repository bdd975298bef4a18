#include "engine/decimalseparator.h"
#include "engine/numberconversion.h"
#include "engine/numberformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

using Limits = std::numeric_limits<double>;

// The C library's printf, which rounds the exact binary value once, to
// nearest with ties to even: the reference the formats are held against.
std::string printed(const char *format, int precision, double value) {
  char text[1200];
  std::snprintf(text, sizeof text, format, precision, value);
  return text;
}

// printf's "-1.5e+07" as the calculator writes it: "-1,5E7".
std::string calculatorNotation(std::string text, char separator) {
  if (const std::size_t e = text.find('e'); e != std::string::npos)
    text = text.substr(0, e) + "E" + std::to_string(std::atoi(text.c_str() + e + 1));
  std::replace(text.begin(), text.end(), '.', separator);
  return text;
}

// Any decimal text (either separator, e or E) as its sign, significant
// digits and the exponent of d.ddd x 10^X: "-0.00120" -> "-12e-3".
std::string canonical(const std::string &text) {
  const bool negative = text[0] == '-';
  std::string digits;
  std::size_t point = std::string::npos;
  int exponent = 0;
  for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i])))
      digits += text[i];
    else if (text[i] == 'e' || text[i] == 'E') {
      exponent = std::atoi(text.c_str() + i + 1);
      break;
    } else
      point = digits.size();
  }
  const std::size_t lead = digits.find_first_not_of('0');
  if (lead == std::string::npos)
    return negative ? "-0" : "0";
  exponent += static_cast<int>(std::min(point, digits.size()) - lead) - 1;
  digits = digits.substr(lead, digits.find_last_not_of('0') + 1 - lead);
  return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
}

// The result box's rule as it is written: 18 digits rounded to nearest, then
// the first 15 rounded up when the 16th is 5 or more ("d.ddd...e+X").
std::string resultBoxRule(double value) {
  const std::string text = printed("%.*e", 17, std::fabs(value));
  const long long kept =
      std::stoll(text.substr(0, 1) + text.substr(2, 14)) + (text[16] >= '5');
  return canonical((value < 0 ? "-" : "") + std::to_string(kept) + "e" +
                   std::to_string(std::atoi(text.c_str() + 20) - 14));
}

// The exponent a multiple of three, one to three digits before the separator.
std::string engineering(double value, int digits, char separator) {
  const std::string text = printed("%.*e", digits - 1, value == 0 ? 0.0 : value);
  const std::size_t e = text.find('e');
  std::string mantissa;
  for (const char c : text.substr(0, e))
    if (std::isdigit(static_cast<unsigned char>(c)))
      mantissa += c;
  const int exponent = std::atoi(text.c_str() + e + 1);
  const int step = (exponent >= 0 ? exponent : exponent - 2) / 3 * 3;
  const auto before = static_cast<std::size_t>(exponent - step) + 1;
  mantissa.resize(std::max(before, mantissa.size()), '0');
  std::string out = (text[0] == '-' ? "-" : "") + mantissa.substr(0, before);
  if (mantissa.size() > before)
    out += separator + mantissa.substr(before);
  return out + "E" + std::to_string(step);
}

// The fewest digits that read back: of each count, the nearest decimal
// first, then those below and above (printf rounds as the mode says).
std::string shortest(double value) {
  for (int digits = 1;; ++digits)
    for (const int mode : {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD}) {
      std::fesetround(mode);
      const std::string text = printed("%.*e", digits - 1, value);
      std::fesetround(FE_TONEAREST);
      if (std::strtod(text.c_str(), nullptr) == value)
        return canonical(text);
    }
}

// Powers of ten, subnormals, the ends of the range, the step to Fixed's
// scientific form, and halfway cases of every digit count: 2^-n has as many
// significant digits as 5^n, the last a 5, and so do 25, 255, 2555...
std::vector<double> edgeValues() {
  // The largest double, the smallest normal one and the subnormals beside it.
  // clang-format off
  const double special[] = {0.0, -0.0, 1.7976931348623157e308, -1.7976931348623157e308,
      4.9406564584124654e-324, -4.9406564584124654e-324, 2.2250738585072014e-308,
      2.2250738585072009e-308, 1e21, 999999999999999868928.0, -1e23, 0.1, 1 / 3.0,
      -2 / 3.0, -4.7e-5, 470, 999.5, 999999999999999.5, 0.00009999999999999999, 5.66336,
      1.9999999999999998};
  // clang-format on
  std::vector<double> values(std::begin(special), std::end(special));
  for (int n = 1; n <= 60; ++n) {
    values.push_back(std::ldexp(1.0, -n));
    values.push_back(-3 * std::ldexp(1.0, -n));
  }
  for (double halfway = 25, odd = 15; halfway < 1e17; halfway = halfway * 10 + 5) {
    values.push_back(halfway);
    values.push_back(odd);
    odd = odd * 10 + 5;
  }
  for (int e = -324; e <= 308; e += 3)
    values.push_back(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
  return values;
}

std::vector<NumberFormat> everyFormat() {
  std::vector<NumberFormat> formats = {
      {Notation::Shortest, 0}, {Notation::Exact, 0}, {Notation::Hexadecimal, 0}};
  for (const Notation n :
       {Notation::General, Notation::Scientific, Notation::Engineering, Notation::Fixed})
    for (int d = digitRange(n)->lowest; d <= digitRange(n)->highest; ++d)
      formats.push_back({n, d});
  return formats;
}

// What printf gives for value in format, or its canonical() form where
// printf has no such layout.
std::string reference(double value, const NumberFormat &f, char separator) {
  const double unsignedZero = value == 0 ? 0.0 : value;
  switch (f.notation) {
  case Notation::General:
    return f.digits == 15
               ? resultBoxRule(value)
               : calculatorNotation(printed("%.*g", f.digits, unsignedZero), separator);
  case Notation::Scientific:
    return calculatorNotation(printed("%.*e", f.digits - 1, unsignedZero), separator);
  case Notation::Engineering:
    return engineering(value, f.digits, separator);
  case Notation::Fixed:
    return calculatorNotation(
        printed(std::fabs(value) < 1e21 ? "%.*f" : "%.*e", f.digits, unsignedZero),
        separator);
  case Notation::Shortest:
    return shortest(value);
  case Notation::Exact:
    return canonical(printed("%.*e", 766, value));
  case Notation::Hexadecimal:
    return printed("%.*a", -1, value);
  }
  return {};
}

} // namespace

TEST(NumberFormat, EveryFormatAgainstTheCLibraryAndReadBack) {
  const std::vector<NumberFormat> formats = everyFormat();
  for (const double value : edgeValues())
    for (const char separator : {'.', ','}) {
      const ThreadDecimalSeparator current(separator);
      for (const NumberFormat &f : formats) {
        const std::string text = numberText(value, f, separator);
        SCOPED_TRACE(printed("%.*g", 17, value) + " " + std::to_string(int(f.notation)) +
                     ":" + std::to_string(f.digits) + " " + text);
        if (!std::isfinite(value)) {
          EXPECT_EQ(text, std::string(std::signbit(value) ? "-" : "") +
                              (std::isnan(value) ? "NAN" : "INF"));
          continue;
        }
        if (f.notation == Notation::Shortest || f.notation == Notation::Exact ||
            f == NumberFormat{}) {
          EXPECT_EQ(canonical(text), reference(value, f, separator));
          // General 15's layout, read from the digits it shows.
          const std::string digits = canonical(text);
          const std::size_t e = digits.find('e');
          const int exponent =
              e == std::string::npos ? 0 : std::atoi(digits.c_str() + e + 1);
          EXPECT_EQ(text.find('E') == std::string::npos,
                    value == 0 || (exponent >= -4 && exponent < 15));
        } else {
          EXPECT_EQ(text, reference(value, f, separator));
        }
        // The C library reads the text as the nearest double; the
        // calculator must read the same, and the value itself where the
        // format promises it. Hexadecimal is for programs, not formulas.
        std::string withPoint = text;
        std::replace(withPoint.begin(), withPoint.end(), separator, '.');
        const auto nearest =
            std::bit_cast<std::uint64_t>(std::strtod(withPoint.c_str(), nullptr));
        // Shortest, Exact and Hexadecimal, the last of the notations.
        EXPECT_TRUE(f.notation < Notation::Shortest ||
                    nearest == std::bit_cast<std::uint64_t>(value));
        if (f.notation == Notation::Hexadecimal)
          continue;
        if (std::isinf(std::bit_cast<double>(nearest)))
          EXPECT_THROW(valueTextToFloat(text), EOverflow);
        else
          EXPECT_EQ(std::bit_cast<std::uint64_t>(valueTextToFloat(text)), nearest);
      }
    }
}

TEST(NumberFormat, Names) {
  EXPECT_EQ(parseNumberFormat("general:15"), NumberFormat{});
  EXPECT_EQ(parseNumberFormat("fixed:0"), (NumberFormat{Notation::Fixed, 0}));
  EXPECT_EQ(parseNumberFormat("eng:17"), (NumberFormat{Notation::Engineering, 17}));
  EXPECT_EQ(parseNumberFormat("hex").notation, Notation::Hexadecimal);
  for (const char *bad :
       {"", "sci", "sci:", "sci:0", "sci:18", "sci:+3", "sci:-1", "sci:3x", "sci:003",
        "fixed:21", "exact:3", "Sci:3", "shortest:", "round"})
    EXPECT_THROW(parseNumberFormat(bad), EFormatError) << bad;
}
