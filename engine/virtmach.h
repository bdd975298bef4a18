#pragma once

#include "errors.h"
#include "floattypes.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory_resource>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

// The virtual machine: a straight-line program of ops. Every op owns one
// Float result slot and reads its operands through addresses fixed when the
// program was generated, so a run does no lookup, no allocation and no
// branching on operand kinds.

namespace quorvex {

class TExprVirtMachOp {
public:
  virtual ~TExprVirtMachOp() = default;
  // Computes the op from its operand addresses and stores it in Value.
  // Throws EZeroDivide, EOverflow or EInvalidOp on a floating-point fault.
  virtual void Execute() = 0;
  // For listings: operand addresses, in argument order.
  virtual std::vector<const void *> Inputs() const { return {}; }

  const Float *ValueRef() const noexcept { return &Value; }

  Float Value = 0;
};

// The op classes, their mnemonics and how they run are the rows of
// vmops.def; the classes below are the shapes those rows fill in.

// --- variables: copy a caller-owned number into the slot -------------------

class TExprVarVmOp : public TExprVirtMachOp {
public:
  std::vector<const void *> Inputs() const override { return {Source}; }
  const void *Source = nullptr;
};

// An 80-bit variable's value rounded to Float; overflows past the double
// range.
Float variableToFloat(Float80 source);

// Value := *Source converted to Float: widened exactly or copied bit for bit
// from a 32- or 64-bit variable, which cannot fail; rounded from an 80-bit
// one.
template <class T> class TExprTypedVarVmOp final : public TExprVarVmOp {
public:
  explicit TExprTypedVarVmOp(const T *source) { Source = source; }
  void Execute() override {
    const T source = *static_cast<const T *>(Source);
    if constexpr (std::is_same_v<T, Float80>)
      Value = variableToFloat(source);
    else
      Value = source;
  }
};

// --- constants: set at creation, never executed ------------------------------

class TExprConstVmOp final : public TExprVirtMachOp {
public:
  explicit TExprConstVmOp(Float value) { Value = value; }
  void Execute() override {}
};

// --- arithmetic ----------------------------------------------------------------

class TExprUnaryVmOp : public TExprVirtMachOp {
public:
  std::vector<const void *> Inputs() const override { return {Input}; }
  const Float *Input = nullptr;
};

// Value := Operation(Input), an operation that cannot fail.
template <class Operation> class TExprUnaryOperationVmOp final : public TExprUnaryVmOp {
public:
  void Execute() override { Value = Operation{}(*Input); }
};

class TExprBinaryVmOp : public TExprVirtMachOp {
public:
  std::vector<const void *> Inputs() const override { return {Left, Right}; }
  const Float *Left = nullptr;
  const Float *Right = nullptr;
};

// Whether v is an infinity or a NaN: a masked compare and one branch, the
// test every op makes of its result.
inline bool notFinite(Float v) noexcept {
  return !(std::fabs(v) <= std::numeric_limits<Float>::max());
}

// The slow paths of the arithmetic ops: raise the fault a non-finite result
// means, if any.
[[gnu::cold]] void checkArithmeticResult(Float left, Float right, Float result);
[[gnu::cold]] void checkQuotient(Float left, Float right, Float result);
// The comparison instruction faults on an unordered pair (a NaN operand).
[[noreturn, gnu::cold]] void raiseUnordered();

// Value := Operation(Left, Right). Every arithmetic op tests its result once:
// a finite result is the common, fault-free case. Only a non-finite one
// takes the slow path, Check, that decides whether a fault occurred
// (infinities and NaNs may also flow in from bound variables, and arithmetic
// on them is not a fault). The bodies are inline so that the machine's run
// loop calls each op's work directly.
template <class Operation, void (*Check)(Float, Float, Float)>
class TExprArithmeticVmOp final : public TExprBinaryVmOp {
public:
  void Execute() override {
    const Float l = *Left, r = *Right, v = Operation{}(l, r);
    Value = v;
    if (notFinite(v)) [[unlikely]]
      Check(l, r, v);
  }
};

// Value := -1, 0 or +1 as Left is less than, equal to or greater than Right.
// An unordered pair (a NaN operand) is an invalid operation.
class TExprCompareVmOp final : public TExprBinaryVmOp {
public:
  void Execute() override {
    const Float l = *Left, r = *Right;
    if (l < r)
      Value = -1;
    else if (l > r)
      Value = 1;
    else if (l == r)
      Value = 0;
    else
      raiseUnordered();
  }
};

// --- function calls --------------------------------------------------------------

// Which number type a called function takes and returns. Generic is Float;
// it is kept apart from F64 because the interface names both.
enum class Flavour { Generic, F32, F64, F80 };

template <Flavour F> struct FlavourType;
template <> struct FlavourType<Flavour::Generic> { using type = Float; };
template <> struct FlavourType<Flavour::F32> { using type = Float32; };
template <> struct FlavourType<Flavour::F64> { using type = Float64; };
template <> struct FlavourType<Flavour::F80> { using type = Float80; };

template <Flavour F, int Arity> struct CallSignature;
template <Flavour F> struct CallSignature<F, 0> {
  using T = typename FlavourType<F>::type;
  using type = T (*)();
};
template <Flavour F> struct CallSignature<F, 1> {
  using T = typename FlavourType<F>::type;
  using type = T (*)(T);
};
template <Flavour F> struct CallSignature<F, 2> {
  using T = typename FlavourType<F>::type;
  using type = T (*)(T, T);
};
template <Flavour F> struct CallSignature<F, 3> {
  using T = typename FlavourType<F>::type;
  using type = T (*)(T, T, T);
};

// Rounds a called function's result to Float, raising the fault a non-finite
// result from finite arguments means (overflow for an infinity, invalid
// operation for a NaN).
Float callResultToFloat(Float80 result, bool argumentsFinite);

// A finite Float too large for a 32-bit argument.
[[noreturn]] void raiseNarrowingOverflow();

// Value := Func(X, Y, Z) with the arguments converted to the flavour's type.
template <Flavour F, int Arity> class TExprCallVmOp final : public TExprVirtMachOp {
public:
  using T = typename FlavourType<F>::type;
  using Function = typename CallSignature<F, Arity>::type;

  explicit TExprCallVmOp(Function func) : Func(func) {}

  void Execute() override {
    T result;
    if constexpr (Arity == 0)
      result = Func();
    else if constexpr (Arity == 1)
      result = Func(Argument(*X));
    else if constexpr (Arity == 2)
      result = Func(Argument(*X), Argument(*Y));
    else
      result = Func(Argument(*X), Argument(*Y), Argument(*Z));
    const auto value = static_cast<Float>(result);
    if (notFinite(value)) [[unlikely]] {
      bool finiteArgs = true;
      if constexpr (Arity >= 1)
        finiteArgs = IsFinite(*X);
      if constexpr (Arity >= 2)
        finiteArgs = finiteArgs && IsFinite(*Y);
      if constexpr (Arity >= 3)
        finiteArgs = finiteArgs && IsFinite(*Z);
      Value = callResultToFloat(result, finiteArgs);
    } else {
      Value = value;
    }
  }
  std::vector<const void *> Inputs() const override {
    std::vector<const void *> in;
    if constexpr (Arity >= 1)
      in.push_back(X);
    if constexpr (Arity >= 2)
      in.push_back(Y);
    if constexpr (Arity >= 3)
      in.push_back(Z);
    return in;
  }

  Function Func;
  const Float *X = nullptr;
  const Float *Y = nullptr;
  const Float *Z = nullptr;

private:
  static bool IsFinite(Float v) noexcept { return !notFinite(v); }
  // Narrowing to single precision overflows for a finite value beyond its
  // range, which is a fault of the call; the other flavours convert exactly.
  static T Argument(Float v) {
    if constexpr (F == Flavour::F32) {
      const T narrowed = static_cast<T>(v);
      if (narrowed - narrowed != 0 && IsFinite(v)) [[unlikely]]
        raiseNarrowingOverflow();
      return narrowed;
    } else {
      return static_cast<T>(v);
    }
  }
};

// --- the op classes of the table -----------------------------------------------

// The rows' arguments are names and types, which parentheses cannot enclose.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define QUORVEX_VM_VARIABLE(Class, Mnemonic, Step, Source)                               \
  using Class = TExprTypedVarVmOp<Source>;
#define QUORVEX_VM_UNARY(Class, Mnemonic, Step, Operation)                               \
  using Class = TExprUnaryOperationVmOp<Operation>;
#define QUORVEX_VM_ARITHMETIC(Class, Mnemonic, Step, Operation, Check)                   \
  using Class = TExprArithmeticVmOp<Operation, &Check>;
// NOLINTEND(bugprone-macro-parentheses)
#include "vmops.def"

// A row's Step as the preprocessor tests it: what a Paired row keeps.
#define QUORVEX_VM_IF_PAIRED_Paired(...) __VA_ARGS__
#define QUORVEX_VM_IF_PAIRED_Alone(...)

// --- the machine -------------------------------------------------------------------

class TExprVirtMach final {
public:
  TExprVirtMach();
  ~TExprVirtMach();
  TExprVirtMach(const TExprVirtMach &) = delete;
  TExprVirtMach &operator=(const TExprVirtMach &) = delete;

  // Creates an op owned by the machine and appends it to CodeList.
  template <class Op, class... Args> Op &AddCode(Args &&...args) {
    static_assert(InTable<Op>(), "an op class needs its row in vmops.def");
    Op &op = Make<Op>(std::forward<Args>(args)...);
    codeList_.push_back(&op);
    runs_.push_back(&Run<Op>);
    // Two common ops in a row run as one step: both still run, in order,
    // each with its own slot and fault check, but with one dispatch.
    constexpr int kind = PairKind<Op>();
    if constexpr (kind >= 0) {
      if (pendingFirst_ >= 0) {
        runs_[runs_.size() - 2] = PairWith<Op>(pendingFirst_);
        pendingFirst_ = -1;
        return op;
      }
    }
    pendingFirst_ = kind;
    return op;
  }
  // Creates a constant op owned by the machine and appends it to ConstList.
  TExprConstVmOp &AddConst(Float value) {
    auto &op = Make<TExprConstVmOp>(value);
    constList_.push_back(&op);
    return op;
  }

  // Records the formula text the code op added last was compiled from.
  void SetLastCodeSpan(TextSpan span);
  // The text code op i was compiled from; empty when none was recorded.
  TextSpan CodeSpan(std::size_t i) const noexcept {
    if (i >= codeSpans_.size())
      return {};
    return {codeSpans_[i].offset, codeSpans_[i].length};
  }

  // Runs the program once. Throws EListError(0) when there is no program.
  Float Execute();
  // Execute, compiled into its caller: for a caller that is itself reached
  // through a call (the shared library's evaluate), so that a run costs its
  // user one call, as Execute costs the engine's own callers.
  inline Float ExecuteInline();
  // After Execute failed with fault, and before the variables change: the
  // index in CodeList of the op that raised it (none if no op faults now).
  // Gives the fault that op's span, unless it has one or none was recorded.
  std::optional<std::size_t> LocateFault(Exception &fault);
  // Runs the program once, one op at a time, as Execute gives it; a fault
  // leaves with its op's span at once. For a run that is expected to fail,
  // where Execute and LocateFault would run the program twice.
  Float ExecuteLocatingFault();
  // Frees every op; the machine has no program afterwards.
  void Clear();
  // Makes room for that many code and constant ops without regrowing.
  void Reserve(std::size_t code, std::size_t constants);
  bool HasProgram() const noexcept { return !CodeList.empty() || !ConstList.empty(); }

  // One line per op in run order, constants first as "cN = value", then code
  // as e.g. "Mul r2 <- c0, r1"; variables are named vN in order of first use.
  std::string Listing() const;
  // The addresses outside the machine that the program reads, each once, in
  // order of first use (the vN of the listing): the storage of the bound
  // variables the formula uses, and of no other. A caller that fills the
  // storage before each run need fill only these.
  std::vector<const void *> ExternalInputs() const;

private:
  // Gives fault the span of code op i, unless it has one or none was
  // recorded.
  void GiveFaultSpan(std::size_t i, Exception &fault) const;

  std::vector<TExprVirtMachOp *> codeList_;
  std::vector<TExprConstVmOp *> constList_;

public:
  // Ops in run order and the constant slots; all owned by the machine and
  // only ever added through AddCode and AddConst, so every code op has its
  // run step.
  const std::vector<TExprVirtMachOp *> &CodeList = codeList_;
  const std::vector<TExprConstVmOp *> &ConstList = constList_;

private:
  // Runs an op whose final class is known when it is added: a direct call
  // with the op's work inlined, instead of a virtual call per op and run.
  // A step runs the ops from ops[0] on and returns how many it ran.
  using RunFunction = std::size_t (*)(TExprVirtMachOp *const *ops);
  template <class Op> static std::size_t Run(TExprVirtMachOp *const *ops) {
    static_assert(std::is_final_v<Op>);
    static_cast<Op &>(*ops[0]).Op::Execute();
    return 1;
  }
  template <class First, class Second>
  static std::size_t RunPair(TExprVirtMachOp *const *ops) {
    static_cast<First &>(*ops[0]).First::Execute();
    static_cast<Second &>(*ops[1]).Second::Execute();
    return 2;
  }
  // The classes the table marks Paired, numbered in its order; -1 for the
  // others.
  template <class Op> static constexpr int PairKind() {
    int kind = -1, paired = 0;
#define QUORVEX_VM_OP(Class, Mnemonic, Step)                                             \
  QUORVEX_VM_IF_PAIRED_##Step(kind = std::is_same_v<Op, Class> ? paired : kind; ++paired;)
#include "vmops.def"
    return kind;
  }
  // The step for an op of class PairKind first followed by a Second.
  template <class Second> static RunFunction PairWith(int first) {
    static constexpr RunFunction pairs[] = {
#define QUORVEX_VM_OP(Class, Mnemonic, Step)                                             \
  QUORVEX_VM_IF_PAIRED_##Step(&RunPair<Class, Second>, )
#include "vmops.def"
    };
    return pairs[first];
  }
  // Only the table's classes are ops: each has its mnemonic there.
  template <class Op> static constexpr bool InTable() {
    return false
#define QUORVEX_VM_OP(Class, Mnemonic, Step) || std::is_same_v<Op, Class>
#include "vmops.def"
        ;
  }

  template <class Op, class... Args> Op &Make(Args &&...args) {
    // Ops live contiguously in the machine's arena: cheap to make, close
    // together when run. Clear() destroys them before releasing the arena.
    static_assert(std::is_base_of_v<TExprVirtMachOp, Op>);
    void *memory = arena_.allocate(sizeof(Op), alignof(Op));
    return *::new (memory) Op(std::forward<Args>(args)...);
  }

  // Small formulas never touch the heap for their ops.
  alignas(std::max_align_t) unsigned char initialBuffer_[2048];
  std::pmr::monotonic_buffer_resource arena_;
  // runs_[i] runs CodeList[i].
  std::vector<RunFunction> runs_;
  // codeSpans_[i] is the text of CodeList[i]; read only after a fault, so
  // kept apart from the ops that a run touches. A formula the compiler
  // reads is far shorter than 4 GiB, so half the width of a TextSpan does.
  struct CodeText {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  std::vector<CodeText> codeSpans_;
  // PairKind of the last op added when it starts no step of two yet, or -1.
  int pendingFirst_ = -1;
};

inline Float TExprVirtMach::ExecuteInline() {
  if (codeList_.empty()) {
    if (constList_.empty())
      throw EListError(0); // no program: there is no first constant either
    return constList_.front()->Value;
  }
  const std::size_t count = codeList_.size();
  TExprVirtMachOp *const *ops = codeList_.data();
  const RunFunction *runs = runs_.data();
#pragma GCC unroll 4
  for (std::size_t i = 0; i < count;)
    i += runs[i](ops + i);
  return ops[count - 1]->Value;
}

} // namespace quorvex

#undef QUORVEX_VM_IF_PAIRED_Paired
#undef QUORVEX_VM_IF_PAIRED_Alone
