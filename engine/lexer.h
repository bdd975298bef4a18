#pragma once

#include "floattypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// Token kinds. Values 38..197 are one kind per byte 0x21..0xFF that is not a
// digit, letter or underscore, in ascending byte order; the named ones below
// are those the grammar (or a user) meets.
enum class TokenKind : std::uint8_t {
  EndOfText = 0,
  Number = 1,
  Identifier = 2,
  NotEqual = 35,
  LessEqual = 36,
  GreaterEqual = 37,
  LeftParen = 45,
  RightParen = 46,
  Star = 47,
  Plus = 48,
  Comma = 49,
  Minus = 50,
  Dot = 51,
  Slash = 52,
  Semicolon = 54,
  Less = 55,
  Equal = 56,
  Greater = 57,
  Caret = 63,
  Invalid = 198,
};

// The single-character kind of a byte; Invalid for blanks, control bytes,
// digits, letters and the underscore, which never form such a token.
TokenKind charTokenKind(unsigned char byte) noexcept;

// Whether the whole text is one name as the lexer reads it: an ASCII letter
// or "_", then letters, digits and "_". Only such a name can be written in a
// formula, so it is what a variable declared from data must be.
bool isIdentifier(std::string_view text) noexcept;

// The abstract lexer the parser works against: the state of the current token.
class TExprLexer {
public:
  virtual ~TExprLexer() = default;

  // Reads the next token into the state.
  virtual void Next() = 0;
  // Starts over and reads the first token.
  virtual void Reset() { Next(); }

  TokenKind CurrentToken = TokenKind::EndOfText;
  Float TokenNumber = 0;
  std::string TokenText;
  // Where the current token stands in the text, in bytes; at the end of the
  // text the length is 0. A lexer that cannot tell leaves both 0.
  std::size_t TokenStart = 0;
  std::size_t TokenLength = 0;
  // Where the token before the current one ends (0 at the first token), so
  // that a reader can tell which text a construct it has just read spans.
  std::size_t PreviousEnd = 0;
};

// Scans a text it holds itself, one token per Next().
class TExprSimpleLexer final : public TExprLexer {
public:
  // A reader that only wants to know where the tokens are (which call the
  // caret of a half-typed formula is in) leaves numbers unconverted: it then
  // pays no conversion, and a number the conversion refuses does not stop
  // it. TokenNumber stays 0 then.
  enum class Numbers { Converted, OnlyScanned };

  // Takes the text up to its first zero byte and stands on the first token.
  explicit TExprSimpleLexer(std::string_view text, Numbers numbers = Numbers::Converted);

  void Next() override;
  void Reset() override;

  std::size_t Position = 0;
  const std::string Text;

private:
  void ScanNumber();

  Numbers numbers_;
};

} // namespace quorvex
