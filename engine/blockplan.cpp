#include "blockplan.h"

#include "errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <typeinfo>
#include <utility>

namespace quorvex {

namespace {

bool isFinite(Float v) noexcept {
  return !notFinite(v);
}

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

// What each slot of the machine holds while a block runs.
enum class Kind { Scalar, Column, Step };
struct Value {
  Kind kind = Kind::Scalar;
  std::size_t index = 0; // Scalar: operand; Column: column variable; Step: pending step
  bool operator==(const Value &) const = default;
};

// An op that reads a column, on its way to a step.
struct Pending {
  StepFamily family;
  const TExprVirtMachOp *op = nullptr;
  std::size_t programIndex = 0; // in CodeList
  Value inputs[3];
  // An arithmetic op with one column operand: its form, with inputs[0] the
  // column and inputs[1] the other operand.
  std::optional<ChainForm> form = std::nullopt;
  bool absorbed = false; // run within the next step
  std::optional<ChainForm> firstForm =
      std::nullopt; // the form of the step this one absorbed

  // The operands whose values the step tests or reads as columns: of a
  // chain op only its column.
  int columnArity() const { return form ? 1 : family.arity; }
  // Whether the test of the step's value covers operand k.
  bool covers(int k) const {
    if (form) // its column propagates unless it is a divisor
      return form->operation != ChainOperation::Divide || !form->sameFirst;
    return family.propagates[k];
  }
};

// A step by what it computes: the op's class and its inputs, a constant by
// its bits.
struct Repeat {
  const std::type_info *type;
  std::array<std::pair<int, std::uint64_t>, 3> inputs;
  bool operator<(const Repeat &other) const {
    if (*type != *other.type)
      return type->before(*other.type);
    return inputs < other.inputs;
  }
};

// Makes the plan in passes over the program, in this order: slots to
// operands, ops to pending steps (repeats found, chains formed), the tests
// of finiteness, fused pairs, scratch columns, the steps themselves.
class Planner {
public:
  Planner(const TExprVirtMach &machine, std::span<Float *const> columnVariables,
          CallKernelChoice calls)
      : machine_(machine), columnVariables_(columnVariables), calls_(calls) {}

  BlockPlan run() {
    bindSlots();
    for (std::size_t i = 0; i < machine_.CodeList.size(); ++i)
      translate(i);
    markTests();
    fusePairs();
    assignScratch();
    emitSteps();
    return std::move(plan_);
  }

private:
  Value scalar(const Float *slot) {
    plan_.operands.push_back(slot);
    return {Kind::Scalar, plan_.operands.size() - 1};
  }
  void bindSlots();
  void translate(std::size_t i);
  bool translateVariable(TExprVirtMachOp *op);
  bool repeatsEarlier(const Pending &step);
  void formChain(Pending &step);
  void markTests();
  void markResult();
  void fusePairs();
  void assignScratch();
  void emitSteps();
  BlockKernel kernelOf(const Pending &source, BlockStep &step, bool checked) const;
  std::uint32_t operandOf(const Value &value) const;
  bool writesResult(std::size_t j) const {
    return plan_.resultKind == BlockPlan::ResultKind::Step && j + 1 == pending_.size();
  }
  // The inputs of a step that can be steps: of a pair only its column.
  int stepReads(const Pending &step) const {
    return step.firstForm ? 1 : step.columnArity();
  }

  const TExprVirtMach &machine_;
  std::span<Float *const> columnVariables_;
  CallKernelChoice calls_;
  BlockPlan plan_;
  std::map<const void *, Value> values_;   // what each slot holds
  std::map<std::size_t, Float> constants_; // by operand
  std::vector<Pending> pending_;
  std::map<Repeat, Value> computed_;
  std::optional<Value> result_;
  std::vector<bool> stepChecked_;     // per pending step: its values tested
  std::vector<int> readers_;          // per pending step: the steps that read it
  std::vector<std::size_t> columnOf_; // per pending step: its scratch column
};

// Constants and column variables become operands; every other slot gets
// its operand as its op is translated.
void Planner::bindSlots() {
  for (std::size_t k = 0; k < columnVariables_.size(); ++k)
    for (std::size_t j = 0; j < k; ++j)
      QV_ASSERT(columnVariables_[j] != columnVariables_[k],
                "Column variables are distinct");
  for (const TExprConstVmOp *op : machine_.ConstList) {
    values_[op->ValueRef()] = scalar(op->ValueRef());
    constants_[plan_.operands.size() - 1] = op->Value;
  }
  for (Float *variable : columnVariables_) {
    plan_.operands.push_back(variable);
    plan_.columnOperands.push_back(static_cast<std::uint32_t>(plan_.operands.size() - 1));
  }
  // Operands point into it: it must not grow past this.
  plan_.reciprocals.reserve(machine_.CodeList.size());
  plan_.program.reserve(machine_.CodeList.size());
}

// A variable is read from its column when it has one, else once per call.
bool Planner::translateVariable(TExprVirtMachOp *op) {
  const auto *variable = dynamic_cast<const TExprVarVmOp *>(op);
  if (variable == nullptr)
    return false;
  const auto column =
      std::find(columnVariables_.begin(), columnVariables_.end(), variable->Source);
  if (typeid(*op) == typeid(TExprVar64VmOp) && column != columnVariables_.end()) {
    const auto k = static_cast<std::size_t>(column - columnVariables_.begin());
    values_[op->ValueRef()] = {Kind::Column, k};
    plan_.program.push_back({PlannedOp::Role::Column, k});
  } else {
    plan_.program.push_back({PlannedOp::Role::Scalar, plan_.scalarOps.size()});
    plan_.scalarOps.push_back(op);
    values_[op->ValueRef()] = scalar(op->ValueRef());
  }
  return true;
}

// The ops that read a column become pending steps, in program order; the
// others run once per call.
void Planner::translate(std::size_t i) {
  TExprVirtMachOp *op = machine_.CodeList[i];
  if (translateVariable(op))
    return;
  const std::optional<StepFamily> family = stepFamilyOf(*op);
  QV_ASSERT(family.has_value(), "Every op class has its row in the op table");
  const std::vector<const void *> inputs = op->Inputs();
  QV_ASSERT(inputs.size() == static_cast<std::size_t>(family->arity),
            "An op reads as many slots as its row says");
  Pending step{*family, op, i, {}};
  int columnInputs = 0;
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    const auto found = values_.find(inputs[k]);
    QV_ASSERT(found != values_.end(), "An op reads slots written before it");
    step.inputs[k] = found->second;
    columnInputs += found->second.kind != Kind::Scalar ? 1 : 0;
  }
  if (columnInputs == 0) {
    plan_.program.push_back({PlannedOp::Role::Scalar, plan_.scalarOps.size()});
    plan_.scalarOps.push_back(op);
    values_[op->ValueRef()] = scalar(op->ValueRef());
    return;
  }
  if (repeatsEarlier(step))
    return;
  if (family->chain && columnInputs == 1)
    formChain(step);
  plan_.program.push_back({PlannedOp::Role::Step, pending_.size()});
  pending_.push_back(step);
  values_[op->ValueRef()] = {Kind::Step, pending_.size() - 1};
}

// An op that computes what an earlier one computed, the same operation on
// the same values, gives the same bits: its value is the earlier one's.
// Relational operators repeat their comparison this way, and formulas
// their sub-expressions. Calls are left alone: a routine need not be a pure
// function.
bool Planner::repeatsEarlier(const Pending &step) {
  if (!step.family.computes)
    return false;
  Repeat key{&typeid(*step.op), {}};
  for (int k = 0; k < step.family.arity; ++k) {
    const Value &input = step.inputs[k];
    const auto constant = constants_.find(input.index);
    key.inputs[k] = input.kind == Kind::Scalar && constant != constants_.end()
                        ? std::pair{0, std::bit_cast<std::uint64_t>(constant->second)}
                        : std::pair{static_cast<int>(input.kind) + 1,
                                    static_cast<std::uint64_t>(input.index)};
  }
  const auto [earlier, first] =
      computed_.emplace(key, Value{Kind::Step, pending_.size()});
  if (first)
    return false;
  values_[step.op->ValueRef()] = earlier->second;
  plan_.program.push_back({PlannedOp::Role::Repeat, earlier->second.index});
  return true;
}

// An arithmetic op with one column operand takes its chain form, the column
// first; a division by a constant power of two multiplies by its reciprocal.
void Planner::formChain(Pending &step) {
  const bool columnFirst = step.inputs[0].kind != Kind::Scalar;
  step.form = ChainForm{*step.family.chain, !columnFirst};
  if (!columnFirst)
    std::swap(step.inputs[0], step.inputs[1]);
  if (step.form != ChainForm{ChainOperation::Divide, false})
    return;
  const auto constant = constants_.find(step.inputs[1].index);
  if (constant == constants_.end())
    return;
  if (const std::optional<Float> reciprocal = exactReciprocal(constant->second)) {
    plan_.reciprocals.push_back(*reciprocal);
    step.inputs[1] = scalar(&plan_.reciprocals.back());
    step.form = ChainForm{ChainOperation::Multiply, false};
  }
}

// Which values are tested for being finite: an operand whose being not
// finite the step's own value may not show, and a value nothing reads (the
// result, or taken nowhere).
void Planner::markTests() {
  stepChecked_.assign(pending_.size(), false);
  readers_.assign(pending_.size(), 0);
  std::vector<bool> columnChecked(columnVariables_.size(), false);
  for (const Pending &step : pending_)
    for (int k = 0; k < step.columnArity(); ++k) {
      const Value &input = step.inputs[k];
      if (input.kind == Kind::Step) {
        ++readers_[input.index];
        if (!step.covers(k))
          stepChecked_[input.index] = true;
      } else if (input.kind == Kind::Column && !step.covers(k)) {
        columnChecked[input.index] = true;
      }
    }
  for (std::size_t j = 0; j < pending_.size(); ++j)
    if (readers_[j] == 0)
      stepChecked_[j] = true;
  markResult();
  if (result_ && result_->kind == Kind::Column)
    columnChecked[result_->index] = true;
  for (std::size_t k = 0; k < columnChecked.size(); ++k)
    if (columnChecked[k])
      plan_.checkedColumns.push_back(k);
}

// The result is the last op's value, or a program's only constant's.
void Planner::markResult() {
  if (!machine_.CodeList.empty())
    result_ = values_.at(machine_.CodeList.back()->ValueRef());
  else if (!machine_.ConstList.empty())
    result_ = values_.at(machine_.ConstList.front()->ValueRef());
  if (!result_)
    return;
  switch (result_->kind) {
  case Kind::Step:
    plan_.resultKind = BlockPlan::ResultKind::Step;
    break;
  case Kind::Column:
    plan_.resultKind = BlockPlan::ResultKind::Column;
    plan_.resultOperand = plan_.columnOperands[result_->index];
    break;
  case Kind::Scalar:
    plan_.resultKind = BlockPlan::ResultKind::Scalar;
    plan_.resultOperand = static_cast<std::uint32_t>(result_->index);
    break;
  }
}

// Two chain ops in a row, the second the only reader of the first's value,
// which needs no test of its own, run as one step.
void Planner::fusePairs() {
  for (std::size_t j = 1; j < pending_.size(); ++j) {
    Pending &first = pending_[j - 1];
    Pending &second = pending_[j];
    if (first.form && second.form && !first.absorbed && !first.firstForm &&
        second.inputs[0] == Value{Kind::Step, j - 1} && readers_[j - 1] == 1 &&
        !stepChecked_[j - 1]) {
      first.absorbed = true;
      second.firstForm = first.form;
      second.inputs[2] = second.inputs[1];
      second.inputs[1] = first.inputs[1];
      second.inputs[0] = first.inputs[0];
    }
  }
}

// Scratch columns by liveness: a step's column is free again after the step
// that reads it last, so a long formula needs only as many columns as
// values live at once. An output never shares a column with an input of
// its own step, so that the loops may assume no overlap.
void Planner::assignScratch() {
  std::vector<std::size_t> lastRead(pending_.size());
  for (std::size_t j = 0; j < pending_.size(); ++j) {
    lastRead[j] = j;
    if (!pending_[j].absorbed)
      for (int k = 0; k < stepReads(pending_[j]); ++k)
        if (pending_[j].inputs[k].kind == Kind::Step)
          lastRead[pending_[j].inputs[k].index] = j;
  }
  columnOf_.assign(pending_.size(), 0);
  std::vector<std::size_t> freeColumns;
  std::size_t columnCount = 0;
  for (std::size_t j = 0; j < pending_.size(); ++j) {
    const Pending &step = pending_[j];
    if (step.absorbed)
      continue;
    if (!writesResult(j)) {
      if (freeColumns.empty()) {
        columnOf_[j] = columnCount++;
      } else {
        columnOf_[j] = freeColumns.back();
        freeColumns.pop_back();
      }
    }
    for (int k = 0; k < stepReads(step); ++k) {
      const Value &input = step.inputs[k];
      if (input.kind != Kind::Step || lastRead[input.index] != j)
        continue;
      // Freed once, though an earlier operand of the step may read it too.
      if (std::find(step.inputs, step.inputs + k, input) == step.inputs + k)
        freeColumns.push_back(columnOf_[input.index]);
    }
    if (readers_[j] == 0 && !writesResult(j))
      freeColumns.push_back(columnOf_[j]);
  }
  for (std::size_t c = 0; c < columnCount; ++c) {
    plan_.operands.push_back(nullptr); // bound to the scratch by bindScratch
    plan_.scratchOperands.push_back(
        static_cast<std::uint32_t>(plan_.operands.size() - 1));
  }
}

std::uint32_t Planner::operandOf(const Value &value) const {
  switch (value.kind) {
  case Kind::Scalar:
    return static_cast<std::uint32_t>(value.index);
  case Kind::Column:
    return plan_.columnOperands[value.index];
  case Kind::Step:
    break;
  }
  return plan_.scratchOperands[columnOf_[value.index]];
}

// A pair's kernel, a chain op's with the column and the other operand back
// in the op's order, or the op's own; a call's as calls_ chooses it.
BlockKernel Planner::kernelOf(const Pending &source, BlockStep &step,
                              bool checked) const {
  if (source.firstForm)
    return chainPairKernel(*source.firstForm, *source.form, checked);
  if (source.form) {
    if (source.form->sameFirst)
      std::swap(step.inputs[0], step.inputs[1]);
    step.columns = source.form->sameFirst ? 2 : 1;
    return chainKernel(source.form->operation, step.columns, checked);
  }
  if (!source.family.computes)
    return calls_(step, checked);
  return source.family.select(step.columns, checked);
}

// One step per pending step that is not absorbed, reading operands.
void Planner::emitSteps() {
  std::vector<std::size_t> stepOf(pending_.size());
  for (std::size_t j = 0; j < pending_.size(); ++j) {
    const Pending &source = pending_[j];
    stepOf[j] = plan_.steps.size(); // an absorbed one's: the next step
    if (source.absorbed)
      continue;
    BlockStep step;
    step.op = source.op;
    // A pair reads its column and two operands, a chain op its column and
    // one, any other op its operands.
    const int operandCount = source.firstForm ? 3 : source.form ? 2 : source.family.arity;
    for (int k = 0; k < operandCount; ++k) {
      step.inputs[k] = operandOf(source.inputs[k]);
      if (source.inputs[k].kind != Kind::Scalar)
        step.columns |= 1u << k;
    }
    step.kernel = kernelOf(source, step, stepChecked_[j]);
    plan_.steps.push_back(step);
    plan_.stepColumns.push_back(writesResult(j) ? BlockPlan::resultColumn : columnOf_[j]);
  }
  for (PlannedOp &planned : plan_.program)
    if (planned.role == PlannedOp::Role::Step ||
        planned.role == PlannedOp::Role::Repeat) {
      const bool absorbed = pending_[planned.index].absorbed;
      if (absorbed && planned.role == PlannedOp::Role::Step)
        planned.role = PlannedOp::Role::Fused;
      planned.index = stepOf[planned.index];
    }
}

} // namespace

void BlockPlan::bindScratch(Float *scratch, std::size_t rows) {
  for (std::size_t c = 0; c < scratchOperands.size(); ++c)
    operands[scratchOperands[c]] = scratch + c * rows;
  for (std::size_t j = 0; j < steps.size(); ++j)
    steps[j].out =
        stepColumns[j] == resultColumn ? nullptr : scratch + stepColumns[j] * rows;
}

BlockPlan planBlock(const TExprVirtMach &machine, std::span<Float *const> columnVariables,
                    CallKernelChoice calls) {
  return Planner(machine, columnVariables, calls).run();
}

} // namespace quorvex
