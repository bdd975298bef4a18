#include "blockevaluator.h"

#include "errors.h"
#include "virtmach.h"

#include <algorithm>
#include <bit>

namespace quorvex {

namespace {

bool isFinite(Float v) noexcept {
  return !notFinite(v);
}

// Scratch per block: small enough to stay in the first-level cache with
// the columns read, large enough that a block pays its dispatch over many
// rows.
constexpr std::size_t scratchBytes = std::size_t{32} * 1024;
constexpr std::size_t fewestRows = 64;
constexpr std::size_t mostRows = 512;

} // namespace

BlockEvaluator::BlockEvaluator(TCompiledEvaluator &evaluator,
                               std::span<Float *const> columnVariables,
                               CallKernelChoice calls)
    : evaluator_(evaluator),
      columnVariables_(columnVariables.begin(), columnVariables.end()),
      plan_(planBlock(evaluator.Machine, columnVariables, calls)),
      hasProgram_(evaluator.Machine.HasProgram()) {
  const std::size_t columns = std::max<std::size_t>(plan_.scratchColumns(), 1);
  blockRows_ = std::clamp(std::bit_floor(scratchBytes / (columns * sizeof(Float))),
                          fewestRows, mostRows);
  scratch_.assign(plan_.scratchColumns() * blockRows_, 0);
  suspect_.assign(blockRows_, 0);
  plan_.bindScratch(scratch_.data(), blockRows_);
}

BlockEvaluator::~BlockEvaluator() = default;

bool BlockEvaluator::runScalarOps() noexcept {
  try {
    for (TExprVirtMachOp *op : plan_.scalarOps) {
      op->Execute();
      if (!isFinite(op->Value))
        return false;
    }
  } catch (...) {
    return false;
  }
  return plan_.resultKind != BlockPlan::ResultKind::Scalar ||
         isFinite(*plan_.operands[plan_.resultOperand]);
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
    plan_.operands[plan_.columnOperands[k]] = columns[k] + first;
  anySuspect_ = false;
  for (const std::size_t k : plan_.checkedColumns)
    if (anyNonFinite(columns[k] + first, n))
      markNonFinite(columns[k] + first, n);
  const Float *const *operands = plan_.operands.data();
  Float *const out = results + first;
  for (const BlockStep &step : plan_.steps) {
    Float *target = step.out != nullptr ? step.out : out;
    if (step.kernel(step, operands, target, n))
      markNonFinite(target, n);
  }
  if (plan_.resultKind == BlockPlan::ResultKind::Column)
    std::copy_n(plan_.operands[plan_.resultOperand], n, out);
  else if (plan_.resultKind == BlockPlan::ResultKind::Scalar)
    std::fill_n(out, n, *plan_.operands[plan_.resultOperand]);
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
