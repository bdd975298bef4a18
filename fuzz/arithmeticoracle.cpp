#include "arithmeticoracle.h"

#include "engine/errors.h"
#include "engine/lexer.h"

#include <cmath>

namespace quorvex::fuzz {

namespace {

// Thrown when the formula leaves the subset; the oracle then has no say.
struct OutsideSubset {};

class Reader {
public:
  Reader(std::string_view formula, const double (&xyz)[3]) : lexer_(formula), xyz_(xyz) {}

  ArithmeticResult read() {
    const double value = sum();
    if (isComparison(lexer_.CurrentToken))
      throw OutsideSubset{};
    // Whatever follows is trailing text, which the engine ignores.
    return {fault_, value};
  }

private:
  static bool isComparison(TokenKind t) {
    return t == TokenKind::Equal || t == TokenKind::NotEqual || t == TokenKind::Less ||
           t == TokenKind::Greater || t == TokenKind::LessEqual ||
           t == TokenKind::GreaterEqual;
  }

  double sum() {
    double left = product();
    for (;;) {
      const TokenKind op = lexer_.CurrentToken;
      if (op != TokenKind::Plus && op != TokenKind::Minus)
        return left;
      lexer_.Next();
      const double right = product();
      left = apply(op, left, right);
    }
  }

  double product() {
    double left = signedFactor();
    for (;;) {
      const TokenKind op = lexer_.CurrentToken;
      if (op != TokenKind::Star && op != TokenKind::Slash)
        return left;
      lexer_.Next();
      const double right = signedFactor();
      left = apply(op, left, right);
    }
  }

  double signedFactor() {
    bool negate = false;
    while (lexer_.CurrentToken == TokenKind::Plus ||
           lexer_.CurrentToken == TokenKind::Minus) {
      negate ^= lexer_.CurrentToken == TokenKind::Minus;
      lexer_.Next();
    }
    const double value = factor();
    return negate ? -value : value;
  }

  double factor() {
    switch (lexer_.CurrentToken) {
    case TokenKind::Number: {
      const double value = lexer_.TokenNumber;
      lexer_.Next();
      return value;
    }
    case TokenKind::Identifier: {
      const std::string &name = lexer_.TokenText;
      if (name.size() != 1)
        throw OutsideSubset{};
      const char c = static_cast<char>(name[0] | 0x20);
      if (c < 'x' || c > 'z')
        throw OutsideSubset{};
      lexer_.Next();
      return xyz_[c - 'x'];
    }
    case TokenKind::LeftParen: {
      // Deeper than the engine's bound is its error, not a value.
      if (++depth_ > 256)
        throw OutsideSubset{};
      lexer_.Next();
      const double value = sum();
      if (lexer_.CurrentToken != TokenKind::RightParen)
        throw OutsideSubset{};
      lexer_.Next();
      --depth_;
      return value;
    }
    default:
      throw OutsideSubset{};
    }
  }

  // Operands are always finite: reading stops mattering at the first fault.
  double apply(TokenKind op, double a, double b) {
    double r = 0;
    switch (op) {
    case TokenKind::Plus:
      r = a + b;
      break;
    case TokenKind::Minus:
      r = a - b;
      break;
    case TokenKind::Star:
      r = a * b;
      break;
    default:
      r = a / b;
      break;
    }
    if (fault_ == ArithmeticOutcome::Value && !std::isfinite(r)) {
      if (std::isnan(r))
        fault_ = ArithmeticOutcome::Invalid;
      else if (op == TokenKind::Slash && b == 0)
        fault_ = ArithmeticOutcome::ZeroDivide;
      else
        fault_ = ArithmeticOutcome::Overflow;
    }
    return fault_ == ArithmeticOutcome::Value ? r : 0;
  }

  TExprSimpleLexer lexer_;
  const double (&xyz_)[3];
  int depth_ = 0;
  ArithmeticOutcome fault_ = ArithmeticOutcome::Value;
};

} // namespace

ArithmeticResult evaluateArithmetic(std::string_view formula, const double (&xyz)[3]) {
  try {
    return Reader(formula, xyz).read();
  } catch (const OutsideSubset &) {
  } catch (const Exception &) {
    // A number the lexer refuses: the compile fails as well.
  }
  return {};
}

} // namespace quorvex::fuzz
