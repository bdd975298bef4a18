#include "symbols.h"

#include "errors.h"
#include "lexer.h"
#include "nodefactory.h"
#include "parser.h"

namespace quorvex {

Float TExprSym::Evaluate() const {
  throw ECalcError(MessageParts{
      QV_TRANSLATE_NOOP("Error", "Symbol '%1' has no value of its own"), {Name}});
}

TExprNode *TExprConstSym::Compile() {
  return Factory->ConstFloat(Value);
}

TExprVar64Sym::TExprVar64Sym(std::string_view name, const Float64 *address)
    : TExprSym(name), Address(address) {
  QV_ASSERT(address != nullptr, "Assertion failure");
}

TExprNode *TExprVar64Sym::Compile() {
  return Factory->Var64(Address);
}

namespace {
const char *const parenthesisExpected = QV_TRANSLATE_NOOP(
    "Error", "Parse error: '(' and function's first parameter expected");
} // namespace

NestingGuard TExprAbstractFuncSym::OpenArguments() {
  if (Lexer->CurrentToken != TokenKind::LeftParen)
    throw EExprEvalError(MessageParts{parenthesisExpected, {}});
  return Parser->EnterNesting();
}

TExprNode *TExprAbstractFuncSym::FirstArgument() {
  if (Lexer->CurrentToken != TokenKind::LeftParen)
    throw EExprEvalError(MessageParts{parenthesisExpected, {}});
  return Parser->CompileComparison(true);
}

TExprNode *TExprAbstractFuncSym::NextArgument() {
  if (Lexer->CurrentToken != TokenKind::Semicolon)
    throw EExprEvalError(MessageParts{
        QV_TRANSLATE_NOOP("Error", "Parse error: ';' and another parameter expected"),
        {}});
  return Parser->CompileComparison(true);
}

void TExprAbstractFuncSym::EndArguments() {
  if (Lexer->CurrentToken != TokenKind::RightParen)
    throw EExprEvalError(MessageParts{
        QV_TRANSLATE_NOOP("Error",
                          "Parse error: ')' to close function's parameters expected"),
        {}});
  Lexer->Next();
}

TExprUnaryFuncSym::TExprUnaryFuncSym(std::string_view name, Function func)
    : TExprAbstractFuncSym(name), Func(func) {
  QV_ASSERT(func != nullptr, "Assertion failure");
}

TExprNode *TExprUnaryFuncSym::Compile() {
  // An argument list is one nesting level, like a parenthesis.
  const auto nesting = OpenArguments();
  TExprNode *x = FirstArgument();
  TExprNode *node = Factory->CallUnary(Func, x);
  EndArguments();
  return node;
}

TExprBinaryFuncSym::TExprBinaryFuncSym(std::string_view name, Function func)
    : TExprAbstractFuncSym(name), Func(func) {
  QV_ASSERT(func != nullptr, "Assertion failure");
}

TExprNode *TExprBinaryFuncSym::Compile() {
  const auto nesting = OpenArguments();
  TExprNode *x = FirstArgument();
  TExprNode *y = NextArgument();
  EndArguments();
  return Factory->CallBinary(Func, x, y);
}

} // namespace quorvex
