#include "parser.h"

#include "contexts.h"
#include "errors.h"
#include "lexer.h"
#include "nodefactory.h"

namespace quorvex {

NestingGuard TExprCompileParser::EnterNesting() {
  if (depth_ >= maxNesting)
    throw EExprEvalError(MessageParts{
        QV_TRANSLATE_NOOP("Error", "Parse error: Expression nested too deeply"), {}});
  ++depth_;
  return NestingGuard(depth_);
}

TExprNode *TExprCompileParser::Compile() {
  return CompileComparison(false);
}

TExprNode *TExprCompileParser::Spanned(TExprNode *node, std::size_t start) const {
  const std::size_t end = Lexer->PreviousEnd;
  node->Span = {start, end > start ? end - start : 0};
  return node;
}

TExprNode *TExprCompileParser::CompileComparison(bool skip) {
  if (skip)
    Lexer->Next();
  const std::size_t start = Lexer->TokenStart;
  TExprNode *left = CompileSum(false);
  TExprNodeFactory &f = *Factory;
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op != TokenKind::Equal && op != TokenKind::NotEqual && op != TokenKind::Less &&
        op != TokenKind::Greater && op != TokenKind::LessEqual &&
        op != TokenKind::GreaterEqual)
      return left;
    TExprNode *right = CompileSum(true);
    // Every node of the relation stands for the whole relation's text.
    const auto at = [this, start](TExprNode *node) { return Spanned(node, start); };
    // c is -1, 0 or 1; each relation maps it to 1 or 0 with arithmetic
    // alone, since the machine has no branching op. The node order is fixed.
    TExprNode *c = at(f.Compare(left, right));
    TExprNode *s = at(f.Multiply(c, c));
    switch (op) {
    case TokenKind::Equal: // 1 - c^2
      left = at(f.Subtract(f.Const32(1.0f), s));
      break;
    case TokenKind::NotEqual: // c^2
      left = s;
      break;
    case TokenKind::Less: { // (c^2 - c) / 2
      TExprNode *t = at(f.Subtract(s, c));
      left = at(f.Divide(t, f.Const32(2.0f)));
      break;
    }
    case TokenKind::Greater: { // (c + c^2) / 2
      TExprNode *a = at(f.Add(c, s));
      left = at(f.Divide(a, f.Const32(2.0f)));
      break;
    }
    case TokenKind::LessEqual: { // 1 - (c + c^2) / 2
      TExprNode *a = at(f.Add(c, s));
      TExprNode *d = at(f.Divide(a, f.Const32(2.0f)));
      left = at(f.Subtract(f.Const32(1.0f), d));
      break;
    }
    case TokenKind::GreaterEqual: { // 1 - (c^2 - c) / 2
      TExprNode *t = at(f.Subtract(s, c));
      TExprNode *d = at(f.Divide(t, f.Const32(2.0f)));
      left = at(f.Subtract(f.Const32(1.0f), d));
      break;
    }
    default:
      QV_ASSERT(false, "Not a comparison operator");
    }
  }
}

// sum ::= product { ("+" | "-") product }
TExprNode *TExprCompileParser::CompileSum(bool skip) {
  if (skip)
    Lexer->Next();
  const std::size_t start = Lexer->TokenStart;
  TExprNode *left = CompileProduct(false);
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op == TokenKind::Plus)
      left = Spanned(Factory->Add(left, CompileProduct(true)), start);
    else if (op == TokenKind::Minus)
      left = Spanned(Factory->Subtract(left, CompileProduct(true)), start);
    else
      return left;
  }
}

// product ::= signed { ("*" | "/") signed }
TExprNode *TExprCompileParser::CompileProduct(bool skip) {
  if (skip)
    Lexer->Next();
  const std::size_t start = Lexer->TokenStart;
  TExprNode *left = CompileSigned(false);
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op == TokenKind::Star)
      left = Spanned(Factory->Multiply(left, CompileSigned(true)), start);
    else if (op == TokenKind::Slash)
      left = Spanned(Factory->Divide(left, CompileSigned(true)), start);
    else
      return left;
  }
}

// signed ::= { "+" | "-" } factor
// A run of signs is a loop, not recursion: half a million of them compile
// into at most one negation.
TExprNode *TExprCompileParser::CompileSigned(bool skip) {
  if (skip)
    Lexer->Next();
  const std::size_t start = Lexer->TokenStart;
  bool negate = false;
  for (;;) {
    const TokenKind token = Lexer->CurrentToken;
    if (token == TokenKind::Minus)
      negate = !negate;
    else if (token != TokenKind::Plus)
      break;
    Lexer->Next();
  }
  TExprNode *factor = CompileFactor();
  return negate ? Spanned(Factory->Negate(factor), start) : factor;
}

// factor ::= number | identifier | "(" comparison ")"
TExprNode *TExprCompileParser::CompileFactor() {
  switch (Lexer->CurrentToken) {
  case TokenKind::Number: {
    TExprNode *node = Factory->Const64(Lexer->TokenNumber);
    Lexer->Next();
    return node;
  }
  case TokenKind::Identifier:
    return CompileIdentifier();
  case TokenKind::LeftParen: {
    const auto nesting = EnterNesting();
    TExprNode *node = CompileComparison(true);
    if (Lexer->CurrentToken != TokenKind::RightParen)
      throw EExprEvalError(
          MessageParts{QV_TRANSLATE_NOOP("Error", "Parse error: ')' expected"), {}});
    Lexer->Next();
    return node;
  }
  default:
    throw EExprEvalError(
        MessageParts{QV_TRANSLATE_NOOP("Error", "Parse error: Factor expected"), {}});
  }
}

// The symbol compiles itself with this compilation's lexer, parser and
// factory; the previous ones are put back afterwards so that a symbol can
// appear inside its own arguments (sin(sin(x))).
TExprNode *TExprCompileParser::CompileIdentifier() {
  const std::size_t start = Lexer->TokenStart;
  TExprSym *symbol = Context != nullptr ? Context->Find(Lexer->TokenText) : nullptr;
  if (symbol == nullptr)
    throw EExprEvalError(
        MessageParts{QV_TRANSLATE_NOOP("Error", "Parse error: Unknown symbol: '%1'"),
                     {Lexer->TokenText}});
  Lexer->Next();

  struct Restore {
    TExprSym &sym;
    TExprLexer *lexer;
    TExprCompileParser *parser;
    TExprNodeFactory *factory;
    ~Restore() {
      sym.Lexer = lexer;
      sym.Parser = parser;
      sym.Factory = factory;
    }
  } restore{*symbol, symbol->Lexer, symbol->Parser, symbol->Factory};

  symbol->Lexer = Lexer;
  symbol->Parser = this;
  symbol->Factory = Factory;
  // The name and, for a function, its whole argument list.
  return Spanned(symbol->Compile(), start);
}

} // namespace quorvex
