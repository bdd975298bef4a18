#pragma once

#include "floattypes.h"
#include "nestingguard.h"

#include <string>
#include <string_view>

// Named things a formula can mention. A symbol compiles itself into nodes
// using the lexer, parser and factory of the compilation in progress, which
// the parser hands it just before and takes back just after.

namespace quorvex {

class TExprLexer;
class TExprCompileParser;
class TExprNodeFactory;
class TExprNode;

class TExprSym {
public:
  explicit TExprSym(std::string_view name) : Name(name) {}
  virtual ~TExprSym() = default;
  TExprSym(const TExprSym &) = delete;
  TExprSym &operator=(const TExprSym &) = delete;

  // The value without compiling; only constants and variables have one.
  virtual Float Evaluate() const;
  // Reads what the symbol's syntax needs from Lexer (standing on the token
  // after the name) and returns the node computing its value.
  virtual TExprNode *Compile() = 0;

  const std::string Name;
  TExprLexer *Lexer = nullptr;
  TExprCompileParser *Parser = nullptr;
  TExprNodeFactory *Factory = nullptr;
};

class TExprConstSym final : public TExprSym {
public:
  TExprConstSym(std::string_view name, Float value) : TExprSym(name), Value(value) {}
  Float Evaluate() const override { return Value; }
  TExprNode *Compile() override;
  const Float Value;
};

// A variable bound to a caller-owned double; read at run time, not now.
class TExprVar64Sym final : public TExprSym {
public:
  TExprVar64Sym(std::string_view name, const Float64 *address);
  Float Evaluate() const override { return *Address; }
  TExprNode *Compile() override;
  const Float64 *const Address;
};

class TExprAbstractFuncSym : public TExprSym {
protected:
  using TExprSym::TExprSym;
  // The "(" that opens the argument list, held as one nesting level for as
  // long as the guard lives. A name without "(" opens no level, so that is
  // what it reports, even at the nesting bound.
  NestingGuard OpenArguments();
  // "(" then the first argument.
  TExprNode *FirstArgument();
  // ";" then another argument.
  TExprNode *NextArgument();
  // ")" closing the argument list.
  void EndArguments();
};

class TExprUnaryFuncSym final : public TExprAbstractFuncSym {
public:
  using Function = Float (*)(Float);
  TExprUnaryFuncSym(std::string_view name, Function func);
  TExprNode *Compile() override;
  const Function Func;
};

class TExprBinaryFuncSym final : public TExprAbstractFuncSym {
public:
  using Function = Float (*)(Float, Float);
  TExprBinaryFuncSym(std::string_view name, Function func);
  TExprNode *Compile() override;
  const Function Func;
};

} // namespace quorvex
