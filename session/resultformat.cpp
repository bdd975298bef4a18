#include "resultformat.h"

#include "engine/decimalseparator.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvex {

namespace {

constexpr int firstDigits = 18; // taken from the value, the last rounded
constexpr int shownDigits = 15; // kept after rounding those again

// Writes "INF"/"NAN" with their sign; false for a finite value.
bool formatNonFinite(Float value, std::string &out) {
  if (std::isfinite(value))
    return false;
  out.clear();
  if (std::signbit(value))
    out.push_back('-');
  out.append(std::isnan(value) ? "NAN" : "INF");
  return true;
}

// The significant digits of |value| (finite, non-zero) after the two
// roundings, trailing zeros dropped, and the exponent E of 0.d1d2... x 10^E.
struct Decimal {
  std::array<char, firstDigits> digits{};
  int count = 0;
  int exponent = 0;
};

Decimal toDecimal(Float magnitude) {
  // "d.ddddddddddddddddde+XXX": 18 significant digits, correctly rounded.
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                    std::chars_format::scientific, firstDigits - 1);
  Decimal d;
  d.digits[0] = text[0];
  for (int i = 1; i < firstDigits; ++i)
    d.digits[i] = text[i + 1]; // skip the point after the first digit
  const char *exponentText = text.data() + firstDigits + 2; // after "e"
  int scientificExponent = 0;
  const bool negative = *exponentText == '-';
  std::from_chars(exponentText + 1, result.ptr, scientificExponent);
  d.exponent = (negative ? -scientificExponent : scientificExponent) + 1;

  // The second rounding: half up on the 16th digit, whatever follows it.
  d.count = shownDigits;
  if (d.digits[shownDigits] >= '5') {
    int i = shownDigits - 1;
    while (i >= 0 && d.digits[i] == '9')
      d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      // Carry out of the first digit: 999... became 1000...
      d.digits[0] = '1';
      ++d.exponent;
    }
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0')
    --d.count;
  return d;
}

void appendDecimal(int value, std::string &out) {
  std::array<char, 12> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  out.append(text.data(), result.ptr);
}

} // namespace

void formatDecimal(bool negative, std::string_view digits, int exponent,
                   char decimalSeparator, std::string &out) {
  out.clear();
  if (negative)
    out.push_back('-');
  const int count = static_cast<int>(digits.size());
  const int e = exponent;
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      out.push_back('0');
      out.push_back(decimalSeparator);
      out.append(static_cast<std::size_t>(-e), '0');
      out.append(digits);
    } else if (count <= e) {
      out.append(digits);
      out.append(static_cast<std::size_t>(e - count), '0');
    } else {
      out.append(digits.substr(0, static_cast<std::size_t>(e)));
      out.push_back(decimalSeparator);
      out.append(digits.substr(static_cast<std::size_t>(e)));
    }
    return;
  }
  out.push_back(digits[0]);
  if (count > 1) {
    out.push_back(decimalSeparator);
    out.append(digits.substr(1));
  }
  out.push_back('E');
  appendDecimal(e - 1, out); // to_chars writes "-" and no "+"
}

void formatResult(Float value, char decimalSeparator, std::string &out) {
  if (formatNonFinite(value, out))
    return;
  if (value == 0) { // negative zero too: a sign on zero only confuses
    out.assign(1, '0');
    return;
  }
  const Decimal d = toDecimal(std::fabs(value));
  formatDecimal(value < 0,
                std::string_view(d.digits.data(), static_cast<std::size_t>(d.count)),
                d.exponent, decimalSeparator, out);
}

std::string formatResult(Float value, char decimalSeparator) {
  std::string out;
  formatResult(value, decimalSeparator, out);
  return out;
}

std::string formatResult(Float value) {
  return formatResult(value, decimalSeparator());
}

void formatRoundTrip(Float value, std::string &out) {
  if (formatNonFinite(value, out))
    return;
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  out.assign(text.data(), result.ptr);
}

std::string formatRoundTrip(Float value) {
  std::string out;
  formatRoundTrip(value, out);
  return out;
}

} // namespace quorvex
