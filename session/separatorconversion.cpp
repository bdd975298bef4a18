#include "separatorconversion.h"

#include "engine/decimalseparator.h"
#include "engine/numberconversion.h"

namespace quorvex {

namespace {

bool isDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

// The bytes the lexer takes into a name, once a letter or "_" began it.
bool isNameByte(char c) noexcept {
  return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) noexcept {
  while (pos < text.size() && isDigit(text[pos]))
    ++pos;
  return pos;
}

} // namespace

std::string formulaWithSeparator(std::string_view formula, char from, char to) {
  std::string converted(formula);
  if (from == to)
    return converted;
  // The token ends where the lexer would end it reading with from.
  const ThreadDecimalSeparator reading(from);
  std::size_t pos = 0;
  while (pos < converted.size() && converted[pos] != '\0') {
    const char c = converted[pos];
    if (isDigit(c)) {
      const std::size_t end =
          pos + scanNumberToken(std::string_view(converted).substr(pos));
      for (; pos < end; ++pos)
        if (converted[pos] == from)
          converted[pos] = to;
    } else if (isNameByte(c)) {
      while (pos < converted.size() && isNameByte(converted[pos]))
        ++pos;
    } else {
      ++pos;
    }
  }
  return converted;
}

std::string valueWithSeparator(std::string_view value, char from, char to) {
  std::string converted(value);
  std::size_t pos = value.find_first_not_of(' ');
  if (from == to || pos == std::string_view::npos)
    return converted;
  if (value[pos] == '+' || value[pos] == '-')
    ++pos;
  // Digits and the separator, or the separator alone; digits alone have
  // nothing to convert.
  pos = skipDigits(value, pos);
  std::size_t separator = std::string_view::npos;
  if (pos < value.size() && value[pos] == from) {
    separator = pos;
    pos = skipDigits(value, pos + 1);
  }
  if (pos < value.size() && (value[pos] == 'e' || value[pos] == 'E')) {
    ++pos;
    if (pos < value.size() && (value[pos] == '+' || value[pos] == '-'))
      ++pos;
    pos = skipDigits(value, pos);
  }
  if (value.find_first_not_of(' ', pos) == std::string_view::npos &&
      separator != std::string_view::npos)
    converted[separator] = to;
  return converted;
}

} // namespace quorvex
