#include "numberformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace quorvex {

namespace {

constexpr int firstDigits = 18; // General 15 takes these from the value, the last rounded
constexpr int shownDigits = 15; // and keeps these after rounding them again
// The most significant digits a double's exact value has (those next to
// the smallest normal number have this many).
constexpr int exactDigits = 767;
// Fixed notation writes at most 21 digits before the separator.
constexpr Float fixedLimit = 1e21;

// Writes "INF"/"NAN" with their sign; false for a finite value.
bool writeNonFinite(Float value, std::string &out) {
  if (std::isfinite(value))
    return false;
  out.clear();
  if (std::signbit(value))
    out.push_back('-');
  out.append(std::isnan(value) ? "NAN" : "INF");
  return true;
}

// The significant digits of a finite magnitude and the exponent E of
// 0.d1d2... x 10^E. Not initialised: only the first count digits are ever
// written or read, and a table of results must not pay for the rest.
struct Digits {
  std::array<char, exactDigits> digits;
  int count = 0;
  int exponent = 0;

  std::string_view view() const {
    return {digits.data(), static_cast<std::size_t>(count)};
  }
  void dropTrailingZeros() {
    while (count > 1 && digits[count - 1] == '0')
      --count;
  }
};

// The magnitude rounded once, to nearest with ties to even, to precision
// significant digits; 0 asks for the fewest that read back as the magnitude.
Digits digitsOf(Float magnitude, int precision) {
  // "d.ddd...e+XXX"
  std::array<char, exactDigits + 16> text;
  char *const first = text.data();
  char *const last = first + text.size();
  const char *end =
      precision == 0
          ? std::to_chars(first, last, magnitude, std::chars_format::scientific).ptr
          : std::to_chars(first, last, magnitude, std::chars_format::scientific,
                          precision - 1)
                .ptr;
  // Laid out by to_chars: one digit, the point and the others if any, "e",
  // the sign and at least two digits.
  const auto *e = static_cast<const char *>(std::memchr(first, 'e', end - first));
  Digits d;
  d.digits[0] = *first;
  d.count = 1;
  if (e - first > 1) {
    std::memcpy(d.digits.data() + 1, first + 2, static_cast<std::size_t>(e - first - 2));
    d.count += static_cast<int>(e - first - 2);
  }
  int exponent = 0;
  for (const char *p = e + 2; p != end; ++p)
    exponent = exponent * 10 + (*p - '0');
  d.exponent = (e[1] == '-' ? -exponent : exponent) + 1;
  return d;
}

// The result box's two roundings: 18 digits correctly rounded, then half
// up on the 16th digit, whatever follows it; trailing zeros dropped.
Digits resultDigits(Float magnitude) {
  Digits d = digitsOf(magnitude, firstDigits);
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
  d.dropTrailingZeros();
  return d;
}

void appendExponent(int exponent, std::string &out) {
  std::array<char, 12> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), exponent);
  out.push_back('E');
  out.append(text.data(), result.ptr); // to_chars writes "-" and no "+"
}

// Fixed notation for -3 <= E <= largestFixed, scientific otherwise; the
// digits have no trailing zeros.
void writeGeneral(bool negative, std::string_view digits, int exponent, int largestFixed,
                  char separator, std::string &out) {
  out.clear();
  if (negative)
    out.push_back('-');
  const int count = static_cast<int>(digits.size());
  const int e = exponent;
  if (e < -3 || e > largestFixed) {
    out.push_back(digits[0]);
    if (count > 1) {
      out.push_back(separator);
      out.append(digits.substr(1));
    }
    appendExponent(e - 1, out);
  } else if (e <= 0) {
    out.push_back('0');
    out.push_back(separator);
    out.append(static_cast<std::size_t>(-e), '0');
    out.append(digits);
  } else if (count <= e) {
    out.append(digits);
    out.append(static_cast<std::size_t>(e - count), '0');
  } else {
    out.append(digits.substr(0, static_cast<std::size_t>(e)));
    out.push_back(separator);
    out.append(digits.substr(static_cast<std::size_t>(e)));
  }
}

// Scientific (one digit before the separator) and Engineering (one to
// three, the exponent a multiple of three): every digit shown, zeros
// filling up to the separator.
void writeWithExponent(bool negative, const Digits &d, bool engineering, char separator,
                       std::string &out) {
  int exponent = d.exponent - 1;
  int before = 1;
  if (engineering) {
    const int step = exponent >= 0 ? exponent / 3 : -((2 - exponent) / 3);
    before += exponent - 3 * step;
    exponent = 3 * step;
  }
  out.clear();
  if (negative)
    out.push_back('-');
  const std::string_view digits = d.view();
  out.append(digits.substr(0, static_cast<std::size_t>(before)));
  if (d.count < before)
    out.append(static_cast<std::size_t>(before - d.count), '0');
  if (d.count > before) {
    out.push_back(separator);
    out.append(digits.substr(static_cast<std::size_t>(before)));
  }
  appendExponent(exponent, out);
}

void writeFixed(Float value, int decimals, char separator, std::string &out) {
  std::array<char, 48> text{}; // "-", 21 digits, the point and 20 decimals
  const auto end =
      std::to_chars(text.data(), text.data() + text.size(), value == 0 ? 0.0 : value,
                    std::chars_format::fixed, decimals)
          .ptr;
  std::replace(text.data(), end, '.', separator);
  out.assign(text.data(), end);
}

void writeHexadecimal(Float value, std::string &out) {
  std::array<char, 32> text{}; // "1.fffffffffffffp+1023"
  const auto end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                 std::chars_format::hex)
                       .ptr;
  out.assign(std::signbit(value) ? "-0x" : "0x");
  out.append(text.data(), end);
}

struct NotationName {
  std::string_view name;
  Notation notation;
  std::optional<DigitRange> digits;
};

constexpr NotationName notationNames[] = {
    {"general", Notation::General, DigitRange{1, 17}},
    {"sci", Notation::Scientific, DigitRange{1, 17}},
    {"eng", Notation::Engineering, DigitRange{1, 17}},
    {"fixed", Notation::Fixed, DigitRange{0, 20}},
    {"shortest", Notation::Shortest, std::nullopt},
    {"exact", Notation::Exact, std::nullopt},
    {"hex", Notation::Hexadecimal, std::nullopt},
};

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

} // namespace

std::optional<DigitRange> digitRange(Notation notation) noexcept {
  for (const NotationName &n : notationNames)
    if (n.notation == notation)
      return n.digits;
  return std::nullopt;
}

NumberFormat parseNumberFormat(std::string_view name) {
  const std::size_t colon = name.find(':');
  const std::string_view word = name.substr(0, colon);
  const auto *found =
      std::find_if(std::begin(notationNames), std::end(notationNames),
                   [word](const NotationName &n) { return n.name == word; });
  if (found == std::end(notationNames))
    throw EFormatError("unknown format " + quoted(name) +
                       " (general:N, sci:N, eng:N, fixed:N, shortest, exact or hex)");
  if (!found->digits) {
    if (colon != std::string_view::npos)
      throw EFormatError("format " + quoted(name) + " takes no digit count");
    return {found->notation, 0};
  }
  const DigitRange range = *found->digits;
  const std::string what = found->notation == Notation::Fixed
                               ? "a number of decimals from "
                               : "a number of significant digits from ";
  const std::string needs = "format " + quoted(name) + " needs " + what +
                            std::to_string(range.lowest) + " to " +
                            std::to_string(range.highest);
  if (colon == std::string_view::npos)
    throw EFormatError(needs + " after ':'");
  const std::string_view count = name.substr(colon + 1);
  int digits = -1;
  const auto [end, error] =
      std::from_chars(count.data(), count.data() + count.size(), digits);
  // from_chars takes a "-": a digit count is digits only.
  if (count.empty() || count.size() > 2 || count[0] == '-' ||
      end != count.data() + count.size() || error != std::errc() ||
      digits < range.lowest || digits > range.highest)
    throw EFormatError(needs);
  return {found->notation, digits};
}

void formatDecimal(bool negative, std::string_view digits, int exponent,
                   char decimalSeparator, std::string &out) {
  writeGeneral(negative, digits, exponent, shownDigits, decimalSeparator, out);
}

void writeNumber(Float value, const NumberFormat &format, char decimalSeparator,
                 std::string &out) {
  const std::optional<DigitRange> range = digitRange(format.notation);
  QV_ASSERT(!range || (format.digits >= range->lowest && format.digits <= range->highest),
            "digit count within its notation's range");
  if (writeNonFinite(value, out))
    return;
  const Float magnitude = std::fabs(value);
  // Negative zero is unsigned where the text rounds, signed where it
  // promises the same double back.
  const bool negative = value < 0;
  const bool signBit = std::signbit(value);
  switch (format.notation) {
  case Notation::General: {
    if (format.digits == shownDigits) {
      if (value == 0) {
        out.assign(1, '0');
        return;
      }
      const Digits d = resultDigits(magnitude);
      formatDecimal(negative, d.view(), d.exponent, decimalSeparator, out);
      return;
    }
    Digits d = digitsOf(magnitude, format.digits);
    d.dropTrailingZeros();
    writeGeneral(negative, d.view(), d.exponent, format.digits, decimalSeparator, out);
    return;
  }
  case Notation::Scientific:
  case Notation::Engineering:
    writeWithExponent(negative, digitsOf(magnitude, format.digits),
                      format.notation == Notation::Engineering, decimalSeparator, out);
    return;
  case Notation::Fixed:
    if (magnitude >= fixedLimit)
      writeWithExponent(negative, digitsOf(magnitude, format.digits + 1), false,
                        decimalSeparator, out);
    else
      writeFixed(value, format.digits, decimalSeparator, out);
    return;
  case Notation::Shortest:
  case Notation::Exact: {
    Digits d = digitsOf(magnitude, format.notation == Notation::Exact ? exactDigits : 0);
    d.dropTrailingZeros();
    writeGeneral(signBit, d.view(), d.exponent, shownDigits, decimalSeparator, out);
    return;
  }
  case Notation::Hexadecimal:
    writeHexadecimal(value, out);
    return;
  }
}

std::string numberText(Float value, const NumberFormat &format, char decimalSeparator) {
  std::string out;
  writeNumber(value, format, decimalSeparator, out);
  return out;
}

} // namespace quorvex
