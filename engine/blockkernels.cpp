#include "blockkernels.h"

#include <array>
#include <bit>
#include <functional>
#include <limits>
#include <typeinfo>
#include <utility>

namespace quorvex {
namespace {

using Kernel = BlockKernel;

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
// operands are tested themselves. Keyed by the operations as the rows of
// vmops.def name their types.
// NOLINTBEGIN(modernize-use-transparent-functors)
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
// NOLINTEND(modernize-use-transparent-functors)

// The operation of an arithmetic op that chains, as chained() numbers it.
template <class Operation> constexpr std::optional<ChainOperation> chainOf = std::nullopt;
template <>
constexpr std::optional<ChainOperation> chainOf<std::plus<Float>> = ChainOperation::Add;
template <>
constexpr std::optional<ChainOperation> chainOf<std::minus<Float>> =
    ChainOperation::Subtract;
template <>
constexpr std::optional<ChainOperation> chainOf<std::multiplies<Float>> =
    ChainOperation::Multiply;
template <>
constexpr std::optional<ChainOperation> chainOf<std::divides<Float>> =
    ChainOperation::Divide;
constexpr int chainForms = 8;

constexpr int formIndex(ChainForm form) {
  return 2 * static_cast<int>(form.operation) + (form.sameFirst ? 1 : 0);
}

template <int First, int... Second>
constexpr std::array<Kernel, std::size_t{4} * chainForms>
pairRow(std::integer_sequence<int, Second...>) {
  return {&pairKernel<First, Second, false>..., &pairKernel<First, Second, true>...,
          &pairKernelWide<First, Second, false>...,
          &pairKernelWide<First, Second, true>...};
}
template <int... First>
constexpr std::array<std::array<Kernel, std::size_t{4} * chainForms>, chainForms>
pairTable(std::integer_sequence<int, First...>) {
  return {pairRow<First>(std::make_integer_sequence<int, chainForms>())...};
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

// A call's column form over the block: the same NaNs as callKernel gives.
template <bool Checked>
bool unaryFormKernel(const BlockStep &step, const Float *const *operands,
                     Float *__restrict out, std::size_t n) noexcept {
  step.unaryForm(operands[step.inputs[0]], out, n);
  return Checked && anyNonFinite(out, n);
}

template <bool Checked>
bool binaryFormKernel(const BlockStep &step, const Float *const *operands,
                      Float *__restrict out, std::size_t n) noexcept {
  step.binaryForm(operands[step.inputs[0]], step.columns & 1u, operands[step.inputs[1]],
                  (step.columns >> 1) & 1u, out, n);
  return Checked && anyNonFinite(out, n);
}

// The routine of a call op of Arity arguments that takes and returns Float,
// or null.
template <int Arity>
typename TExprCallVmOp<Flavour::Generic, Arity>::Function
floatRoutineOf(const TExprVirtMachOp &call) {
  if (const auto *generic =
          dynamic_cast<const TExprCallVmOp<Flavour::Generic, Arity> *>(&call))
    return generic->Func;
  if (const auto *f64 = dynamic_cast<const TExprCallVmOp<Flavour::F64, Arity> *>(&call))
    return f64->Func;
  return nullptr;
}

} // namespace

std::optional<StepFamily> stepFamilyOf(const TExprVirtMachOp &op) {
  const std::type_info &type = typeid(op);
#define QUORVEX_VM_UNARY(Class, Mnemonic, Pairing, Operation)                            \
  if (type == typeid(Class))                                                             \
    return StepFamily{1, {Propagates<Operation>::left}, &selectUnary<Operation>};
#define QUORVEX_VM_ARITHMETIC(Class, Mnemonic, Pairing, Operation, Check)                \
  if (type == typeid(Class))                                                             \
    return StepFamily{2,                                                                 \
                      {Propagates<Operation>::left, Propagates<Operation>::right},       \
                      &selectBinary<Operation>,                                          \
                      chainOf<Operation>};
#define QUORVEX_VM_COMPARE(Class, Mnemonic, Pairing)                                     \
  if (type == typeid(Class))                                                             \
    return StepFamily{2, {}, &selectBinary<Comparison>};
#define QUORVEX_VM_CALL(F, Arity, Mnemonic, Pairing)                                     \
  if (type == typeid(TExprCallVmOp<Flavour::F, Arity>))                                  \
    return StepFamily{                                                                   \
        Arity, {true, true, true}, &selectCall<Flavour::F, Arity>, std::nullopt, false};
#include "vmops.def"
  return std::nullopt;
}

Kernel chainKernel(ChainOperation operation, unsigned columns, bool checked) {
  switch (operation) {
  case ChainOperation::Add:
    return selectBinary<std::plus<Float>>(columns, checked);
  case ChainOperation::Subtract:
    return selectBinary<std::minus<Float>>(columns, checked);
  case ChainOperation::Multiply:
    return selectBinary<std::multiplies<Float>>(columns, checked);
  case ChainOperation::Divide:
    break;
  }
  return selectBinary<std::divides<Float>>(columns, checked);
}

Kernel chainPairKernel(ChainForm first, ChainForm second, bool checked) {
  static constexpr auto kernels =
      pairTable(std::make_integer_sequence<int, chainForms>());
  const int variant = (wideVectors() ? 2 : 0) + (checked ? 1 : 0);
  return kernels[formIndex(first)][variant * chainForms + formIndex(second)];
}

Kernel perRowCallKernel(BlockStep &step, bool checked) {
  const std::optional<StepFamily> family = stepFamilyOf(*step.op);
  QV_ASSERT(family.has_value() && !family->computes, "A call op has a call's family");
  return family->select(step.columns, checked);
}

Kernel columnFormCallKernel(BlockStep &step, bool checked) {
  if (const auto routine = floatRoutineOf<1>(*step.op))
    if (const UnaryColumnRoutine form = columnRoutineOf(routine)) {
      step.unaryForm = form;
      return checked ? &unaryFormKernel<true> : &unaryFormKernel<false>;
    }
  if (const auto routine = floatRoutineOf<2>(*step.op))
    if (const BinaryColumnRoutine form = columnRoutineOf(routine)) {
      step.binaryForm = form;
      return checked ? &binaryFormKernel<true> : &binaryFormKernel<false>;
    }
  return perRowCallKernel(step, checked);
}

bool anyNonFinite(const Float *values, std::size_t n) noexcept {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < n; ++i)
    bits |= nonFiniteBits(values[i]);
  return bits != 0;
}

} // namespace quorvex
