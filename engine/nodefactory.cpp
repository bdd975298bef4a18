#include "nodefactory.h"

#include "errors.h"
#include "numberconversion.h"

namespace quorvex {

TExprNode::TExprNode(std::initializer_list<TExprNode *> operands) {
  for (TExprNode *operand : operands)
    AddOperand(operand);
}

void TExprNode::AddOperand(TExprNode *operand) {
  QV_ASSERT(operandCount_ < operands_.size(), "Too many operands for a node");
  operands_[operandCount_++] = operand;
}

const Float *TExprVirtMachNode::Input(std::size_t i) const {
  const auto *operand = static_cast<const TExprVirtMachNode *>(Operand(i));
  QV_ASSERT(operand->Op != nullptr, "Operand emitted after its user");
  return operand->Op->ValueRef();
}

void TExprConstVmNode::EmitOp(TExprVirtMach &machine) {
  Op = &machine.AddConst(Value);
}

TExprUnaryVmNode::TExprUnaryVmNode(OpClass opClass,
                                   std::initializer_list<TExprNode *> operands)
    : TExprVirtMachNode(operands), Class(opClass) {
  QV_ASSERT(OperandCount() == 1, "Unary node needs exactly one operand");
}

void TExprUnaryVmNode::EmitOp(TExprVirtMach &machine) {
  TExprUnaryVmOp &op = Class(machine);
  op.Input = Input(0);
  Op = &op;
}

TExprBinaryVmNode::TExprBinaryVmNode(OpClass opClass,
                                     std::initializer_list<TExprNode *> operands)
    : TExprVirtMachNode(operands), Class(opClass) {
  QV_ASSERT(OperandCount() == 2, "Binary node needs exactly two operands");
}

void TExprBinaryVmNode::EmitOp(TExprVirtMach &machine) {
  TExprBinaryVmOp &op = Class(machine);
  op.Left = Input(0);
  op.Right = Input(1);
  Op = &op;
}

void TExprCompareVmNode::EmitOp(TExprVirtMach &machine) {
  auto &op = machine.AddCode<TExprCompareVmOp>();
  op.Left = Input(0);
  op.Right = Input(1);
  Op = &op;
}

namespace {

template <class Op> TExprBinaryVmOp &makeBinary(TExprVirtMach &machine) {
  return machine.AddCode<Op>();
}

TExprUnaryVmOp &makeNegate(TExprVirtMach &machine) {
  return machine.AddCode<TExprNegateVmOp>();
}

} // namespace

TExprVirtMachNodeFactory::TExprVirtMachNodeFactory()
    : arena_(initialBuffer_, sizeof initialBuffer_) {}

TExprVirtMachNodeFactory::~TExprVirtMachNodeFactory() {
  for (TExprVirtMachNode *node : nodes_)
    node->~TExprVirtMachNode();
}

template <class Node, class... Args>
TExprNode *TExprVirtMachNodeFactory::AddNode(Args &&...args) {
  void *memory = arena_.allocate(sizeof(Node), alignof(Node));
  Node *node = ::new (memory) Node(std::forward<Args>(args)...);
  nodes_.push_back(node);
  return node;
}

TExprNode *TExprVirtMachNodeFactory::Var32(const Float32 *address) {
  return AddNode<TExprVar32VmNode>(address);
}
TExprNode *TExprVirtMachNodeFactory::Var64(const Float64 *address) {
  return AddNode<TExprVar64VmNode>(address);
}
TExprNode *TExprVirtMachNodeFactory::Var80(const Float80 *address) {
  return AddNode<TExprVar80VmNode>(address);
}
TExprNode *TExprVirtMachNodeFactory::Const32(Float32 value) {
  return AddNode<TExprConstVmNode>(static_cast<Float>(value));
}
TExprNode *TExprVirtMachNodeFactory::Const64(Float64 value) {
  return AddNode<TExprConstVmNode>(value);
}
TExprNode *TExprVirtMachNodeFactory::Const80(Float80 value) {
  // Rounding a wider constant can overflow like any other conversion.
  return AddNode<TExprConstVmNode>(roundToFloat(value));
}

TExprNode *TExprVirtMachNodeFactory::CallFloat(CallFunction<Flavour::Generic, 0> f) {
  return AddNode<TExprCallFloatVmNode>(f);
}
TExprNode *TExprVirtMachNodeFactory::CallFloat32(CallFunction<Flavour::F32, 0> f) {
  return AddNode<TExprCallFloat32VmNode>(f);
}
TExprNode *TExprVirtMachNodeFactory::CallFloat64(CallFunction<Flavour::F64, 0> f) {
  return AddNode<TExprCallFloat64VmNode>(f);
}
TExprNode *TExprVirtMachNodeFactory::CallFloat80(CallFunction<Flavour::F80, 0> f) {
  return AddNode<TExprCallFloat80VmNode>(f);
}
TExprNode *TExprVirtMachNodeFactory::CallUnary(CallFunction<Flavour::Generic, 1> f,
                                               TExprNode *x) {
  return AddNode<TExprCallUnaryVmNode>(f, x);
}
TExprNode *TExprVirtMachNodeFactory::CallUnary32(CallFunction<Flavour::F32, 1> f,
                                                 TExprNode *x) {
  return AddNode<TExprCallUnary32VmNode>(f, x);
}
TExprNode *TExprVirtMachNodeFactory::CallUnary64(CallFunction<Flavour::F64, 1> f,
                                                 TExprNode *x) {
  return AddNode<TExprCallUnary64VmNode>(f, x);
}
TExprNode *TExprVirtMachNodeFactory::CallUnary80(CallFunction<Flavour::F80, 1> f,
                                                 TExprNode *x) {
  return AddNode<TExprCallUnary80VmNode>(f, x);
}
TExprNode *TExprVirtMachNodeFactory::CallBinary(CallFunction<Flavour::Generic, 2> f,
                                                TExprNode *x, TExprNode *y) {
  return AddNode<TExprCallBinaryVmNode>(f, x, y);
}
TExprNode *TExprVirtMachNodeFactory::CallBinary32(CallFunction<Flavour::F32, 2> f,
                                                  TExprNode *x, TExprNode *y) {
  return AddNode<TExprCallBinary32VmNode>(f, x, y);
}
TExprNode *TExprVirtMachNodeFactory::CallBinary64(CallFunction<Flavour::F64, 2> f,
                                                  TExprNode *x, TExprNode *y) {
  return AddNode<TExprCallBinary64VmNode>(f, x, y);
}
TExprNode *TExprVirtMachNodeFactory::CallBinary80(CallFunction<Flavour::F80, 2> f,
                                                  TExprNode *x, TExprNode *y) {
  return AddNode<TExprCallBinary80VmNode>(f, x, y);
}
TExprNode *TExprVirtMachNodeFactory::CallTernary(CallFunction<Flavour::Generic, 3> f,
                                                 TExprNode *x, TExprNode *y,
                                                 TExprNode *z) {
  return AddNode<TExprCallTernaryVmNode>(f, x, y, z);
}
TExprNode *TExprVirtMachNodeFactory::CallTernary32(CallFunction<Flavour::F32, 3> f,
                                                   TExprNode *x, TExprNode *y,
                                                   TExprNode *z) {
  return AddNode<TExprCallTernary32VmNode>(f, x, y, z);
}
TExprNode *TExprVirtMachNodeFactory::CallTernary64(CallFunction<Flavour::F64, 3> f,
                                                   TExprNode *x, TExprNode *y,
                                                   TExprNode *z) {
  return AddNode<TExprCallTernary64VmNode>(f, x, y, z);
}
TExprNode *TExprVirtMachNodeFactory::CallTernary80(CallFunction<Flavour::F80, 3> f,
                                                   TExprNode *x, TExprNode *y,
                                                   TExprNode *z) {
  return AddNode<TExprCallTernary80VmNode>(f, x, y, z);
}

TExprNode *TExprVirtMachNodeFactory::Add(TExprNode *left, TExprNode *right) {
  return AddNode<TExprBinaryVmNode>(&makeBinary<TExprAddVmOp>,
                                    std::initializer_list<TExprNode *>{left, right});
}
TExprNode *TExprVirtMachNodeFactory::Subtract(TExprNode *left, TExprNode *right) {
  return AddNode<TExprBinaryVmNode>(&makeBinary<TExprSubtractVmOp>,
                                    std::initializer_list<TExprNode *>{left, right});
}
TExprNode *TExprVirtMachNodeFactory::Multiply(TExprNode *left, TExprNode *right) {
  return AddNode<TExprBinaryVmNode>(&makeBinary<TExprMultiplyVmOp>,
                                    std::initializer_list<TExprNode *>{left, right});
}
TExprNode *TExprVirtMachNodeFactory::Divide(TExprNode *left, TExprNode *right) {
  return AddNode<TExprBinaryVmNode>(&makeBinary<TExprDivideVmOp>,
                                    std::initializer_list<TExprNode *>{left, right});
}
TExprNode *TExprVirtMachNodeFactory::Negate(TExprNode *x) {
  return AddNode<TExprUnaryVmNode>(&makeNegate, std::initializer_list<TExprNode *>{x});
}
TExprNode *TExprVirtMachNodeFactory::Compare(TExprNode *left, TExprNode *right) {
  return AddNode<TExprCompareVmNode>(left, right);
}

void TExprVirtMachNodeFactory::Generate(TExprVirtMach &machine) {
  machine.Clear();
  std::size_t constants = 0;
  for (TExprVirtMachNode *node : nodes_) {
    node->Op = nullptr;
    constants += node->IsConstant() ? 1 : 0;
  }
  // Every node gets exactly one op: the lists need growing only once.
  machine.Reserve(nodes_.size() - constants, constants);
  // Constants get slots that are never executed, so they go first and apart.
  for (TExprVirtMachNode *node : nodes_)
    if (node->Op == nullptr && node->IsConstant())
      node->EmitOp(machine);
  // Creation order is an evaluation order: every node was made after its
  // operands.
  for (TExprVirtMachNode *node : nodes_)
    if (node->Op == nullptr) {
      node->EmitOp(machine);
      machine.SetLastCodeSpan(node->Span);
    }
}

} // namespace quorvex
