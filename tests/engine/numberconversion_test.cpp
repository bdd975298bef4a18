// Text-to-number conversion: the token rule, the value-cell rule, the
// exponent-digit rule and rounding to Float.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/lexer.h"
#include "engine/numberconversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h> // NOLINT(modernize-deprecated-headers): POSIX newlocale
#include <random>
#include <stdexcept>
#include <string>

namespace quorvex {
namespace {

using test::capture;
using test::Outcome;
using test::SeparatorScope;

constexpr Float dmax = std::numeric_limits<Float>::max();
constexpr Float dmin = std::numeric_limits<Float>::denorm_min();

// A value, or an error class with its message.
struct Expected {
  bool ok;
  Float value;
  std::string errorClass;
  std::string message;
};

Expected value(Float v) {
  return {true, v, "", ""};
}
Expected invalid(const std::string &text) {
  return {false, 0, "EConvertError",
          "'" + text + "' is not a valid floating point value"};
}
Expected overflow() {
  return {false, 0, "EOverflow", "Floating point overflow"};
}

void expectOutcome(const Outcome &got, const Expected &want, const std::string &where) {
  ASSERT_EQ(got.ok, want.ok) << where << ": " << got.message;
  if (want.ok) {
    EXPECT_EQ(got.value, want.value) << where;
    EXPECT_EQ(std::signbit(got.value), std::signbit(want.value)) << where;
  } else {
    EXPECT_EQ(got.errorClass, want.errorClass) << where;
    EXPECT_EQ(got.message, want.message) << where;
  }
}

Outcome token(std::string_view text) {
  return capture([&] { return tokenToFloat(text); });
}
Outcome cell(std::string_view text) {
  return capture([&] { return valueTextToFloat(text); });
}

TEST(NumberScan, TokenLengthFollowsTheScanRule) {
  const std::tuple<const char *, char, std::size_t> rows[] = {
      {"12.5e-3x", '.', 7}, {"1,5", ',', 3},   {"1,5", '.', 1},   {"1.5", ',', 3},
      {"2e+", '.', 3},      {"2ex", '.', 2},   {"1.2.3", '.', 3}, {"1..2", '.', 2},
      {"7", '.', 1},        {"7e5e5", '.', 3}, {"1.e", '.', 3},
  };
  for (const auto &[text, separator, length] : rows) {
    SeparatorScope scope(separator);
    EXPECT_EQ(scanNumberToken(text), length) << text << " with " << separator;
  }
}

// The lexer hands over views into the middle of the formula, so the scan
// must stop at the view's end although the bytes after it would continue
// the number.
TEST(NumberScan, StopsAtTheEndOfItsView) {
  const std::tuple<const char *, std::size_t> rows[] = {
      {"1e56", 3}, {"12", 1},   {"12.5", 2}, {"12.5", 3},
      {"2e5", 1},  {"2e+5", 2}, {"2e+5", 3}, {"7", 0},
  };
  SeparatorScope scope('.');
  for (const auto &[text, cut] : rows)
    EXPECT_EQ(scanNumberToken(std::string_view(text).substr(0, cut)), cut)
        << text << " cut to " << cut;
}

TEST(NumberConversion, TokenTexts) {
  struct Row {
    const char *text;
    char separator;
    Expected expected;
  };
  const Row rows[] = {
      {"2e", '.', value(2)},
      {"2E+", '.', value(2)},
      {"2e-", '.', value(2)},
      {"2.", '.', value(2)},
      {"2.", ',', invalid("2.")},
      {"1.5", ',', invalid("1.5")},
      {"1,5", ',', value(1.5)},
      {"12.5e-3", '.', value(0.0125)},
      {"1e308", '.', value(1e308)},
      {"1e400", '.', overflow()},
      {"1e499", '.', overflow()},
      {"1e500", '.', overflow()},
      {"1e999", '.', overflow()},
      {"1e0000000000000005", '.', value(1e5)},
      {"1e5000", '.', invalid("1e5000")},
      {"1e4999", '.', invalid("1e4999")}, // read whole, beyond extended
      {"1e4932", '.', overflow()},        // within extended, beyond double
      {"1e-4999", '.', value(0)},
      {"1e-5000", '.', invalid("1e-5000")},
      {"1e99999999999999999999", '.', invalid("1e99999999999999999999")},
      {"1e-400", '.', value(0)},
      {"4.9e-324", '.', value(dmin)},
      {"2.5e-324", '.', value(dmin)},
      {"2e-324", '.', value(0)},
      {"1.7976931348623157e308", '.', value(dmax)},
      {"1.7976931348623158e308", '.', value(dmax)}, // rounds down to the maximum
      {"1.797693134862316e308", '.', overflow()},
      // Just below the midpoint of the maximum and 2^1024, within half an
      // extended unit of it: the nearest double is the maximum.
      {"1.7976931348623158079e308", '.', value(dmax)},
      {"1.797693134862315807937e308", '.', value(dmax)},
      {"1.797693134862315807938e308", '.', overflow()}, // just above it
      {"2.4703282292062328e-324", '.', value(dmin)},    // just above half the minimum
      {"2.4703282292062327e-324", '.', value(0)},       // just below it
      {"0.1", '.', value(0.1)},
      {"9007199254740993", '.', value(9007199254740992.0)},
      {"1.2.3", '.', invalid("1.2.3")},
      {"0e5000", '.', invalid("0e5000")}, // the digit rule, whatever the value
      {"0e999", '.', value(0)},
  };
  for (const Row &row : rows) {
    SeparatorScope scope(row.separator);
    expectOutcome(token(row.text), row.expected,
                  std::string(row.text) + " with " + row.separator);
  }
}

TEST(NumberConversion, ValueCellTexts) {
  struct Row {
    const char *text;
    char separator;
    Expected expected;
  };
  const Row rows[] = {
      {" 1.5 ", '.', value(1.5)},
      {"-2", '.', value(-2)},
      {"+3", '.', value(3)},
      {"  -4e1  ", '.', value(-40)},
      {".", '.', value(0)},
      {"-.", '.', value(-0.0)},
      {".5", '.', value(0.5)},
      {"5.", '.', value(5)},
      {"2e", '.', value(2)},
      {"2e+", '.', value(2)},
      {"-1e-400", '.', value(-0.0)},
      {"1E400", '.', overflow()},
      {"", '.', invalid("")},
      {"   ", '.', invalid("   ")},
      {"-", '.', invalid("-")},
      {"- 1", '.', invalid("- 1")},
      {"\t1", '.', invalid("\t1")},
      {"1\t", '.', invalid("1\t")},
      {"1 000", '.', invalid("1 000")},
      {"1,000.5", '.', invalid("1,000.5")},
      {"1,5", '.', invalid("1,5")},
      {"2.5", ',', invalid("2.5")},
      {"2,5", ',', value(2.5)},
      {"e5", '.', invalid("e5")},
      {"+-1", '.', invalid("+-1")},
      {"0x10", '.', invalid("0x10")},
      {"inf", '.', invalid("inf")},
      {"nan", '.', invalid("nan")},
      {"1e4933", '.', invalid("1e4933")},
      {"1e4932", '.', overflow()},
      {"-1,7976931348623158079e308", ',', value(-dmax)},
      {" -2,4703282292062327e-324 ", ',', value(-0.0)},
  };
  for (const Row &row : rows) {
    SeparatorScope scope(row.separator);
    expectOutcome(cell(row.text), row.expected,
                  "'" + std::string(row.text) + "' with " + row.separator);
  }
  // A table row's cells are views into the row, and its delimiter may be a
  // sign: an empty cell stays empty.
  SeparatorScope scope('.');
  for (const std::string_view row : {"-5", "  +5"}) {
    const std::string_view empty = row.substr(0, row.find_first_of("+-"));
    expectOutcome(cell(empty), invalid(std::string(empty)), std::string(row));
  }
}

// The same texts read by the C library in its own locale: extended values
// must be identical, whatever the current separator is.
TEST(NumberConversion, AgreesWithTheCLibraryInExtendedPrecision) {
  const char *texts[] = {"0.1",
                         "123.456e-7",
                         "9007199254740993",
                         "2.2250738585072011e-308",
                         "0.000001",
                         "123456789012345678901234567890",
                         "3.14159265358979323846264338327950288",
                         "1e-4940",
                         "6.02214076e23",
                         "1.18973149535723176502e4932",
                         "5e-324"};
  for (char separator : {'.', ','}) {
    SeparatorScope scope(separator);
    for (const char *text : texts) {
      std::string local = text;
      for (char &c : local)
        if (c == '.')
          c = separator;
      const long double reference = std::strtold(text, nullptr); // "C" locale: "."
      EXPECT_EQ(valueTextToExtended(local), reference) << local;
      EXPECT_EQ(tokenToExtended(local), reference) << local;
    }
  }
}

// A long mantissa and a large exponent must be combined exactly, not by
// scaling a rounded mantissa.
TEST(NumberConversion, LongMantissaWithLargeExponent) {
  const std::string big = "1" + std::string(4999, '0') + "e-4999";
  EXPECT_EQ(roundToFloat(tokenToExtended(big)), 1);
  const std::string small = "0." + std::string(4000, '0') + "25e4001";
  EXPECT_EQ(roundToFloat(valueTextToExtended(small)), 2.5);
}

TEST(NumberConversion, roundToFloat) {
  const long double justAboveMax = static_cast<long double>(dmax) * (1 + 0x1p-60L);
  const std::pair<long double, Expected> rows[] = {
      {justAboveMax, value(dmax)},
      {-justAboveMax, value(-dmax)},
      {1e309L, overflow()},
      {-1e309L, overflow()},
      {1e-400L, value(0)},
      {-1e-400L, value(-0.0)},
      {0.1L, value(0.1)},
      {std::numeric_limits<long double>::infinity(),
       value(std::numeric_limits<Float>::infinity())},
  };
  for (const auto &row : rows) {
    const long double input = row.first;
    expectOutcome(capture([&] { return roundToFloat(input); }), row.second,
                  std::to_string(static_cast<double>(input)));
  }
  EXPECT_TRUE(std::isnan(roundToFloat(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(NumberConversion, CLocaleSettingsDoNotMatter) {
  // Whatever the C library's locale says, only the current separator counts.
  const char *previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be unavailable; then "C" stays
  {
    SeparatorScope scope('.');
    EXPECT_EQ(roundToFloat(valueTextToExtended("2.5")), 2.5);
    EXPECT_FALSE(cell("2,5").ok);
  }
  {
    SeparatorScope scope(',');
    EXPECT_EQ(roundToFloat(valueTextToExtended("2,5")), 2.5);
    EXPECT_FALSE(cell("2.5").ok);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// The text in the current separator instead of ".".
std::string withSeparator(std::string text, char separator) {
  for (char &c : text)
    if (c == '.')
      c = separator;
  return text;
}

std::string shortest(Float x) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, x).ptr};
}

// A value cell of text, and the number token of its magnitude as the lexer
// reads it, must both give want (an overflow when want is infinite). Counts
// a mismatch and reports the first few, so a broken conversion cannot flood
// the log from a loop of a million.
class NearestDoubleCheck {
public:
  void expect(const std::string &text, Float want) {
    const std::string magnitude = text[0] == '-' ? text.substr(1) : text;
    expectOne("cell", text, want, capture([&] { return valueTextToFloat(text); }));
    expectOne("token", magnitude, std::fabs(want), capture([&] {
                TExprSimpleLexer lexer(magnitude);
                if (lexer.CurrentToken != TokenKind::Number ||
                    lexer.TokenText != magnitude)
                  throw std::runtime_error("not one number token");
                return lexer.TokenNumber;
              }));
  }
  int failures() const { return failures_; }

private:
  void expectOne(const char *path, const std::string &text, Float want,
                 const Outcome &got) {
    const bool right = std::isinf(want)
                           ? !got.ok && got.errorClass == "EOverflow"
                           : got.ok && std::bit_cast<std::uint64_t>(got.value) ==
                                           std::bit_cast<std::uint64_t>(want);
    if (!right && ++failures_ <= 10)
      ADD_FAILURE() << path << " '" << text << "': got "
                    << (got.ok ? shortest(got.value) : got.message) << ", want "
                    << shortest(want);
  }
  int failures_ = 0;
};

// The shortest decimal of a double, as the round-trip output prints it, must
// read back as that very double, as a value cell and as a number token, in
// both separators: random doubles of every exponent and both signs, one in
// four subnormal.
TEST(NumberConversion, ShortestDecimalsReadBackAsTheSameDouble) {
  std::mt19937_64 random(0x25);
  NearestDoubleCheck check;
  for (int drawn = 0; drawn < 1'000'000 && check.failures() == 0;) {
    std::uint64_t bits = random();
    if (drawn % 4 == 0)
      bits &= 0x800F'FFFF'FFFF'FFFFu; // biased exponent 0
    const auto x = std::bit_cast<Float>(bits);
    if (!std::isfinite(x))
      continue;
    ++drawn;
    const std::string text = shortest(x);
    for (const char separator : {'.', ','}) {
      SeparatorScope scope(separator);
      check.expect(withSeparator(text, separator), x);
    }
  }
  EXPECT_EQ(check.failures(), 0);
}

// The C library's reading of a decimal written with ".": correctly rounded
// to the nearest double, ties to even; infinite beyond the range.
Float libraryNearest(const std::string &text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(text.c_str(), nullptr, c);
}

// A decimal as people type it, and beyond: 1 to 25 significant digits, the
// point anywhere from three zeros before them to after them, no exponent or
// one near the digits or anywhere in the double range, either sign.
std::string typedDecimal(std::mt19937_64 &random) {
  const int digits = 1 + static_cast<int>(random() % 25);
  std::string mantissa(1, static_cast<char>('1' + random() % 9));
  while (static_cast<int>(mantissa.size()) < digits)
    mantissa.push_back(static_cast<char>('0' + random() % 10));
  const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 4)) - 3;
  std::string text = random() % 2 ? "-" : "";
  if (point <= 0)
    text += "0." + std::string(static_cast<std::size_t>(-point), '0') + mantissa;
  else if (point >= digits)
    text += mantissa;
  else
    text += mantissa.substr(0, static_cast<std::size_t>(point)) + "." +
            mantissa.substr(static_cast<std::size_t>(point));
  switch (random() % 3) {
  case 0:
    break;
  case 1:
    text += "e" + std::to_string(static_cast<int>(random() % 51) - 25);
    break;
  default:
    text += "E" + std::to_string(static_cast<int>(random() % 656) - 345);
  }
  return text;
}

// A decimal of 16 to 25 significant digits within a hair of the midpoint of
// two neighbouring doubles (subnormal ones included), where rounding twice
// goes wrong: the midpoint is exact in extended precision, and the C
// library prints its correctly rounded decimal, now and then moved by one
// unit in the last digit.
std::string nearMidpoint(std::mt19937_64 &random) {
  Float x = 0;
  do {
    std::uint64_t bits = random() & 0x7FFF'FFFF'FFFF'FFFFu;
    if (random() % 8 == 0)
      bits &= 0x000F'FFFF'FFFF'FFFFu;
    x = std::bit_cast<Float>(bits);
  } while (!(x < std::numeric_limits<Float>::max()));
  const long double midpoint =
      (static_cast<long double>(x) +
       std::nextafter(x, std::numeric_limits<Float>::infinity())) /
      2;
  char text[64];
  const int digits = 16 + static_cast<int>(random() % 10);
  std::snprintf(text, sizeof text, "%.*Le", digits - 1, midpoint);
  const std::size_t last = std::string_view(text).find('e') - 1;
  const std::uint64_t nudge = random() % 4;
  if (nudge == 1 && text[last] < '9')
    ++text[last];
  else if (nudge == 2 && text[last] > '0')
    --text[last];
  return text;
}

// Value cells and number tokens read the nearest double, ties to even,
// against the C library: the known victims of rounding twice, then random
// typed decimals and decimals next to a midpoint.
TEST(NumberConversion, NearestDoubleAgainstTheCLibrary) {
  NearestDoubleCheck check;
  const std::pair<const char *, Float> rows[] = {
      {"37.25051514915938", 37.25051514915938},
      {"4.210127457111141e-06", 4.210127457111141e-06},
      {"3.646472190882077e+94", 3.646472190882077e+94},
      {"5368.704456037", 5368.704456037},
      {"-9307.96786548", -9307.96786548},
  };
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator);
    for (const auto &[text, want] : rows) {
      EXPECT_EQ(libraryNearest(text), want) << text;
      check.expect(withSeparator(text, separator), want);
    }
  }
  std::mt19937_64 random(0x9E3779B97F4A7C15u);
  for (int i = 0; i < 200'000 && check.failures() == 0; ++i) {
    const std::string text = i % 2 ? typedDecimal(random) : nearMidpoint(random);
    const Float want = libraryNearest(text);
    const char separator = i % 4 < 2 ? '.' : ',';
    SeparatorScope scope(separator);
    check.expect(withSeparator(text, separator), want);
  }
  EXPECT_EQ(check.failures(), 0);
}

} // namespace
} // namespace quorvex
