// Short numbers are converted without the C library; the result must be the
// very extended value, and the very double, that the C library's correctly
// rounded conversions give, on both sides of every limit of those shortcuts
// (19 digits and exponent 27 in extended precision; a mantissa of 2^53 and
// exponent 22 in double).

#include "enginetestsupport.h"

#include "engine/numberconversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): POSIX newlocale
#include <string>

namespace quorvex::test {
namespace {

locale_t cLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

void expectSameAsLibrary(const std::string &text) {
  const Float80 ours = tokenToExtended(text);
  const Float80 library = strtold_l(text.c_str(), nullptr, cLocale());
  EXPECT_TRUE(ours == library) << text << ": " << static_cast<double>(ours) << " vs "
                               << static_cast<double>(library);
  EXPECT_EQ(std::signbit(ours), std::signbit(library)) << text;
  const Float nearest = strtod_l(text.c_str(), nullptr, cLocale());
  EXPECT_EQ(std::bit_cast<std::uint64_t>(tokenToFloat(text)),
            std::bit_cast<std::uint64_t>(nearest))
      << text;
}

TEST(ShortNumber, EdgesOfTheShortcut) {
  const SeparatorScope dot('.');
  for (const char *text : {"0",
                           "0.0",
                           "0e27",
                           "7",
                           "2.",
                           "0.1",
                           "5.44E-4",
                           "5.22",
                           "1.0001",
                           "817",
                           "298.15",
                           "1e-7",
                           "1E27",
                           "1e28",
                           "1e-27",
                           "1e-28",
                           "9e27",
                           "9e-27",
                           "3.3e-28",
                           "9999999999999999999",
                           "18446744073709551615",
                           "99999999999999999999",
                           "1234567890123456789e-27",
                           "1234567890123456789e-28",
                           "123456789012345678.9e-26",
                           "0.0000000000000000001",
                           "0.00000000000000000001",
                           "1.7976931348623157e308",
                           "4.9e-324",
                           "2.2250738585072014e-308",
                           "0.1e1",
                           "123.456e+2",
                           "1e",
                           "2e+",
                           "00000000000000000000000001",
                           "0.3",
                           "0.7",
                           "1.3",
                           "1000",
                           "0.05",
                           "12",
                           "9007199254740992",
                           "9007199254740993",
                           "9007199254740992e22",
                           "9007199254740993e22",
                           "9007199254740992e-22",
                           "9007199254740993e-22",
                           "900719925474099.3",
                           "1e22",
                           "1e23",
                           "1e-22",
                           "1e-23",
                           "4503599627370497.5",
                           "5368.704456037",
                           "0.000000000000000000000001"})
    expectSameAsLibrary(text);
}

// Deterministic pseudo-random numbers of 1 to 21 digits with exponents from
// -32 to 32, so both the shortcut and the library path are exercised.
TEST(ShortNumber, AgreesWithTheLibraryOnManyNumbers) {
  const SeparatorScope dot('.');
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(next() % 21);
    std::string mantissa;
    for (int d = 0; d < digits; ++d)
      mantissa.push_back(static_cast<char>('0' + next() % 10));
    const int point = static_cast<int>(next() % (digits + 1));
    std::string text = mantissa.substr(0, point == 0 ? 1 : point);
    if (point > 0 && point < digits)
      text += "." + mantissa.substr(point);
    const int exponent = static_cast<int>(next() % 65) - 32;
    text += "e" + std::to_string(exponent);
    expectSameAsLibrary(text);
    if (HasFailure())
      return;
  }
}

} // namespace
} // namespace quorvex::test
