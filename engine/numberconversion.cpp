#include "numberconversion.h"

#include "decimalseparator.h"
#include "errors.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h> // NOLINT(modernize-deprecated-headers): POSIX newlocale
#include <string>
#include <system_error>

namespace quorvex {

namespace {

bool isDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

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

// Powers of ten that T holds exactly: 10^n = 5^n * 2^n, exact while 5^n
// fits T's significand (5^22 < 2^53 for a double, 5^27 < 2^64 for extended).
template <class T>
constexpr int exactPowerLimit = std::numeric_limits<T>::digits == 53 ? 22 : 27;
static_assert(std::numeric_limits<Float>::digits == 53 &&
              std::numeric_limits<Float80>::digits == 64);

template <class T>
constexpr std::array<T, exactPowerLimit<T> + 1> exactPowersOfTen = [] {
  std::array<T, exactPowerLimit<T> + 1> powers{};
  T p = 1;
  for (T &power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// The common short number without the C library: a mantissa of at most 19
// digits that T holds exactly, times or divided by an exact power of ten,
// rounds once, to the nearest T. False when the number is outside that case.
template <class T> bool shortNumberTo(const NumberParts &parts, T &value) {
  if (parts.integer.size() + parts.fraction.size() > 19)
    return false;
  std::uint64_t digits = 0;
  for (const char c : parts.integer)
    digits = digits * 10 + static_cast<unsigned>(c - '0');
  for (const char c : parts.fraction)
    digits = digits * 10 + static_cast<unsigned>(c - '0');
  if constexpr (std::numeric_limits<T>::digits < 64) {
    if (digits > (std::uint64_t{1} << std::numeric_limits<T>::digits))
      return false;
  }
  const long long exponent = (parts.negativeExponent ? -parts.exponent : parts.exponent) -
                             static_cast<long long>(parts.fraction.size());
  if (exponent < -exactPowerLimit<T> || exponent > exactPowerLimit<T>)
    return false;
  const auto mantissa = static_cast<T>(digits);
  value = exponent >= 0
              ? mantissa * exactPowersOfTen<T>[static_cast<std::size_t>(exponent)]
              : mantissa / exactPowersOfTen<T>[static_cast<std::size_t>(-exponent)];
  return true;
}

// Extended value of the parts; false when it lies beyond the extended range.
bool partsToExtended(const NumberParts &parts, Float80 &value) {
  if (shortNumberTo(parts, value))
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

// A value cell's text: spaces, an optional sign, the number, spaces. False
// when the text does not follow that rule.
bool parseValueText(std::string_view text, NumberParts &parts, bool &negative) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ')
    ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  bool tookMantissa = false;
  if (!parseNumber(text, pos, parts, tookMantissa))
    return false;
  while (pos < text.size() && text[pos] == ' ')
    ++pos;
  return pos == text.size();
}

std::string_view withoutLeadingZeros(std::string_view digits) {
  return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Any other number, by the standard library's correctly rounding conversion
// of its significant digits and the exponent of its last digit (a text of
// our own, so the separator and the exponent-digit rule stay ours). False
// when the nearest double is beyond the double range.
bool longNumberToFloat(const NumberParts &parts, Float &value) {
  const std::string_view integer = withoutLeadingZeros(parts.integer);
  const std::string_view fraction =
      integer.empty() ? withoutLeadingZeros(parts.fraction) : parts.fraction;
  const std::size_t digitCount = integer.size() + fraction.size();
  if (digitCount == 0) {
    value = 0;
    return true;
  }
  const long long exponent = (parts.negativeExponent ? -parts.exponent : parts.exponent) -
                             static_cast<long long>(parts.fraction.size());

  // Room for the digits, "e" and a 64-bit exponent; on the stack when short.
  const std::size_t room = digitCount + 24;
  std::array<char, 128> shortText;
  std::string longText;
  char *text = shortText.data();
  if (room > shortText.size()) {
    longText.resize(room);
    text = longText.data();
  }
  char *end = std::copy(integer.begin(), integer.end(), text);
  end = std::copy(fraction.begin(), fraction.end(), end);
  *end++ = 'e';
  end = std::to_chars(end, text + room, exponent).ptr;

  Float result = 0;
  const std::from_chars_result read = std::from_chars(text, end, result);
  if (read.ec == std::errc() && std::isfinite(result)) {
    value = result;
    return true;
  }
  // Out of range: a value of 1 or more can only overflow, a smaller one only
  // vanish below the smallest subnormal.
  const long long magnitude = static_cast<long long>(digitCount) - 1 + exponent;
  if (magnitude >= 0)
    return false;
  value = 0;
  return true;
}

// Nearest double of the parts. Beyond the double range that is an overflow,
// or no number at all (false) where even the extended range is left behind,
// as the extended conversion decides.
bool partsToFloat(const NumberParts &parts, Float &value) {
  if (shortNumberTo(parts, value) || longNumberToFloat(parts, value))
    return true;
  Float80 extended = 0;
  if (!partsToExtended(parts, extended))
    return false;
  throw EOverflow();
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
  NumberParts parts;
  bool negative = false;
  Float80 value = 0;
  if (!parseValueText(text, parts, negative) || !partsToExtended(parts, value))
    throw EConvertError(text);
  return negative ? -value : value;
}

Float tokenToFloat(std::string_view token) {
  std::size_t pos = 0;
  NumberParts parts;
  bool tookMantissa = false;
  Float value = 0;
  if (!parseNumber(token, pos, parts, tookMantissa) || pos != token.size() ||
      !partsToFloat(parts, value))
    throw EConvertError(token);
  return value;
}

Float valueTextToFloat(std::string_view text) {
  NumberParts parts;
  bool negative = false;
  Float value = 0;
  if (!parseValueText(text, parts, negative) || !partsToFloat(parts, value))
    throw EConvertError(text);
  return negative ? -value : value;
}

Float roundToFloat(Float80 value) {
  if (std::isfinite(value) &&
      std::fabs(value) > static_cast<Float80>(std::numeric_limits<Float>::max())) {
    // Values that round down to DBL_MAX are still in range.
    const auto rounded = static_cast<Float>(value);
    if (std::isinf(rounded))
      throw EOverflow();
    return rounded;
  }
  return static_cast<Float>(value);
}

} // namespace quorvex
