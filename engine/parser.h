#pragma once

#include "nestingguard.h"

#include <cstddef>

// Recursive descent over five levels, loosest first: comparisons, sums,
// products, prefix signs, factors. Builds nodes through the factory while it
// reads; evaluates nothing. Stops without error at the first token that
// cannot continue the expression, so trailing text is ignored.

namespace quorvex {

class TExprLexer;
class TExprNodeFactory;
class TExprNode;
class TExprContext;

class TExprCompileParser {
public:
  // Parentheses and function argument lists may nest this deep; deeper
  // formulas are refused before they can exhaust the stack.
  static constexpr int maxNesting = 256;

  TExprCompileParser(TExprLexer &lexer, TExprNodeFactory &factory)
      : Lexer(&lexer), Factory(&factory) {}
  virtual ~TExprCompileParser() = default;

  // The whole formula; the lexer already stands on its first token.
  virtual TExprNode *Compile();
  // comparison ::= sum { ("=" | "<>" | "<" | ">" | "<=" | ">=") sum }
  // With skip, the current token belongs to the caller and is stepped over.
  virtual TExprNode *CompileComparison(bool skip);

  // Enters one level of parentheses or argument list; throws past the bound.
  [[nodiscard]] NestingGuard EnterNesting();

  TExprContext *Context = nullptr; // not owned
  TExprLexer *Lexer;               // not owned
  TExprNodeFactory *Factory;       // not owned

private:
  TExprNode *CompileSum(bool skip);
  TExprNode *CompileProduct(bool skip);
  TExprNode *CompileSigned(bool skip);
  TExprNode *CompileFactor();
  TExprNode *CompileIdentifier();
  // Records on node that it computes the text from start to the end of the
  // token read last, and returns it.
  TExprNode *Spanned(TExprNode *node, std::size_t start) const;

  int depth_ = 0;
};

} // namespace quorvex
