// Differential check of the text-to-number conversion, as the lexer meets it
// in number tokens and as the value cells use it, under both decimal
// separators. The expected outcome of every text is worked out here without
// the engine: the grammar and the exponent-digit rule by hand, the value by
// the C library in the C locale after swapping the separator: strtod's
// nearest double for the tokens and cells, strtold's extended value for the
// extended reading (and for which huge texts are no number at all).

#include "check.h"

#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/lexer.h"
#include "engine/numberconversion.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): POSIX newlocale
#include <optional>
#include <string>
#include <string_view>

using namespace quorvex;

namespace {

bool isDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}
bool isNameChar(unsigned char c) {
  return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
  return loc;
}

bool sameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string message(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid floating point value";
}

// What converting a number text must give: rejected, or this extended
// value and this nearest double (infinite when that overflows).
struct Expected {
  bool valid = false;
  long double value = 0;
  double nearest = 0;
};

// body: digits, optional separator and digits, optional exponent; no blanks
// or leading sign (the value-cell sign is passed as 'negative').
Expected expectNumber(std::string_view body, char separator, bool negative) {
  std::size_t i = 0;
  const auto digitRun = [&] {
    const std::size_t start = i;
    while (i < body.size() && isDigit(body[i]))
      ++i;
    return body.substr(start, i - start);
  };
  const std::string_view integer = digitRun();
  std::string_view fraction;
  bool separatorTaken = false;
  if (i < body.size() && body[i] == separator) {
    ++i;
    separatorTaken = true;
    fraction = digitRun();
  }
  if (integer.empty() && !separatorTaken)
    return {};
  std::string_view exponentDigits;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
      ++i;
    exponentDigits = digitRun();
  }
  if (i != body.size())
    return {};

  // Exponent digits are read while the magnitude is below 500: any count of
  // leading zeros, then at most three significant digits, or four when the
  // first three are below 500 (the fourth is the one that reaches the limit).
  const std::size_t firstSignificant = exponentDigits.find_first_not_of('0');
  const std::string_view significant = firstSignificant == std::string_view::npos
                                           ? std::string_view()
                                           : exponentDigits.substr(firstSignificant);
  if (significant.size() > 4 || (significant.size() == 4 &&
                                 std::stoi(std::string(significant.substr(0, 3))) >= 500))
    return {};

  Expected expected;
  expected.valid = true;
  if (integer.empty() && fraction.empty()) {
    // A lone separator is a number: zero, whatever the exponent.
    expected.value = negative ? -0.0L : 0.0L;
    expected.nearest = negative ? -0.0 : 0.0;
    return expected;
  }
  std::string c(negative ? "-" : "");
  c.append(body);
  if (separatorTaken)
    c[(negative ? 1 : 0) + integer.size()] = '.';
  char *end = nullptr;
  expected.value = strtold_l(c.c_str(), &end, cLocale());
  // strtold stops only before an exponent marker without digits.
  FUZZ_CHECK(exponentDigits.empty() || *end == '\0');
  if (std::isinf(expected.value))
    expected.valid = false; // beyond the extended range
  expected.nearest = strtod_l(c.c_str(), nullptr, cLocale());
  return expected;
}

// The converted extended value, once rounded, must be the expected one, and
// the rounding must overflow exactly when the expected value does.
void checkRounding(long double got, const Expected &expected) {
  const auto want = static_cast<double>(expected.value);
  try {
    const double rounded = roundToFloat(got);
    FUZZ_CHECK(!std::isinf(want));
    FUZZ_CHECK(sameBits(rounded, want));
  } catch (const EOverflow &) {
    FUZZ_CHECK(std::isinf(want));
  }
}

void checkValueText(std::string_view text, char separator) {
  std::size_t begin = 0;
  while (begin < text.size() && text[begin] == ' ')
    ++begin;
  bool negative = false;
  if (begin < text.size() && (text[begin] == '+' || text[begin] == '-')) {
    negative = text[begin] == '-';
    ++begin;
  }
  std::size_t end = text.size();
  while (end > begin && text[end - 1] == ' ')
    --end;
  const Expected expected =
      expectNumber(text.substr(begin, end - begin), separator, negative);
  try {
    const long double got = valueTextToExtended(text);
    FUZZ_CHECK(expected.valid);
    checkRounding(got, expected);
  } catch (const EConvertError &e) {
    FUZZ_CHECK(!expected.valid);
    FUZZ_CHECK(e.message() == message(text));
  }
  try {
    const double got = valueTextToFloat(text);
    FUZZ_CHECK(expected.valid);
    FUZZ_CHECK(sameBits(got, expected.nearest));
  } catch (const EConvertError &e) {
    FUZZ_CHECK(!expected.valid);
    FUZZ_CHECK(e.message() == message(text));
  } catch (const EOverflow &) {
    FUZZ_CHECK(expected.valid);
    FUZZ_CHECK(std::isinf(expected.nearest));
  }
}

// The single-character kind of a byte, from the published numbering.
int charKind(unsigned char b) {
  if (b >= 0x21 && b <= 0x2F)
    return b - 0x21 + 38;
  if (b >= 0x3A && b <= 0x40)
    return b - 0x3A + 53;
  if (b >= 0x5B && b <= 0x5E)
    return b - 0x5B + 60;
  if (b == 0x60)
    return 64;
  return b - 58; // 0x7B..0xFF
}

// Walks the text token by token beside the lexer. Number tokens are checked
// against the independent conversion; the others for kind and extent.
void checkLexer(std::string_view input, char separator) {
  const std::string_view text = input.substr(0, input.find('\0'));
  std::optional<TExprSimpleLexer> lexer;
  std::size_t pos = 0;
  for (;;) {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 32)
      ++pos;
    const std::size_t start = pos;
    const auto c = pos < text.size() ? static_cast<unsigned char>(text[pos]) : 0;
    Expected number;
    std::string_view token;
    if (isDigit(c)) {
      // The scan takes "." as well as the separator, and lets the
      // conversion reject the wrong one.
      ++pos;
      while (pos < text.size() && isDigit(text[pos]))
        ++pos;
      if (pos < text.size() && (text[pos] == '.' || text[pos] == separator)) {
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
      token = text.substr(start, pos - start);
      number = expectNumber(token, separator, false);
      // A view that ends inside the number while the text goes on: the scan
      // must take exactly the view, never the bytes after it. Every cut of a
      // short number; of a long one, those where the scan changes state
      // (next to a non-digit), so the check stays linear.
      for (std::size_t cut = 1; cut < token.size(); ++cut)
        if (cut < 64 || !isDigit(token[cut - 1]) || !isDigit(token[cut]))
          FUZZ_CHECK(scanNumberToken(text.substr(start, cut)) == cut);
      FUZZ_CHECK(scanNumberToken(text.substr(start)) == token.size());
    }
    const bool fails = isDigit(c) && (!number.valid || std::isinf(number.nearest));
    const TokenKind before = lexer ? lexer->CurrentToken : TokenKind::Invalid;
    try {
      if (lexer)
        lexer->Next();
      else
        lexer.emplace(input);
      FUZZ_CHECK(!fails);
    } catch (const EConvertError &e) {
      FUZZ_CHECK(isDigit(c) && !number.valid);
      FUZZ_CHECK(e.message() == message(token));
    } catch (const EOverflow &) {
      FUZZ_CHECK(isDigit(c) && number.valid);
      FUZZ_CHECK(std::isinf(number.nearest));
    }
    if (!lexer)
      return; // the first token failed; there is no lexer to look at
    if (fails) {
      // The lexer stays on the number, its token unchanged.
      FUZZ_CHECK(lexer->Position == start);
      FUZZ_CHECK(lexer->CurrentToken == before);
      FUZZ_CHECK(lexer->TokenText == token);
      return;
    }
    if (c == 0) {
      FUZZ_CHECK(lexer->CurrentToken == TokenKind::EndOfText);
      lexer->Next();
      FUZZ_CHECK(lexer->CurrentToken == TokenKind::EndOfText);
      return;
    }
    if (isDigit(c)) {
      FUZZ_CHECK(lexer->CurrentToken == TokenKind::Number);
      FUZZ_CHECK(lexer->TokenText == token);
      FUZZ_CHECK(sameBits(lexer->TokenNumber, number.nearest));
    } else if (isNameChar(c)) {
      ++pos;
      while (pos < text.size() && isNameChar(text[pos]))
        ++pos;
      FUZZ_CHECK(lexer->CurrentToken == TokenKind::Identifier);
      FUZZ_CHECK(lexer->TokenText == text.substr(start, pos - start));
    } else {
      const unsigned char following =
          pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
      int kind = charKind(c);
      ++pos;
      if (c == '<' && following == '=')
        kind = 36, ++pos;
      else if (c == '<' && following == '>')
        kind = 35, ++pos;
      else if (c == '>' && following == '=')
        kind = 37, ++pos;
      FUZZ_CHECK(static_cast<int>(lexer->CurrentToken) == kind);
    }
    FUZZ_CHECK(lexer->Position == pos);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  for (const char separator : {'.', ','}) {
    setDecimalSeparator(separator);
    checkValueText(text, separator);
    checkLexer(text, separator);
  }
  return 0;
}
