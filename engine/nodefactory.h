#pragma once

#include "errors.h"
#include "floattypes.h"
#include "virtmach.h"

#include <array>
#include <cstddef>
#include <memory_resource>
#include <vector>

// Nodes describe a formula while it compiles; the factory makes them, owns
// them, and turns them into a machine program once parsing is done.

namespace quorvex {

class TExprNode {
public:
  virtual ~TExprNode() = default;

  // Operands are referenced, not owned. A node takes at most three (the
  // widest call); more is a programming error.
  void AddOperand(TExprNode *operand);
  std::size_t OperandCount() const noexcept { return operandCount_; }
  TExprNode *Operand(std::size_t i) const noexcept { return operands_[i]; }

  // The formula text this node computes, as the parser read it; empty when
  // no reader told. Code generation hands it on to the node's op, so that a
  // fault of the op can point at its text.
  TextSpan Span;

protected:
  TExprNode() = default;
  TExprNode(std::initializer_list<TExprNode *> operands);

private:
  std::array<TExprNode *, 3> operands_{};
  std::size_t operandCount_ = 0;
};

class TExprVirtMachNode : public TExprNode {
public:
  // Creates this node's op wired to its operands' value slots, stores it in
  // Op and appends it to the machine.
  virtual void EmitOp(TExprVirtMach &machine) = 0;
  // Whether EmitOp makes a constant slot; Generate emits those first. A
  // virtual answer instead of a dynamic_cast, which costs a type walk per
  // node of every compile.
  virtual bool IsConstant() const noexcept { return false; }

  TExprVirtMachOp *Op = nullptr; // owned by the machine

protected:
  using TExprNode::TExprNode;
  const Float *Input(std::size_t i) const;
};

class TExprConstVmNode final : public TExprVirtMachNode {
public:
  explicit TExprConstVmNode(Float value) : Value(value) {}
  void EmitOp(TExprVirtMach &machine) override;
  bool IsConstant() const noexcept override { return true; }
  Float Value;
};

template <class VarOp, class T> class TExprVarVmNode final : public TExprVirtMachNode {
public:
  explicit TExprVarVmNode(const T *address) : Address(address) {}
  void EmitOp(TExprVirtMach &machine) override { Op = &machine.AddCode<VarOp>(Address); }
  const T *Address;
};

using TExprVar32VmNode = TExprVarVmNode<TExprVar32VmOp, Float32>;
using TExprVar64VmNode = TExprVarVmNode<TExprVar64VmOp, Float64>;
using TExprVar80VmNode = TExprVarVmNode<TExprVar80VmOp, Float80>;

class TExprUnaryVmNode final : public TExprVirtMachNode {
public:
  // OpClass: the unary op to emit, as a maker bound at the factory.
  using OpClass = TExprUnaryVmOp &(*)(TExprVirtMach &);
  TExprUnaryVmNode(OpClass opClass, std::initializer_list<TExprNode *> operands);
  void EmitOp(TExprVirtMach &machine) override;
  OpClass Class;
};

class TExprBinaryVmNode final : public TExprVirtMachNode {
public:
  using OpClass = TExprBinaryVmOp &(*)(TExprVirtMach &);
  TExprBinaryVmNode(OpClass opClass, std::initializer_list<TExprNode *> operands);
  void EmitOp(TExprVirtMach &machine) override;
  OpClass Class;
};

class TExprCompareVmNode final : public TExprVirtMachNode {
public:
  TExprCompareVmNode(TExprNode *left, TExprNode *right)
      : TExprVirtMachNode({left, right}) {}
  void EmitOp(TExprVirtMach &machine) override;
};

template <Flavour F, int Arity> class TExprCallVmNode final : public TExprVirtMachNode {
public:
  using OpType = TExprCallVmOp<F, Arity>;
  using Function = typename OpType::Function;

  template <class... Operands>
  explicit TExprCallVmNode(Function func, Operands *...operands)
      : TExprVirtMachNode({operands...}), Func(func) {
    static_assert(sizeof...(Operands) == Arity);
  }
  void EmitOp(TExprVirtMach &machine) override {
    auto &op = machine.AddCode<OpType>(Func);
    if constexpr (Arity >= 1)
      op.X = Input(0);
    if constexpr (Arity >= 2)
      op.Y = Input(1);
    if constexpr (Arity >= 3)
      op.Z = Input(2);
    Op = &op;
  }
  Function Func;
};

using TExprCallFloatVmNode = TExprCallVmNode<Flavour::Generic, 0>;
using TExprCallFloat32VmNode = TExprCallVmNode<Flavour::F32, 0>;
using TExprCallFloat64VmNode = TExprCallVmNode<Flavour::F64, 0>;
using TExprCallFloat80VmNode = TExprCallVmNode<Flavour::F80, 0>;
using TExprCallUnaryVmNode = TExprCallVmNode<Flavour::Generic, 1>;
using TExprCallUnary32VmNode = TExprCallVmNode<Flavour::F32, 1>;
using TExprCallUnary64VmNode = TExprCallVmNode<Flavour::F64, 1>;
using TExprCallUnary80VmNode = TExprCallVmNode<Flavour::F80, 1>;
using TExprCallBinaryVmNode = TExprCallVmNode<Flavour::Generic, 2>;
using TExprCallBinary32VmNode = TExprCallVmNode<Flavour::F32, 2>;
using TExprCallBinary64VmNode = TExprCallVmNode<Flavour::F64, 2>;
using TExprCallBinary80VmNode = TExprCallVmNode<Flavour::F80, 2>;
using TExprCallTernaryVmNode = TExprCallVmNode<Flavour::Generic, 3>;
using TExprCallTernary32VmNode = TExprCallVmNode<Flavour::F32, 3>;
using TExprCallTernary64VmNode = TExprCallVmNode<Flavour::F64, 3>;
using TExprCallTernary80VmNode = TExprCallVmNode<Flavour::F80, 3>;

template <Flavour F, int Arity>
using CallFunction = typename CallSignature<F, Arity>::type;

// The interface the parser and the symbols build formulas through. Every
// operation makes one node; none looks at its operands (no folding).
class TExprNodeFactory {
public:
  virtual ~TExprNodeFactory() = default;

  virtual TExprNode *Var32(const Float32 *address) = 0;
  virtual TExprNode *Var64(const Float64 *address) = 0;
  virtual TExprNode *Var80(const Float80 *address) = 0;
  virtual TExprNode *Const32(Float32 value) = 0;
  virtual TExprNode *Const64(Float64 value) = 0;
  virtual TExprNode *Const80(Float80 value) = 0;

  virtual TExprNode *CallFloat(CallFunction<Flavour::Generic, 0> func) = 0;
  virtual TExprNode *CallFloat32(CallFunction<Flavour::F32, 0> func) = 0;
  virtual TExprNode *CallFloat64(CallFunction<Flavour::F64, 0> func) = 0;
  virtual TExprNode *CallFloat80(CallFunction<Flavour::F80, 0> func) = 0;
  virtual TExprNode *CallUnary(CallFunction<Flavour::Generic, 1> func, TExprNode *x) = 0;
  virtual TExprNode *CallUnary32(CallFunction<Flavour::F32, 1> func, TExprNode *x) = 0;
  virtual TExprNode *CallUnary64(CallFunction<Flavour::F64, 1> func, TExprNode *x) = 0;
  virtual TExprNode *CallUnary80(CallFunction<Flavour::F80, 1> func, TExprNode *x) = 0;
  virtual TExprNode *CallBinary(CallFunction<Flavour::Generic, 2> func, TExprNode *x,
                                TExprNode *y) = 0;
  virtual TExprNode *CallBinary32(CallFunction<Flavour::F32, 2> func, TExprNode *x,
                                  TExprNode *y) = 0;
  virtual TExprNode *CallBinary64(CallFunction<Flavour::F64, 2> func, TExprNode *x,
                                  TExprNode *y) = 0;
  virtual TExprNode *CallBinary80(CallFunction<Flavour::F80, 2> func, TExprNode *x,
                                  TExprNode *y) = 0;
  virtual TExprNode *CallTernary(CallFunction<Flavour::Generic, 3> func, TExprNode *x,
                                 TExprNode *y, TExprNode *z) = 0;
  virtual TExprNode *CallTernary32(CallFunction<Flavour::F32, 3> func, TExprNode *x,
                                   TExprNode *y, TExprNode *z) = 0;
  virtual TExprNode *CallTernary64(CallFunction<Flavour::F64, 3> func, TExprNode *x,
                                   TExprNode *y, TExprNode *z) = 0;
  virtual TExprNode *CallTernary80(CallFunction<Flavour::F80, 3> func, TExprNode *x,
                                   TExprNode *y, TExprNode *z) = 0;

  virtual TExprNode *Add(TExprNode *left, TExprNode *right) = 0;
  virtual TExprNode *Subtract(TExprNode *left, TExprNode *right) = 0;
  virtual TExprNode *Multiply(TExprNode *left, TExprNode *right) = 0;
  virtual TExprNode *Divide(TExprNode *left, TExprNode *right) = 0;
  virtual TExprNode *Negate(TExprNode *x) = 0;
  virtual TExprNode *Compare(TExprNode *left, TExprNode *right) = 0;

  TExprNode *ConstFloat(Float value) { return Const64(value); }
};

class TExprVirtMachNodeFactory final : public TExprNodeFactory {
public:
  TExprVirtMachNodeFactory();
  ~TExprVirtMachNodeFactory() override;
  TExprVirtMachNodeFactory(const TExprVirtMachNodeFactory &) = delete;
  TExprVirtMachNodeFactory &operator=(const TExprVirtMachNodeFactory &) = delete;

  TExprNode *Var32(const Float32 *address) override;
  TExprNode *Var64(const Float64 *address) override;
  TExprNode *Var80(const Float80 *address) override;
  TExprNode *Const32(Float32 value) override;
  TExprNode *Const64(Float64 value) override;
  TExprNode *Const80(Float80 value) override;

  TExprNode *CallFloat(CallFunction<Flavour::Generic, 0> func) override;
  TExprNode *CallFloat32(CallFunction<Flavour::F32, 0> func) override;
  TExprNode *CallFloat64(CallFunction<Flavour::F64, 0> func) override;
  TExprNode *CallFloat80(CallFunction<Flavour::F80, 0> func) override;
  TExprNode *CallUnary(CallFunction<Flavour::Generic, 1> func, TExprNode *x) override;
  TExprNode *CallUnary32(CallFunction<Flavour::F32, 1> func, TExprNode *x) override;
  TExprNode *CallUnary64(CallFunction<Flavour::F64, 1> func, TExprNode *x) override;
  TExprNode *CallUnary80(CallFunction<Flavour::F80, 1> func, TExprNode *x) override;
  TExprNode *CallBinary(CallFunction<Flavour::Generic, 2> func, TExprNode *x,
                        TExprNode *y) override;
  TExprNode *CallBinary32(CallFunction<Flavour::F32, 2> func, TExprNode *x,
                          TExprNode *y) override;
  TExprNode *CallBinary64(CallFunction<Flavour::F64, 2> func, TExprNode *x,
                          TExprNode *y) override;
  TExprNode *CallBinary80(CallFunction<Flavour::F80, 2> func, TExprNode *x,
                          TExprNode *y) override;
  TExprNode *CallTernary(CallFunction<Flavour::Generic, 3> func, TExprNode *x,
                         TExprNode *y, TExprNode *z) override;
  TExprNode *CallTernary32(CallFunction<Flavour::F32, 3> func, TExprNode *x, TExprNode *y,
                           TExprNode *z) override;
  TExprNode *CallTernary64(CallFunction<Flavour::F64, 3> func, TExprNode *x, TExprNode *y,
                           TExprNode *z) override;
  TExprNode *CallTernary80(CallFunction<Flavour::F80, 3> func, TExprNode *x, TExprNode *y,
                           TExprNode *z) override;

  TExprNode *Add(TExprNode *left, TExprNode *right) override;
  TExprNode *Subtract(TExprNode *left, TExprNode *right) override;
  TExprNode *Multiply(TExprNode *left, TExprNode *right) override;
  TExprNode *Divide(TExprNode *left, TExprNode *right) override;
  TExprNode *Negate(TExprNode *x) override;
  TExprNode *Compare(TExprNode *left, TExprNode *right) override;

  // Replaces the machine's program with the program for every node made so
  // far: constants first, then code in creation order.
  void Generate(TExprVirtMach &machine);

  // Every node made, in creation order; owned by the factory.
  const std::vector<TExprVirtMachNode *> &Nodes() const noexcept { return nodes_; }

private:
  template <class Node, class... Args> TExprNode *AddNode(Args &&...args);

  // Nodes live in an arena: one compilation makes many small nodes and frees
  // them all at once.
  alignas(std::max_align_t) unsigned char initialBuffer_[4096];
  std::pmr::monotonic_buffer_resource arena_;
  std::vector<TExprVirtMachNode *> nodes_;
};

} // namespace quorvex
