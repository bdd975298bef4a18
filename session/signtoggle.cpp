#include "signtoggle.h"

#include "engine/errors.h"

#include <algorithm>

namespace quorvex {

namespace {

template <class CharT> bool isSign(CharT c) noexcept {
  return c == CharT('+') || c == CharT('-');
}

template <class CharT> bool isDigit(CharT c) noexcept {
  return c >= CharT('0') && c <= CharT('9');
}

template <class CharT> bool isBlank(CharT c) noexcept {
  return c == CharT(' ') || c == CharT('\t');
}

// The separator is compared as an unsigned byte widened to the string's
// code unit, so "," matches u',' and a byte above 127 never matches a
// UTF-16 unit it does not stand for.
template <class CharT> CharT widen(char c) noexcept {
  return static_cast<CharT>(static_cast<unsigned char>(c));
}

template <class CharT>
std::optional<TSignToggleEdit<CharT>> toggleSign(std::basic_string_view<CharT> t,
                                                 std::size_t p, std::size_t length,
                                                 char decimalSeparator) {
  const std::size_t n = t.size();
  p = std::min(p, n);
  length = std::min(length, n - p);
  const auto separator = widen<CharT>(decimalSeparator);
  auto isNumberChar = [separator](CharT c) { return isDigit(c) || c == separator; };

  if (length == 1 && isSign(t[p])) {
    TSignToggleEdit<CharT> edit{std::basic_string<CharT>(t), p + 1};
    edit.Text[p] = widen<CharT>(InverseOf(static_cast<char>(t[p])));
    return edit;
  }
  if (p >= n)
    return std::nullopt;

  // Walk back from the character after the caret over the number's run.
  std::size_t s = p + 1;
  if (isNumberChar(t[p])) {
    s = p;
    while (s > 0 && isNumberChar(t[s - 1]))
      --s;
  }
  // A run that starts with the separator is not a number for this rule.
  if (s >= n || !isDigit(t[s]))
    return std::nullopt;

  std::size_t j = s; // one past the candidate sign
  while (j > 0 && isBlank(t[j - 1]))
    --j;
  TSignToggleEdit<CharT> edit{std::basic_string<CharT>(t), p};
  if (j > 0 && isSign(t[j - 1])) {
    edit.Text[j - 1] = widen<CharT>(InverseOf(static_cast<char>(t[j - 1])));
  } else {
    edit.Text.insert(s, 1, CharT('-'));
    edit.Caret = p + 1;
  }
  return edit;
}

} // namespace

std::optional<TSignToggleEdit<char>> ToggleSign(std::string_view text,
                                                std::size_t selStart,
                                                std::size_t selLength,
                                                char decimalSeparator) {
  return toggleSign(text, selStart, selLength, decimalSeparator);
}

std::optional<TSignToggleEdit<char16_t>> ToggleSign(std::u16string_view text,
                                                    std::size_t selStart,
                                                    std::size_t selLength,
                                                    char decimalSeparator) {
  return toggleSign(text, selStart, selLength, decimalSeparator);
}

char InverseOf(char sign) {
  QV_ASSERT(sign == '+' || sign == '-', "Unexpected input to InverseOf");
  return sign == '+' ? '-' : '+';
}

} // namespace quorvex
