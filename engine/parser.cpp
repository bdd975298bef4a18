#include "parser.h"

#include "contexts.h"
#include "errors.h"
#include "lexer.h"
#include "nodefactory.h"

namespace quorvex {

NestingGuard TExprCompileParser::EnterNesting() {
  if (depth_ >= MaxNesting)
    throw EExprEvalError("Parse error: Expression nested too deeply");
  ++depth_;
  return NestingGuard(depth_);
}

TExprNode *TExprCompileParser::Compile() { return CompileComparison(false); }

TExprNode *TExprCompileParser::CompileComparison(bool skip) {
  TExprNode *left = CompileSum(skip);
  TExprNodeFactory &f = *Factory;
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op != TokenKind::Equal && op != TokenKind::NotEqual && op != TokenKind::Less &&
        op != TokenKind::Greater && op != TokenKind::LessEqual &&
        op != TokenKind::GreaterEqual)
      return left;
    TExprNode *right = CompileSum(true);
    // c is -1, 0 or 1; each relation maps it to 1 or 0 with arithmetic
    // alone, since the machine has no branching op. The node order is fixed.
    TExprNode *c = f.Compare(left, right);
    TExprNode *s = f.Multiply(c, c);
    switch (op) {
    case TokenKind::Equal: // 1 - c^2
      left = f.Subtract(f.Const32(1.0f), s);
      break;
    case TokenKind::NotEqual: // c^2
      left = s;
      break;
    case TokenKind::Less: { // (c^2 - c) / 2
      TExprNode *t = f.Subtract(s, c);
      left = f.Divide(t, f.Const32(2.0f));
      break;
    }
    case TokenKind::Greater: { // (c + c^2) / 2
      TExprNode *a = f.Add(c, s);
      left = f.Divide(a, f.Const32(2.0f));
      break;
    }
    case TokenKind::LessEqual: { // 1 - (c + c^2) / 2
      TExprNode *a = f.Add(c, s);
      TExprNode *d = f.Divide(a, f.Const32(2.0f));
      left = f.Subtract(f.Const32(1.0f), d);
      break;
    }
    case TokenKind::GreaterEqual: { // 1 - (c^2 - c) / 2
      TExprNode *t = f.Subtract(s, c);
      TExprNode *d = f.Divide(t, f.Const32(2.0f));
      left = f.Subtract(f.Const32(1.0f), d);
      break;
    }
    default:
      QV_ASSERT(false, "Not a comparison operator");
    }
  }
}

// sum ::= product { ("+" | "-") product }
TExprNode *TExprCompileParser::CompileSum(bool skip) {
  TExprNode *left = CompileProduct(skip);
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op == TokenKind::Plus)
      left = Factory->Add(left, CompileProduct(true));
    else if (op == TokenKind::Minus)
      left = Factory->Subtract(left, CompileProduct(true));
    else
      return left;
  }
}

// product ::= signed { ("*" | "/") signed }
TExprNode *TExprCompileParser::CompileProduct(bool skip) {
  TExprNode *left = CompileSigned(skip);
  for (;;) {
    const TokenKind op = Lexer->CurrentToken;
    if (op == TokenKind::Star)
      left = Factory->Multiply(left, CompileSigned(true));
    else if (op == TokenKind::Slash)
      left = Factory->Divide(left, CompileSigned(true));
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
  return negate ? Factory->Negate(factor) : factor;
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
      throw EExprEvalError("Parse error: ')' expected");
    Lexer->Next();
    return node;
  }
  default:
    throw EExprEvalError("Parse error: Factor expected");
  }
}

// The symbol compiles itself with this compilation's lexer, parser and
// factory; the previous ones are put back afterwards so that a symbol can
// appear inside its own arguments (sin(sin(x))).
TExprNode *TExprCompileParser::CompileIdentifier() {
  TExprSym *symbol = Context != nullptr ? Context->Find(Lexer->TokenText) : nullptr;
  if (symbol == nullptr)
    throw EExprEvalError("Parse error: Unknown symbol: '" + Lexer->TokenText + "'");
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
  return symbol->Compile();
}

} // namespace quorvex
