#include "evaluator.h"

#include "errors.h"
#include "lexer.h"
#include "nodefactory.h"
#include "parser.h"

#include <memory>

namespace quorvex {

TEasyEvaluator::TEasyEvaluator() {
  SearchContext.Add(ExternalContexts);
  SearchContext.Add(LocalContext);
}

void TEasyEvaluator::AddVariable(std::string_view name, const Float *address) {
  LocalContext.Add(std::make_unique<TExprVar64Sym>(name, address));
}

void TCompiledEvaluator::Compile(std::string_view text) {
  if (compiled_ && text == expression_)
    return;
  compiled_ = false;
  ignoredOffset_.reset();
  expression_.assign(text);
  Machine.Clear();
  if (expression_.size() > maxExpressionLength &&
      expression_.find('\0') > maxExpressionLength)
    throw EExprEvalError(
        MessageParts{QV_TRANSLATE_NOOP("Error", "Parse error: Expression too long"), {}});

  TExprSimpleLexer lexer(expression_);
  TExprVirtMachNodeFactory factory;
  TExprCompileParser parser(lexer, factory);
  parser.Context = &SearchContext;
  try {
    parser.Compile();
  } catch (Exception &error) {
    // Parsing stops at the first token it cannot use, whichever level
    // raises the error, so the lexer still stands on the culprit.
    if (!error.span())
      error.setSpan({lexer.TokenStart, lexer.TokenLength});
    throw;
  }
  if (lexer.CurrentToken != TokenKind::EndOfText)
    ignoredOffset_ = lexer.TokenStart;
  else if (lexer.Position < expression_.size())
    ignoredOffset_ = lexer.Position; // the zero byte that ended the text
  factory.Generate(Machine);
  compiled_ = true;
}

} // namespace quorvex
