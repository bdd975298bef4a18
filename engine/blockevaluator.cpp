#include "blockevaluator.h"

#include "errors.h"
#include "virtmach.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <typeinfo>
#include <utility>

namespace quorvex {

struct BlockEvaluator::Step {
  // Computes the op for n rows into out; with a test of its values, whether
  // one of them is not finite.
  using Kernel = bool (*)(const Step &step, const Float *const *operands, Float *out,
                          std::size_t n) noexcept;

  Kernel kernel = nullptr;
  const TExprVirtMachOp *op = nullptr; // for calls: the routine
  std::uint32_t inputs[3] = {};        // indices into the operands
  unsigned columns = 0; // bit k: input k is a column, else one value for every row
  Float *out = nullptr; // a scratch column, or none for the results
};

namespace {

using BlockStep = BlockEvaluator::Step;
using Kernel = BlockStep::Kernel;

constexpr Float notANumber = std::numeric_limits<Float>::quiet_NaN();

bool isFinite(Float v) noexcept {
  return !notFinite(v);
}

// Zero exactly when v is finite: v - v is +0 for a finite v and a NaN for
// an infinity or a NaN. OR-ed over a loop it tests a column with two vector
// operations per element.
inline std::uint64_t nonFiniteBits(Float v) noexcept {
  return std::bit_cast<std::uint64_t>(v - v);
}

bool anyNonFinite(const Float *values, std::size_t n) noexcept {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < n; ++i)
    bits |= nonFiniteBits(values[i]);
  return bits != 0;
}

// out[i] := value(i) for each row; when Checked, whether one is not finite.
template <bool Checked, class Value>
[[gnu::always_inline]] inline bool fill(Float *__restrict out, std::size_t n,
                                        Value value) noexcept {
  std::uint64_t bits = 0;
#pragma GCC unroll 4
  for (std::size_t i = 0; i < n; ++i) {
    const Float v = value(i);
    out[i] = v;
    if constexpr (Checked)
      bits |= nonFiniteBits(v);
  }
  return bits != 0;
}

// --- the kernels, one loop per op ----------------------------------------------

template <class Operation, bool Checked>
[[gnu::always_inline]] inline bool
unaryLoop(const BlockStep &step, const Float *const *operands, Float *__restrict out,
          std::size_t n) noexcept {
  const Float *__restrict input = operands[step.inputs[0]];
  return fill<Checked>(out, n, [&](std::size_t i) { return Operation{}(input[i]); });
}

// Columns: bit 0 the left operand is a column, bit 1 the right one.
template <class Operation, unsigned Columns, bool Checked>
[[gnu::always_inline]] inline bool
binaryLoop(const BlockStep &step, const Float *const *operands, Float *__restrict out,
           std::size_t n) noexcept {
  const Float *__restrict left = operands[step.inputs[0]];
  const Float *__restrict right = operands[step.inputs[1]];
  if constexpr (Columns == 3) {
    return fill<Checked>(out, n,
                         [&](std::size_t i) { return Operation{}(left[i], right[i]); });
  } else if constexpr (Columns == 1) {
    const Float r = *right;
    return fill<Checked>(out, n, [&](std::size_t i) { return Operation{}(left[i], r); });
  } else {
    const Float l = *left;
    return fill<Checked>(out, n, [&](std::size_t i) { return Operation{}(l, right[i]); });
  }
}

// Each loop twice: for any x86-64, and with the wider vectors of AVX2 for
// the processors that have it (chosen when a program is translated). The
// arithmetic is the same IEEE operation in every lane of either, and
// neither may fuse a multiply-add, so both give the bits Evaluate gives.
template <class Operation, bool Checked>
[[gnu::flatten]] bool unaryKernel(const BlockStep &step, const Float *const *operands,
                                  Float *out, std::size_t n) noexcept {
  return unaryLoop<Operation, Checked>(step, operands, out, n);
}
template <class Operation, bool Checked>
[[gnu::flatten, gnu::target("avx2")]] bool
unaryKernelWide(const BlockStep &step, const Float *const *operands, Float *out,
                std::size_t n) noexcept {
  return unaryLoop<Operation, Checked>(step, operands, out, n);
}
template <class Operation, unsigned Columns, bool Checked>
[[gnu::flatten]] bool binaryKernel(const BlockStep &step, const Float *const *operands,
                                   Float *out, std::size_t n) noexcept {
  return binaryLoop<Operation, Columns, Checked>(step, operands, out, n);
}
template <class Operation, unsigned Columns, bool Checked>
[[gnu::flatten, gnu::target("avx2")]] bool
binaryKernelWide(const BlockStep &step, const Float *const *operands, Float *out,
                 std::size_t n) noexcept {
  return binaryLoop<Operation, Columns, Checked>(step, operands, out, n);
}

// Two ops in a row, each with one operand that is the same for every row,
// the second reading only the first's value: both computed per row with
// the first's value held in a register, one pass instead of two. Form:
// 2 * operation (add, subtract, multiply, divide) + 1 when the operand that
// is the same for every row comes first.
template <int Form>
[[gnu::always_inline]] inline Float chained(Float v, Float s) noexcept {
  constexpr int operation = Form / 2;
  constexpr bool sameFirst = Form % 2 != 0;
  const Float l = sameFirst ? s : v, r = sameFirst ? v : s;
  if constexpr (operation == 0)
    return l + r;
  else if constexpr (operation == 1)
    return l - r;
  else if constexpr (operation == 2)
    return l * r;
  else
    return l / r;
}

template <int First, int Second, bool Checked>
[[gnu::always_inline]] inline bool
pairLoop(const BlockStep &step, const Float *const *operands, Float *__restrict out,
         std::size_t n) noexcept {
  const Float *__restrict input = operands[step.inputs[0]];
  const Float a = *operands[step.inputs[1]], b = *operands[step.inputs[2]];
  return fill<Checked>(out, n, [&](std::size_t i) {
    return chained<Second>(chained<First>(input[i], a), b);
  });
}
template <int First, int Second, bool Checked>
[[gnu::flatten]] bool pairKernel(const BlockStep &step, const Float *const *operands,
                                 Float *out, std::size_t n) noexcept {
  return pairLoop<First, Second, Checked>(step, operands, out, n);
}
template <int First, int Second, bool Checked>
[[gnu::flatten, gnu::target("avx2")]] bool
pairKernelWide(const BlockStep &step, const Float *const *operands, Float *out,
               std::size_t n) noexcept {
  return pairLoop<First, Second, Checked>(step, operands, out, n);
}

bool wideVectors() noexcept {
  static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
  return avx2;
}

// -1, 0 or +1 for an ordered pair. An unordered one gives 0 here; its NaN
// operand has its row run again, where it faults.
struct Comparison {
  Float operator()(Float l, Float r) const noexcept {
    return static_cast<Float>(static_cast<int>(l > r) - static_cast<int>(l < r));
  }
};

// One call of the routine as the call op makes it, except that a fault
// gives a NaN instead of an error: the row is run again for the error.
template <Flavour F, int Arity>
Float callOnce(typename TExprCallVmOp<F, Arity>::Function func,
               const Float (&arguments)[3]) noexcept {
  using T = typename FlavourType<F>::type;
  T x[3] = {};
  for (int k = 0; k < Arity; ++k) {
    x[k] = static_cast<T>(arguments[k]);
    if constexpr (F == Flavour::F32)
      if (!isFinite(x[k]))
        return notANumber; // a finite argument beyond single precision
  }
  try {
    T result;
    if constexpr (Arity == 0)
      result = func();
    else if constexpr (Arity == 1)
      result = func(x[0]);
    else if constexpr (Arity == 2)
      result = func(x[0], x[1]);
    else
      result = func(x[0], x[1], x[2]);
    return static_cast<Float>(result);
  } catch (...) {
    return notANumber;
  }
}

template <Flavour F, int Arity, bool Checked>
bool callKernel(const BlockStep &step, const Float *const *operands,
                Float *__restrict out, std::size_t n) noexcept {
  const auto func = static_cast<const TExprCallVmOp<F, Arity> &>(*step.op).Func;
  const Float *arguments[3] = {};
  std::size_t strides[3] = {};
  for (int k = 0; k < Arity; ++k) {
    arguments[k] = operands[step.inputs[k]];
    strides[k] = (step.columns >> k) & 1u;
  }
  for (std::size_t i = 0; i < n; ++i) {
    Float a[3] = {};
    bool finite = true;
    for (int k = 0; k < Arity; ++k) {
      a[k] = arguments[k][i * strides[k]];
      finite = finite && isFinite(a[k]);
    }
    // Such a row runs again anyway: the routine need not raise its error
    // here first.
    out[i] = finite ? callOnce<F, Arity>(func, a) : notANumber;
  }
  return Checked && anyNonFinite(out, n);
}

// --- what each row of the op table runs as -------------------------------------

// Whether an operand that is not finite always makes the result not finite,
// so that the result's test covers it: true of every operand of addition,
// subtraction, multiplication and negation, of the dividend, and of a
// routine's arguments (the call kernel gives NaN for them). A divisor that
// is not finite can give 0 and a comparison a finite value, so those
// operands are tested themselves.
template <class Operation> struct Propagates {
  static constexpr bool left = false;
  static constexpr bool right = false;
};
template <> struct Propagates<std::plus<Float>> {
  static constexpr bool left = true;
  static constexpr bool right = true;
};
template <> struct Propagates<std::minus<Float>> : Propagates<std::plus<Float>> {};
template <> struct Propagates<std::multiplies<Float>> : Propagates<std::plus<Float>> {};
template <> struct Propagates<std::divides<Float>> {
  static constexpr bool left = true;
  static constexpr bool right = false;
};
template <> struct Propagates<std::negate<Float>> : Propagates<std::divides<Float>> {};

// The operation's place among the forms of chained(), or -1.
template <class Operation> constexpr int chainOperation = -1;
template <> constexpr int chainOperation<std::plus<Float>> = 0;
template <> constexpr int chainOperation<std::minus<Float>> = 1;
template <> constexpr int chainOperation<std::multiplies<Float>> = 2;
template <> constexpr int chainOperation<std::divides<Float>> = 3;
constexpr int chainForms = 8;
constexpr int multiplyForm = 2 * chainOperation<std::multiplies<Float>>;

struct Family {
  int arity = 0;
  bool propagates[3] = {};
  Kernel (*select)(unsigned columns, bool checked) = nullptr;
  int chain = -1;       // chainOperation of an arithmetic op
  bool computes = true; // a function of its operands alone; not a call
};

template <int First, int... Second>
constexpr std::array<Kernel, 4 * chainForms>
pairRow(std::integer_sequence<int, Second...>) {
  return {&pairKernel<First, Second, false>..., &pairKernel<First, Second, true>...,
          &pairKernelWide<First, Second, false>...,
          &pairKernelWide<First, Second, true>...};
}
template <int... First>
constexpr std::array<std::array<Kernel, 4 * chainForms>, chainForms>
pairTable(std::integer_sequence<int, First...>) {
  return {pairRow<First>(std::make_integer_sequence<int, chainForms>())...};
}

Kernel selectPair(int first, int second, bool checked) {
  static constexpr auto kernels =
      pairTable(std::make_integer_sequence<int, chainForms>());
  const int variant = (wideVectors() ? 2 : 0) + (checked ? 1 : 0);
  return kernels[first][variant * chainForms + second];
}

template <class Operation> Kernel selectUnary(unsigned, bool checked) {
  if (wideVectors())
    return checked ? &unaryKernelWide<Operation, true>
                   : &unaryKernelWide<Operation, false>;
  return checked ? &unaryKernel<Operation, true> : &unaryKernel<Operation, false>;
}

template <class Operation, unsigned Columns> Kernel selectBinaryShape(bool checked) {
  if (wideVectors())
    return checked ? &binaryKernelWide<Operation, Columns, true>
                   : &binaryKernelWide<Operation, Columns, false>;
  return checked ? &binaryKernel<Operation, Columns, true>
                 : &binaryKernel<Operation, Columns, false>;
}

template <class Operation> Kernel selectBinary(unsigned columns, bool checked) {
  switch (columns) {
  case 1:
    return selectBinaryShape<Operation, 1>(checked);
  case 2:
    return selectBinaryShape<Operation, 2>(checked);
  default:
    return selectBinaryShape<Operation, 3>(checked);
  }
}

template <Flavour F, int Arity> Kernel selectCall(unsigned, bool checked) {
  return checked ? &callKernel<F, Arity, true> : &callKernel<F, Arity, false>;
}

// The family of an op that computes from other slots; none for variables
// and constants.
std::optional<Family> familyOf(const TExprVirtMachOp &op) {
  const std::type_info &type = typeid(op);
#define QUORVEX_VM_UNARY(Class, Mnemonic, Pairing, Operation)                            \
  if (type == typeid(Class))                                                             \
    return Family{1, {Propagates<Operation>::left}, &selectUnary<Operation>};
#define QUORVEX_VM_ARITHMETIC(Class, Mnemonic, Pairing, Operation, Check)                \
  if (type == typeid(Class))                                                             \
    return Family{2,                                                                     \
                  {Propagates<Operation>::left, Propagates<Operation>::right},           \
                  &selectBinary<Operation>,                                              \
                  chainOperation<Operation>};
#define QUORVEX_VM_COMPARE(Class, Mnemonic, Pairing)                                     \
  if (type == typeid(Class))                                                             \
    return Family{2, {}, &selectBinary<Comparison>};
#define QUORVEX_VM_CALL(F, Arity, Mnemonic, Pairing)                                     \
  if (type == typeid(TExprCallVmOp<Flavour::F, Arity>))                                  \
    return Family{Arity, {true, true, true}, &selectCall<Flavour::F, Arity>, -1, false};
#include "vmops.def"
  return std::nullopt;
}

// Scratch per block: small enough to stay in the first-level cache with
// the columns read, large enough that a block pays its dispatch over many
// rows.
constexpr std::size_t scratchBytes = 32 * 1024;
constexpr std::size_t fewestRows = 64;
constexpr std::size_t mostRows = 512;

// The reciprocal of a divisor that is a power of two, when it is one too:
// then x / d and x * (1 / d) are the same exact quotient rounded once, the
// same double for every x, and a multiplication is several times cheaper.
std::optional<Float> exactReciprocal(Float divisor) {
  int exponent = 0;
  if (!isFinite(divisor) || std::fabs(std::frexp(divisor, &exponent)) != 0.5)
    return std::nullopt;
  // Exact unless it overflows: a divisor below 2^-1023.
  const Float reciprocal = 1 / divisor;
  if (!isFinite(reciprocal))
    return std::nullopt;
  return reciprocal;
}

} // namespace

BlockEvaluator::BlockEvaluator(TCompiledEvaluator &evaluator,
                               std::span<Float *const> columnVariables)
    : evaluator_(evaluator),
      columnVariables_(columnVariables.begin(), columnVariables.end()) {
  for (std::size_t k = 0; k < columnVariables_.size(); ++k)
    for (std::size_t j = 0; j < k; ++j)
      QV_ASSERT(columnVariables_[j] != columnVariables_[k],
                "Column variables are distinct");
  const TExprVirtMach &machine = evaluator.Machine;
  hasProgram_ = machine.HasProgram();

  // What each slot of the machine holds while a block runs.
  enum class Kind { Scalar, Column, Step };
  struct Value {
    Kind kind = Kind::Scalar;
    std::size_t index = 0; // Scalar: operand; Column: column variable; Step: step
    bool operator==(const Value &) const = default;
  };
  std::map<const void *, Value> values;
  std::map<std::size_t, Float> constants; // by operand
  auto scalar = [&](const Float *slot) {
    operands_.push_back(slot);
    return Value{Kind::Scalar, operands_.size() - 1};
  };
  for (const TExprConstVmOp *op : machine.ConstList) {
    values[op->ValueRef()] = scalar(op->ValueRef());
    constants[operands_.size() - 1] = op->Value;
  }
  for (std::size_t k = 0; k < columnVariables_.size(); ++k) {
    operands_.push_back(columnVariables_[k]);
    columnOperands_.push_back(static_cast<std::uint32_t>(operands_.size() - 1));
  }
  reciprocals_.reserve(machine.CodeList.size());

  // The ops that read a column become steps, in program order.
  struct Pending {
    Family family;
    const TExprVirtMachOp *op;
    Value inputs[3];
    // An arithmetic op with one column operand: its form of chained(),
    // inputs[0] the column and inputs[1] the other operand.
    int form = -1;
    bool absorbed = false; // run within the next step
    int firstForm = -1;    // the form of the step this one absorbed
  };
  std::vector<Pending> pending;
  // The steps by what they compute: the op's class and its inputs, a
  // constant by its bits.
  struct Repeat {
    const std::type_info *type;
    std::array<std::pair<int, std::uint64_t>, 3> inputs;
    bool operator<(const Repeat &other) const {
      if (*type != *other.type)
        return type->before(*other.type);
      return inputs < other.inputs;
    }
  };
  std::map<Repeat, Value> computed;
  for (TExprVirtMachOp *op : machine.CodeList) {
    Value value;
    if (const auto *variable = dynamic_cast<const TExprVarVmOp *>(op)) {
      const auto column =
          std::find(columnVariables_.begin(), columnVariables_.end(), variable->Source);
      if (typeid(*op) == typeid(TExprVar64VmOp) && column != columnVariables_.end()) {
        value = {Kind::Column,
                 static_cast<std::size_t>(column - columnVariables_.begin())};
      } else {
        scalarOps_.push_back(op);
        value = scalar(op->ValueRef());
      }
      values[op->ValueRef()] = value;
      continue;
    }
    const std::optional<Family> family = familyOf(*op);
    QV_ASSERT(family.has_value(), "Every op class has its row in the op table");
    const std::vector<const void *> inputs = op->Inputs();
    QV_ASSERT(inputs.size() == static_cast<std::size_t>(family->arity),
              "An op reads as many slots as its row says");
    Pending step{*family, op, {}};
    int columnInputs = 0;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
      const auto found = values.find(inputs[k]);
      QV_ASSERT(found != values.end(), "An op reads slots written before it");
      step.inputs[k] = found->second;
      columnInputs += found->second.kind != Kind::Scalar ? 1 : 0;
    }
    if (columnInputs == 0) {
      scalarOps_.push_back(op);
      values[op->ValueRef()] = scalar(op->ValueRef());
      continue;
    }
    // An op that computes what an earlier one computed, the same operation
    // on the same values, gives the same bits: its value is the earlier
    // one's. Relational operators repeat their comparison this way, and
    // formulas their sub-expressions. Calls are left alone: a routine need
    // not be a pure function.
    if (family->computes) {
      Repeat key{&typeid(*op), {}};
      for (std::size_t k = 0; k < inputs.size(); ++k) {
        const Value &input = step.inputs[k];
        const auto constant = constants.find(input.index);
        key.inputs[k] = input.kind == Kind::Scalar && constant != constants.end()
                            ? std::pair{0, std::bit_cast<std::uint64_t>(constant->second)}
                            : std::pair{static_cast<int>(input.kind) + 1,
                                        static_cast<std::uint64_t>(input.index)};
      }
      const auto [earlier, first] =
          computed.emplace(key, Value{Kind::Step, pending.size()});
      if (!first) {
        values[op->ValueRef()] = earlier->second;
        continue;
      }
    }
    if (family->chain >= 0 && columnInputs == 1) {
      const bool columnFirst = step.inputs[0].kind != Kind::Scalar;
      step.form = 2 * family->chain + (columnFirst ? 0 : 1);
      if (!columnFirst)
        std::swap(step.inputs[0], step.inputs[1]);
      // A division by a constant power of two multiplies by its reciprocal.
      const auto constant = constants.find(step.inputs[1].index);
      if (step.form == 2 * chainOperation<std::divides<Float>> &&
          constant != constants.end())
        if (const std::optional<Float> reciprocal = exactReciprocal(constant->second)) {
          reciprocals_.push_back(*reciprocal);
          step.inputs[1] = scalar(&reciprocals_.back());
          step.form = multiplyForm;
        }
    }
    pending.push_back(step);
    values[op->ValueRef()] = {Kind::Step, pending.size() - 1};
  }

  // Which values are tested for being finite, and how often each step's
  // value is read.
  std::optional<Value> result;
  if (!machine.CodeList.empty())
    result = values.at(machine.CodeList.back()->ValueRef());
  else if (!machine.ConstList.empty())
    result = values.at(machine.ConstList.front()->ValueRef());
  const auto arity = [&](const Pending &step) {
    return step.form >= 0 ? 1 : step.family.arity; // the column of a chain op
  };
  const auto covered = [&](const Pending &step, int k) {
    // Of a chain op only the column is read here; it propagates unless it
    // is a divisor.
    if (step.form >= 0)
      return step.form / 2 != chainOperation<std::divides<Float>> || step.form % 2 == 0;
    return step.family.propagates[k];
  };
  std::vector<bool> stepChecked(pending.size(), false);
  std::vector<int> stepReads(pending.size(), 0);
  std::vector<bool> columnChecked(columnVariables_.size(), false);
  for (const Pending &step : pending)
    for (int k = 0; k < arity(step); ++k) {
      const Value &input = step.inputs[k];
      if (input.kind == Kind::Step) {
        ++stepReads[input.index];
        if (!covered(step, k))
          stepChecked[input.index] = true;
      } else if (input.kind == Kind::Column && !covered(step, k)) {
        columnChecked[input.index] = true;
      }
    }
  // A value nothing reads is the result, or taken nowhere: tested either way.
  for (std::size_t j = 0; j < pending.size(); ++j)
    if (stepReads[j] == 0)
      stepChecked[j] = true;
  if (result) {
    resultKind_ = result->kind == Kind::Step     ? ResultKind::Step
                  : result->kind == Kind::Column ? ResultKind::Column
                                                 : ResultKind::Scalar;
    if (result->kind == Kind::Column)
      resultOperand_ = columnOperands_[result->index];
    else if (result->kind == Kind::Scalar)
      resultOperand_ = static_cast<std::uint32_t>(result->index);
    if (result->kind == Kind::Column)
      columnChecked[result->index] = true;
  }
  for (std::size_t k = 0; k < columnChecked.size(); ++k)
    if (columnChecked[k])
      checkedColumns_.push_back(k);

  // Two chain ops in a row, the second the only reader of the first's
  // value, which needs no test of its own, run as one step.
  for (std::size_t j = 1; j < pending.size(); ++j) {
    Pending &first = pending[j - 1];
    Pending &second = pending[j];
    if (first.form >= 0 && second.form >= 0 && !first.absorbed && first.firstForm < 0 &&
        second.inputs[0] == Value{Kind::Step, j - 1} && stepReads[j - 1] == 1 &&
        !stepChecked[j - 1]) {
      first.absorbed = true;
      second.firstForm = first.form;
      second.inputs[2] = second.inputs[1];
      second.inputs[1] = first.inputs[1];
      second.inputs[0] = first.inputs[0];
    }
  }

  // Scratch columns by liveness: a step's column is free again after the
  // step that reads it last, so a long formula needs only as many columns
  // as values live at once. An output never shares a column with an input
  // of its own step, so that the loops may assume no overlap.
  const auto reads = [&](const Pending &step) {
    return step.firstForm >= 0 ? 1 : arity(step);
  };
  std::vector<std::size_t> lastRead(pending.size());
  for (std::size_t j = 0; j < pending.size(); ++j) {
    lastRead[j] = j;
    if (!pending[j].absorbed)
      for (int k = 0; k < reads(pending[j]); ++k)
        if (pending[j].inputs[k].kind == Kind::Step)
          lastRead[pending[j].inputs[k].index] = j;
  }
  const bool resultIsStep = resultKind_ == ResultKind::Step;
  const auto writesResult = [&](std::size_t j) {
    return resultIsStep && j + 1 == pending.size();
  };
  std::vector<std::size_t> columnOf(pending.size(), 0);
  std::vector<std::size_t> free;
  std::size_t columnCount = 0;
  for (std::size_t j = 0; j < pending.size(); ++j) {
    if (pending[j].absorbed)
      continue;
    if (!writesResult(j)) {
      if (free.empty()) {
        columnOf[j] = columnCount++;
      } else {
        columnOf[j] = free.back();
        free.pop_back();
      }
    }
    for (int k = 0; k < reads(pending[j]); ++k) {
      const Value &input = pending[j].inputs[k];
      if (input.kind != Kind::Step || lastRead[input.index] != j)
        continue;
      bool readBefore = false; // by an earlier operand of the same step
      for (int m = 0; m < k; ++m)
        readBefore = readBefore || pending[j].inputs[m] == input;
      if (!readBefore)
        free.push_back(columnOf[input.index]);
    }
    if (stepReads[j] == 0 && !writesResult(j))
      free.push_back(columnOf[j]);
  }
  blockRows_ =
      std::clamp(std::bit_floor(scratchBytes /
                                (std::max<std::size_t>(columnCount, 1) * sizeof(Float))),
                 fewestRows, mostRows);
  scratch_.assign(columnCount * blockRows_, 0);
  suspect_.assign(blockRows_, 0);
  std::vector<std::uint32_t> scratchOperand(columnCount);
  for (std::size_t c = 0; c < columnCount; ++c) {
    operands_.push_back(scratch_.data() + c * blockRows_);
    scratchOperand[c] = static_cast<std::uint32_t>(operands_.size() - 1);
  }

  const auto operand = [&](const Value &value) {
    switch (value.kind) {
    case Kind::Scalar:
      return static_cast<std::uint32_t>(value.index);
    case Kind::Column:
      return columnOperands_[value.index];
    case Kind::Step:
      break;
    }
    return scratchOperand[columnOf[value.index]];
  };
  for (std::size_t j = 0; j < pending.size(); ++j) {
    const Pending &source = pending[j];
    if (source.absorbed)
      continue;
    Step step;
    step.op = source.op;
    // A pair reads its column and two operands, a chain op its column and
    // one, any other op its operands.
    const int operandCount = source.firstForm >= 0 ? 3
                             : source.form >= 0    ? 2
                                                   : source.family.arity;
    for (int k = 0; k < operandCount; ++k) {
      step.inputs[k] = operand(source.inputs[k]);
      if (source.inputs[k].kind != Kind::Scalar)
        step.columns |= 1u << k;
    }
    step.out = writesResult(j) ? nullptr : scratch_.data() + columnOf[j] * blockRows_;
    if (source.firstForm >= 0) {
      step.kernel = selectPair(source.firstForm, source.form, stepChecked[j]);
    } else if (source.form >= 0) {
      // The column and the other operand back in the op's order.
      if (source.form % 2 != 0) {
        std::swap(step.inputs[0], step.inputs[1]);
        step.columns = 2;
      } else {
        step.columns = 1;
      }
      // A division by a power of two multiplies by the reciprocal instead.
      const bool multiplies = source.form / 2 == chainOperation<std::multiplies<Float>>;
      step.kernel =
          multiplies ? selectBinary<std::multiplies<Float>>(step.columns, stepChecked[j])
                     : source.family.select(step.columns, stepChecked[j]);
    } else {
      step.kernel = source.family.select(step.columns, stepChecked[j]);
    }
    steps_.push_back(step);
  }
}

BlockEvaluator::~BlockEvaluator() = default;

bool BlockEvaluator::runScalarOps() noexcept {
  try {
    for (TExprVirtMachOp *op : scalarOps_) {
      op->Execute();
      if (!isFinite(op->Value))
        return false;
    }
  } catch (...) {
    return false;
  }
  return resultKind_ != ResultKind::Scalar || isFinite(*operands_[resultOperand_]);
}

void BlockEvaluator::markNonFinite(const Float *values, std::size_t n) noexcept {
  for (std::size_t i = 0; i < n; ++i)
    if (!isFinite(values[i]))
      suspect_[i] = 1;
  anySuspect_ = true;
}

void BlockEvaluator::runBlock(std::span<const Float *const> columns, std::size_t first,
                              std::size_t n, Float *results) noexcept {
  for (std::size_t k = 0; k < columns.size(); ++k)
    operands_[columnOperands_[k]] = columns[k] + first;
  anySuspect_ = false;
  for (const std::size_t k : checkedColumns_)
    if (anyNonFinite(columns[k] + first, n))
      markNonFinite(columns[k] + first, n);
  const Float *const *operands = operands_.data();
  Float *const out = results + first;
  for (const Step &step : steps_) {
    Float *target = step.out != nullptr ? step.out : out;
    if (step.kernel(step, operands, target, n))
      markNonFinite(target, n);
  }
  if (resultKind_ == ResultKind::Column)
    std::copy_n(operands_[resultOperand_], n, out);
  else if (resultKind_ == ResultKind::Scalar)
    std::fill_n(out, n, *operands_[resultOperand_]);
}

void BlockEvaluator::runAgain(std::span<const Float *const> columns, std::size_t row,
                              Float *results, BlockFaultSink &faults) {
  for (std::size_t k = 0; k < columns.size(); ++k)
    *columnVariables_[k] = columns[k][row];
  // A row that comes here most likely fails: run op by op, its fault is
  // located as it is raised, where Evaluate would run the program twice.
  try {
    results[row] = evaluator_.Machine.ExecuteLocatingFault();
  } catch (const std::exception &error) {
    results[row] = 0;
    faults.rowFailed(row, error);
  }
}

void BlockEvaluator::evaluate(std::span<const Float *const> columns, std::size_t rows,
                              Float *results, BlockFaultSink &faults) {
  QV_ASSERT(columns.size() == columnVariables_.size(), "One column per column variable");
  if (rows == 0)
    return;
  const bool shared = hasProgram_ && runScalarOps();
  for (std::size_t first = 0; first < rows; first += blockRows_) {
    const std::size_t n = std::min(blockRows_, rows - first);
    if (!shared) {
      for (std::size_t i = 0; i < n; ++i)
        runAgain(columns, first + i, results, faults);
      continue;
    }
    runBlock(columns, first, n, results);
    if (!anySuspect_)
      continue;
    for (std::size_t i = 0; i < n; ++i)
      if (suspect_[i] != 0) {
        suspect_[i] = 0;
        runAgain(columns, first + i, results, faults);
      }
  }
  for (std::size_t k = 0; k < columns.size(); ++k)
    *columnVariables_[k] = columns[k][rows - 1];
}

} // namespace quorvex
