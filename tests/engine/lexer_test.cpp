// Token streams of the formula lexer.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/lexer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using test::SeparatorScope;

int kindValue(TokenKind kind) {
  return static_cast<int>(kind);
}

// The shortest text that reads back as exactly this double.
std::string shortest(Float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

// One token per entry: Number(value 'text'), Identifier('text') or the
// kind's number, ending with EndOfText (0).
std::string describe(const TExprLexer &lexer) {
  std::ostringstream out;
  switch (lexer.CurrentToken) {
  case TokenKind::Number:
    out << "Number(" << shortest(lexer.TokenNumber) << " '" << lexer.TokenText << "')";
    break;
  case TokenKind::Identifier:
    out << "Identifier('" << lexer.TokenText << "')";
    break;
  default:
    out << kindValue(lexer.CurrentToken);
  }
  return out.str();
}

std::vector<std::string> tokens(std::string_view text) {
  TExprSimpleLexer lexer(text);
  std::vector<std::string> out{describe(lexer)};
  while (lexer.CurrentToken != TokenKind::EndOfText) {
    lexer.Next();
    out.push_back(describe(lexer));
    if (out.size() > 1000) {
      ADD_FAILURE() << "no EndOfText";
      break;
    }
  }
  return out;
}

using Stream = std::vector<std::string>;

struct StreamRow {
  const char *text;
  char separator;
  Stream expected;
};

TEST(LexerTokens, StreamsMatchTheScanRules) {
  const StreamRow rows[] = {
      {"", '.', {"0"}},
      {" \t\r\n\x01\x1f", '.', {"0"}},
      {"  12.5e-3x", '.', {"Number(0.0125 '12.5e-3')", "Identifier('x')", "0"}},
      {"2e", '.', {"Number(2 '2e')", "0"}},
      {"2E+", '.', {"Number(2 '2E+')", "0"}},
      {"2ex", '.', {"Number(2 '2e')", "Identifier('x')", "0"}},
      {"1,5", ',', {"Number(1.5 '1,5')", "0"}},
      {"1,5", '.', {"Number(1 '1')", "49", "Number(5 '5')", "0"}},
      {"2.", '.', {"Number(2 '2.')", "0"}},
      {"a_1B", '.', {"Identifier('a_1B')", "0"}},
      {"_", '.', {"Identifier('_')", "0"}},
      {"1a", '.', {"Number(1 '1')", "Identifier('a')", "0"}},
      {"\xE9", '.', {"175", "0"}},
      {"x\xE9y", '.', {"Identifier('x')", "175", "Identifier('y')", "0"}},
      {"<>", '.', {"35", "0"}},
      {"<=", '.', {"36", "0"}},
      {">=", '.', {"37", "0"}},
      {"=<", '.', {"56", "55", "0"}},
      {"=>", '.', {"56", "57", "0"}},
      {"< =", '.', {"55", "56", "0"}},
      {"> =", '.', {"57", "56", "0"}},
      {"><", '.', {"57", "55", "0"}},
      {"<<>", '.', {"55", "35", "0"}},
      {"1\t+\n2", '.', {"Number(1 '1')", "48", "Number(2 '2')", "0"}},
      {"1.2.3", '.', {"Number(1.2 '1.2')", "51", "Number(3 '3')", "0"}},
      {".5", '.', {"51", "Number(5 '5')", "0"}},
      {"2^3", '.', {"Number(2 '2')", "63", "Number(3 '3')", "0"}},
      {"(;)", '.', {"45", "54", "46", "0"}},
      {"007", '.', {"Number(7 '007')", "0"}},
      {"1e+5e", '.', {"Number(1e+05 '1e+5')", "Identifier('e')", "0"}},
      {"1.e3", '.', {"Number(1000 '1.e3')", "0"}},
      {"1,e3", ',', {"Number(1000 '1,e3')", "0"}},
      {"1 2", '.', {"Number(1 '1')", "Number(2 '2')", "0"}},
      {"Sin", '.', {"Identifier('Sin')", "0"}},
  };
  for (const StreamRow &row : rows) {
    SeparatorScope separator(row.separator);
    EXPECT_EQ(tokens(row.text), row.expected)
        << "text '" << row.text << "' separator '" << row.separator << "'";
  }
}

TEST(LexerTokens, TextEndsAtTheFirstZeroByte) {
  using namespace std::string_literals;
  EXPECT_EQ(tokens("1\0+2"s), (Stream{"Number(1 '1')", "0"}));
  EXPECT_EQ(tokens("\0x"s), (Stream{"0"}));
  TExprSimpleLexer lexer("ab\0cd"s);
  EXPECT_EQ(lexer.Text, "ab");
}

TEST(LexerTokens, EndOfTextRepeatsForever) {
  TExprSimpleLexer lexer("  ");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(lexer.CurrentToken, TokenKind::EndOfText);
    lexer.Next();
  }
}

TEST(LexerTokens, ResetStartsOverWithTheSameStream) {
  TExprSimpleLexer lexer("a <= 2.5*(b)");
  std::vector<std::string> first;
  while (lexer.CurrentToken != TokenKind::EndOfText) {
    first.push_back(describe(lexer));
    lexer.Next();
  }
  lexer.Reset();
  std::vector<std::string> second;
  while (lexer.CurrentToken != TokenKind::EndOfText) {
    second.push_back(describe(lexer));
    lexer.Next();
  }
  EXPECT_EQ(first.size(), 7u);
  EXPECT_EQ(first, second);
}

TEST(LexerTokens, OtherTokensLeaveNumberAndTextAlone) {
  TExprSimpleLexer lexer("42 + ");
  lexer.Next();
  EXPECT_EQ(lexer.CurrentToken, TokenKind::Plus);
  EXPECT_EQ(lexer.TokenNumber, 42);
  EXPECT_EQ(lexer.TokenText, "42");
  lexer.Next();
  EXPECT_EQ(lexer.CurrentToken, TokenKind::EndOfText);
  EXPECT_EQ(lexer.TokenText, "42");
}

// The kind table written out from its ranges, independently of the lexer's
// own construction of it.
TokenKind expectedCharKind(unsigned b) {
  if (b >= 0x21 && b <= 0x2F)
    return static_cast<TokenKind>(b - 0x21 + 38);
  if (b >= 0x3A && b <= 0x40)
    return static_cast<TokenKind>(b - 0x3A + 53);
  if (b >= 0x5B && b <= 0x5E)
    return static_cast<TokenKind>(b - 0x5B + 60);
  if (b == 0x60)
    return static_cast<TokenKind>(64);
  if (b >= 0x7B)
    return static_cast<TokenKind>(b - 58);
  return TokenKind::Invalid;
}

TEST(LexerKinds, EveryByteMapsByTheRangeRule) {
  for (unsigned b = 0; b < 256; ++b)
    EXPECT_EQ(kindValue(charTokenKind(static_cast<unsigned char>(b))),
              kindValue(expectedCharKind(b)))
        << "byte " << b;
}

TEST(LexerKinds, NamedKindsHaveTheirNumbers) {
  const std::pair<TokenKind, int> named[] = {
      {TokenKind::EndOfText, 0},  {TokenKind::Number, 1},
      {TokenKind::Identifier, 2}, {TokenKind::NotEqual, 35},
      {TokenKind::LessEqual, 36}, {TokenKind::GreaterEqual, 37},
      {TokenKind::LeftParen, 45}, {TokenKind::RightParen, 46},
      {TokenKind::Star, 47},      {TokenKind::Plus, 48},
      {TokenKind::Comma, 49},     {TokenKind::Minus, 50},
      {TokenKind::Dot, 51},       {TokenKind::Slash, 52},
      {TokenKind::Semicolon, 54}, {TokenKind::Less, 55},
      {TokenKind::Equal, 56},     {TokenKind::Greater, 57},
      {TokenKind::Caret, 63},     {TokenKind::Invalid, 198},
  };
  for (const auto &[kind, value] : named)
    EXPECT_EQ(kindValue(kind), value);
  EXPECT_EQ(charTokenKind('('), TokenKind::LeftParen);
  EXPECT_EQ(charTokenKind('^'), TokenKind::Caret);
}

// Every single byte scanned alone gives the kind its class calls for.
TEST(LexerKinds, EverySingleByteIsScannedAsItsClass) {
  for (unsigned b = 1; b < 256; ++b) {
    const std::string text(1, static_cast<char>(b));
    TExprSimpleLexer lexer(text);
    const bool digit = b >= '0' && b <= '9';
    const bool nameStart = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_';
    if (b <= 32)
      EXPECT_EQ(lexer.CurrentToken, TokenKind::EndOfText) << b;
    else if (digit)
      EXPECT_EQ(lexer.CurrentToken, TokenKind::Number) << b;
    else if (nameStart)
      EXPECT_EQ(lexer.CurrentToken, TokenKind::Identifier) << b;
    else
      EXPECT_EQ(kindValue(lexer.CurrentToken), kindValue(expectedCharKind(b))) << b;
    lexer.Next();
    EXPECT_EQ(lexer.CurrentToken, TokenKind::EndOfText) << b;
  }
}

TEST(LexerErrors, SeparatorOtherThanTheCurrentOneIsAConversionError) {
  SeparatorScope separator(',');
  try {
    TExprSimpleLexer lexer("2.");
    FAIL() << "no error";
  } catch (const EConvertError &error) {
    EXPECT_STREQ(error.what(), "'2.' is not a valid floating point value");
  }
}

TEST(LexerErrors, NumberErrorsKeepPositionAndCurrentToken) {
  struct Row {
    const char *text;
    const char *errorClass;
    const char *message;
  };
  const Row rows[] = {
      {"x  1e5000", "EConvertError", "'1e5000' is not a valid floating point value"},
      {"x  1e400", "EOverflow", "Floating point overflow"},
  };
  for (const Row &row : rows) {
    TExprSimpleLexer lexer(row.text);
    ASSERT_EQ(lexer.CurrentToken, TokenKind::Identifier);
    const test::Outcome outcome = test::capture([&] {
      lexer.Next();
      return 0.0;
    });
    EXPECT_EQ(outcome.errorClass, row.errorClass) << row.text;
    EXPECT_EQ(outcome.message, row.message) << row.text;
    EXPECT_EQ(lexer.Position, 3u) << row.text;
    EXPECT_EQ(lexer.CurrentToken, TokenKind::Identifier) << row.text;
  }
}

TEST(LexerErrors, SeparatorIsReadWhenTheNumberIsScanned) {
  TExprSimpleLexer lexer("1,5 1,5");
  EXPECT_EQ(lexer.TokenNumber, 1); // "." in force: "1" "," "5"
  lexer.Next();
  lexer.Next();
  {
    SeparatorScope separator(',');
    lexer.Next();
    EXPECT_EQ(lexer.CurrentToken, TokenKind::Number);
    EXPECT_EQ(lexer.TokenNumber, 1.5);
  }
}

} // namespace
} // namespace quorvex
