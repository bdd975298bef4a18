#include "lexer.h"

#include "errors.h"
#include "numberconversion.h"

#include <array>

namespace quorvex {

namespace {

constexpr bool isDigit(unsigned char c) noexcept {
  return c >= '0' && c <= '9';
}
constexpr bool isNameStart(unsigned char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
constexpr bool isNameChar(unsigned char c) noexcept {
  return isNameStart(c) || isDigit(c);
}

constexpr std::array<TokenKind, 256> makeCharKinds() {
  std::array<TokenKind, 256> kinds{};
  unsigned next = 38;
  for (unsigned b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    if (b <= 0x20 || isDigit(c) || isNameStart(c))
      kinds[b] = TokenKind::Invalid;
    else
      kinds[b] = static_cast<TokenKind>(next++);
  }
  return kinds;
}

constexpr std::array<TokenKind, 256> charKinds = makeCharKinds();
static_assert(charKinds['('] == TokenKind::LeftParen);
static_assert(charKinds[';'] == TokenKind::Semicolon);
static_assert(charKinds['^'] == TokenKind::Caret);
static_assert(charKinds[0xFF] == static_cast<TokenKind>(197));

std::string_view untilZero(std::string_view text) {
  const auto zero = text.find('\0');
  return zero == std::string_view::npos ? text : text.substr(0, zero);
}

} // namespace

TokenKind charTokenKind(unsigned char byte) noexcept {
  return charKinds[byte];
}

bool isIdentifier(std::string_view text) noexcept {
  if (text.empty() || !isNameStart(static_cast<unsigned char>(text.front())))
    return false;
  for (const char c : text)
    if (!isNameChar(static_cast<unsigned char>(c)))
      return false;
  return true;
}

TExprSimpleLexer::TExprSimpleLexer(std::string_view text, Numbers numbers)
    : Text(untilZero(text)), numbers_(numbers) {
  TExprSimpleLexer::Reset();
}

void TExprSimpleLexer::Reset() {
  Position = 0;
  TExprLexer::Reset();
}

void TExprSimpleLexer::Next() {
  const std::size_t size = Text.size();
  std::size_t pos = Position;
  PreviousEnd = pos;
  // Bytes 1..32 are blanks; the terminating zero is not stored in Text.
  while (pos < size && static_cast<unsigned char>(Text[pos]) <= 32)
    ++pos;
  Position = pos;
  TokenStart = pos;
  if (pos >= size) {
    CurrentToken = TokenKind::EndOfText;
    TokenLength = 0;
    return;
  }
  const auto c = static_cast<unsigned char>(Text[pos]);
  if (isDigit(c)) {
    ScanNumber();
    return;
  }
  if (isNameStart(c)) {
    std::size_t end = pos + 1;
    while (end < size && isNameChar(static_cast<unsigned char>(Text[end])))
      ++end;
    TokenText.assign(Text, pos, end - pos);
    CurrentToken = TokenKind::Identifier;
    Position = end;
    TokenLength = end - pos;
    return;
  }
  const char following = pos + 1 < size ? Text[pos + 1] : '\0';
  if (c == '<' && following == '=') {
    CurrentToken = TokenKind::LessEqual;
    Position = pos + 2;
  } else if (c == '<' && following == '>') {
    CurrentToken = TokenKind::NotEqual;
    Position = pos + 2;
  } else if (c == '>' && following == '=') {
    CurrentToken = TokenKind::GreaterEqual;
    Position = pos + 2;
  } else {
    CurrentToken = charKinds[c];
    Position = pos + 1;
  }
  TokenLength = Position - pos;
}

void TExprSimpleLexer::ScanNumber() {
  const std::string_view rest = std::string_view(Text).substr(Position);
  const std::size_t length = scanNumberToken(rest);
  const std::string_view token = rest.substr(0, length);
  TokenText.assign(token);
  TokenLength = length;
  if (numbers_ == Numbers::OnlyScanned) {
    CurrentToken = TokenKind::Number;
    Position += length;
    return;
  }
  // On a conversion error Position stays at the number's start and
  // CurrentToken is unchanged; the error quotes TokenText and points at it.
  try {
    TokenNumber = tokenToFloat(token);
  } catch (Exception &error) {
    error.setSpan({Position, length});
    throw;
  }
  CurrentToken = TokenKind::Number;
  Position += length;
}

} // namespace quorvex
