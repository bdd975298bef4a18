#include "numberconversion.h"

#include "decimalseparator.h"
#include "errors.h"

#include <array>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace quorvex {

namespace {

bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// An exponent is read only while its magnitude stays below this; the digit
// that reaches it is the last one accepted.
constexpr int exponentLimit = 500;

// A C locale of our own, so the conversion never depends on setlocale().
locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
  return loc;
}

// The parts of a number after its syntax has been checked.
struct NumberParts {
  std::string_view integer;
  std::string_view fraction;
  bool negativeExponent = false;
  int exponent = 0;
};

// Parses digits [sep digits] [e [sign] digits] from text starting at pos.
// Returns false when the exponent has too many digits or when nothing is
// left over for a caller that demands the whole text. 'digitsTaken' tells
// whether the integer part and separator took any character.
bool parseNumber(std::string_view text, std::size_t &pos, NumberParts &parts,
                 bool &tookMantissa) {
  const char sep = decimalSeparator();
  const std::size_t intStart = pos;
  while (pos < text.size() && isDigit(text[pos]))
    ++pos;
  parts.integer = text.substr(intStart, pos - intStart);
  tookMantissa = pos > intStart;
  if (pos < text.size() && text[pos] == sep) {
    ++pos;
    tookMantissa = true;
    const std::size_t fracStart = pos;
    while (pos < text.size() && isDigit(text[pos]))
      ++pos;
    parts.fraction = text.substr(fracStart, pos - fracStart);
  }
  if (!tookMantissa)
    return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      parts.negativeExponent = text[pos] == '-';
      ++pos;
    }
    while (pos < text.size() && isDigit(text[pos])) {
      if (parts.exponent >= exponentLimit)
        return false; // a digit after the limit was reached
      parts.exponent = parts.exponent * 10 + (text[pos] - '0');
      ++pos;
    }
  }
  return true;
}

// Powers of ten that extended precision holds exactly: 10^n = 5^n * 2^n and
// 5^27 < 2^64, the width of the extended significand.
constexpr int exactPowerLimit = 27;
constexpr std::array<Float80, exactPowerLimit + 1> exactPowersOfTen = [] {
  std::array<Float80, exactPowerLimit + 1> powers{};
  Float80 p = 1;
  for (Float80 &power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// The common short number without the C library: at most 19 digits make an
// exact 64-bit integer, and one multiplication or division by an exact power
// of ten rounds once, to nearest - the same correctly rounded extended value
// strtold gives. False when the number is outside that case.
bool shortNumberToExtended(const NumberParts &parts, Float80 &value) {
  if (parts.integer.size() + parts.fraction.size() > 19)
    return false;
  std::uint64_t digits = 0;
  for (const char c : parts.integer)
    digits = digits * 10 + static_cast<unsigned>(c - '0');
  for (const char c : parts.fraction)
    digits = digits * 10 + static_cast<unsigned>(c - '0');
  const long long exponent = (parts.negativeExponent ? -parts.exponent : parts.exponent) -
                             static_cast<long long>(parts.fraction.size());
  if (exponent < -exactPowerLimit || exponent > exactPowerLimit)
    return false;
  const auto mantissa = static_cast<Float80>(digits); // exact: 64-bit significand
  value = exponent >= 0 ? mantissa * exactPowersOfTen[static_cast<std::size_t>(exponent)]
                        : mantissa / exactPowersOfTen[static_cast<std::size_t>(-exponent)];
  return true;
}

// Extended value of the parts; false when it lies beyond the extended range.
bool partsToExtended(const NumberParts &parts, Float80 &value) {
  if (shortNumberToExtended(parts, value))
    return true;
  std::string normal;
  normal.reserve(parts.integer.size() + parts.fraction.size() + 8);
  normal.append(parts.integer.empty() ? std::string_view("0") : parts.integer);
  normal.push_back('.');
  normal.append(parts.fraction);
  normal.push_back('e');
  if (parts.negativeExponent)
    normal.push_back('-');
  normal.append(std::to_string(parts.exponent));
  errno = 0;
  const Float80 v = strtold_l(normal.c_str(), nullptr, cLocale());
  if (std::isinf(v))
    return false;
  value = v;
  return true;
}

} // namespace

std::size_t scanNumberToken(std::string_view text) noexcept {
  const char sep = decimalSeparator();
  std::size_t pos = 0;
  while (pos < text.size() && isDigit(text[pos]))
    ++pos;
  if (pos < text.size() && (text[pos] == '.' || text[pos] == sep)) {
    ++pos;
    while (pos < text.size() && isDigit(text[pos]))
      ++pos;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
      ++pos;
    while (pos < text.size() && isDigit(text[pos]))
      ++pos;
  }
  return pos;
}

Float80 tokenToExtended(std::string_view token) {
  std::size_t pos = 0;
  NumberParts parts;
  bool tookMantissa = false;
  Float80 value = 0;
  if (!parseNumber(token, pos, parts, tookMantissa) || pos != token.size() ||
      !partsToExtended(parts, value))
    throw EConvertError(token);
  return value;
}

Float80 valueTextToExtended(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ')
    ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  NumberParts parts;
  bool tookMantissa = false;
  Float80 value = 0;
  if (!parseNumber(text, pos, parts, tookMantissa))
    throw EConvertError(text);
  while (pos < text.size() && text[pos] == ' ')
    ++pos;
  if (pos != text.size() || !partsToExtended(parts, value))
    throw EConvertError(text);
  return negative ? -value : value;
}

Float roundToFloat(Float80 value) {
  if (std::isfinite(value) &&
      std::fabs(value) > static_cast<Float80>(std::numeric_limits<Float>::max())) {
    // Values that round down to DBL_MAX are still in range.
    const Float rounded = static_cast<Float>(value);
    if (std::isinf(rounded))
      throw EOverflow();
    return rounded;
  }
  return static_cast<Float>(value);
}

} // namespace quorvex
