#include "virtmach.h"

#include "errors.h"
#include "numberconversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <typeinfo>

namespace quorvex {

namespace {

bool isNaN(Float v) noexcept {
  return v != v;
}
bool isFinite(Float v) noexcept {
  return v - v == 0;
}

// The slow paths below run only when a result is not finite. They decide the
// fault as the floating-point unit would have flagged it: arithmetic on an
// infinity or a NaN that came in as an operand is exact and raises nothing.

[[noreturn, gnu::noinline, gnu::cold]] void raiseInvalid() {
  throw EInvalidOp();
}
[[noreturn, gnu::noinline, gnu::cold]] void raiseOverflow() {
  throw EOverflow();
}
[[noreturn, gnu::noinline, gnu::cold]] void raiseZeroDivide() {
  throw EZeroDivide();
}

} // namespace

// Addition, subtraction and multiplication: a NaN from non-NaN operands is an
// invalid operation (inf - inf, 0 * inf); an infinity from finite operands is
// an overflow.
void checkArithmeticResult(Float left, Float right, Float result) {
  if (isNaN(result)) {
    if (!isNaN(left) && !isNaN(right))
      raiseInvalid();
    return;
  }
  if (isFinite(left) && isFinite(right))
    raiseOverflow();
}

void checkQuotient(Float left, Float right, Float result) {
  if (isNaN(result)) {
    if (!isNaN(left) && !isNaN(right))
      raiseInvalid(); // 0/0, inf/inf
    return;
  }
  if (!isFinite(left))
    return; // inf / finite is exact
  if (right == 0)
    raiseZeroDivide(); // finite non-zero / 0 (0/0 gave a NaN above)
  raiseOverflow();     // a finite quotient beyond the double range
}

void raiseUnordered() {
  raiseInvalid();
}

Float variableToFloat(Float80 source) {
  const auto value = static_cast<Float>(source);
  // An infinity or NaN held in the variable is an operand, not a fault;
  // only a finite value beyond the double range overflows.
  if (!isFinite(value)) [[unlikely]]
    return callResultToFloat(source, std::isfinite(source));
  return value;
}

Float callResultToFloat(Float80 result, bool argumentsFinite) {
  if (std::isnan(result)) {
    if (argumentsFinite)
      throw EInvalidOp();
    return static_cast<Float>(result);
  }
  if (std::isinf(result)) {
    if (argumentsFinite)
      throw EOverflow();
    return static_cast<Float>(result);
  }
  return roundToFloat(result); // a finite extended value beyond the double range
}

void raiseNarrowingOverflow() {
  raiseOverflow();
}

namespace {

// The mnemonic the op table gives the op's class.
const char *opMnemonic(const TExprVirtMachOp &op) {
  const std::type_info &type = typeid(op);
#define QUORVEX_VM_OP(Class, Mnemonic, Step)                                             \
  if (type == typeid(Class))                                                             \
    return Mnemonic;
#include "vmops.def"
  // AddCode takes no op class without a row.
  assertionFailed("An op class has no row in the op table", __FILE__, __LINE__);
}

} // namespace

TExprVirtMach::TExprVirtMach() : arena_(initialBuffer_, sizeof initialBuffer_) {}

TExprVirtMach::~TExprVirtMach() {
  Clear();
}

void TExprVirtMach::Clear() {
  for (TExprVirtMachOp *op : CodeList)
    op->~TExprVirtMachOp();
  for (TExprConstVmOp *op : ConstList)
    op->~TExprConstVmOp();
  codeList_.clear();
  runs_.clear();
  codeSpans_.clear();
  pendingFirst_ = -1;
  constList_.clear();
  arena_.release();
}

void TExprVirtMach::Reserve(std::size_t code, std::size_t constants) {
  codeList_.reserve(code);
  runs_.reserve(code);
  codeSpans_.reserve(code);
  constList_.reserve(constants);
}

void TExprVirtMach::SetLastCodeSpan(TextSpan span) {
  QV_ASSERT(!codeList_.empty(), "A span needs a code op");
  codeSpans_.resize(codeList_.size());
  constexpr std::size_t widest = std::numeric_limits<std::uint32_t>::max();
  if (span.offset <= widest && span.length <= widest - span.offset)
    codeSpans_.back() = {static_cast<std::uint32_t>(span.offset),
                         static_cast<std::uint32_t>(span.length)};
}

Float TExprVirtMach::Execute() {
  return ExecuteInline();
}

std::optional<std::size_t> TExprVirtMach::LocateFault(Exception &fault) {
  // The ops are pure functions of the variables and of the slots of the ops
  // before them, so run again on the same variables they fault at the same
  // op. A run pays for this only when it has failed: a handler in Execute's
  // own loop would cost every run a register and the loop's unrolling.
  const std::size_t count = codeList_.size();
  TExprVirtMachOp *const *ops = codeList_.data();
  std::size_t step = 0;
  try {
    while (step < count)
      step += runs_[step](ops + step);
    return std::nullopt;
  } catch (...) {
  }
  // The step ran one op or two; the first faults again on its own exactly
  // when it was the one that faulted.
  std::size_t faulting = step;
  if (step + 1 < count) {
    try {
      ops[step]->Execute();
      faulting = step + 1;
    } catch (...) {
    }
  }
  GiveFaultSpan(faulting, fault);
  return faulting;
}

Float TExprVirtMach::ExecuteLocatingFault() {
  const std::size_t count = codeList_.size();
  if (count == 0)
    return Execute();
  std::size_t i = 0;
  try {
    for (; i < count; ++i)
      codeList_[i]->Execute();
  } catch (Exception &fault) {
    GiveFaultSpan(i, fault);
    throw;
  }
  return codeList_.back()->Value;
}

void TExprVirtMach::GiveFaultSpan(std::size_t i, Exception &fault) const {
  const TextSpan span = CodeSpan(i);
  if (!fault.span() && span.length > 0)
    fault.setSpan(span);
}

std::string TExprVirtMach::Listing() const {
  std::map<const void *, std::string> names;
  std::ostringstream out;
  out.precision(17);
  for (std::size_t i = 0; i < ConstList.size(); ++i) {
    names[ConstList[i]->ValueRef()] = "c" + std::to_string(i);
    out << 'c' << i << " = " << ConstList[i]->Value << '\n';
  }
  int variables = 0;
  for (std::size_t i = 0; i < CodeList.size(); ++i) {
    const TExprVirtMachOp *op = CodeList[i];
    out << opMnemonic(*op) << " r" << i << " <-";
    const char *separator = " ";
    for (const void *input : op->Inputs()) {
      auto it = names.find(input);
      if (it == names.end())
        it = names.emplace(input, "v" + std::to_string(variables++)).first;
      out << separator << it->second;
      separator = ", ";
    }
    out << '\n';
    names[op->ValueRef()] = "r" + std::to_string(i);
  }
  return out.str();
}

std::vector<const void *> TExprVirtMach::ExternalInputs() const {
  std::set<const void *> own;
  for (const TExprConstVmOp *op : ConstList)
    own.insert(op->ValueRef());
  for (const TExprVirtMachOp *op : CodeList)
    own.insert(op->ValueRef());
  std::vector<const void *> inputs;
  for (const TExprVirtMachOp *op : CodeList)
    for (const void *input : op->Inputs())
      if (!own.contains(input) &&
          std::find(inputs.begin(), inputs.end(), input) == inputs.end())
        inputs.push_back(input);
  return inputs;
}

} // namespace quorvex
