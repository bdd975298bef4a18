#pragma once

#include "evaluator.h"
#include "floattypes.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <vector>

// One compiled formula over many rows at once. The program runs op by op
// over a block of rows, each op one loop over arrays, so that dispatch and
// fault tests are paid once per block instead of once per value. A row in
// which anything went wrong (a value that is not finite, a routine that
// raised an error) is run again by the machine's own ops, one by one, which
// gives its first fault with the message and span Evaluate gives; every
// other row gets the bits Evaluate would give.

namespace quorvex {

// Told about each row of a block run that fails, with the error Evaluate
// raised for it.
class BlockFaultSink {
public:
  virtual void rowFailed(std::size_t row, const std::exception &error) noexcept = 0;

protected:
  ~BlockFaultSink() = default;
};

class BlockEvaluator {
public:
  // evaluator has its formula compiled and is neither compiled again nor
  // destroyed while this lives. columnVariables: distinct addresses bound
  // with AddVariable, whose values evaluate() takes from columns; every
  // other variable is read from its storage once per call.
  BlockEvaluator(TCompiledEvaluator &evaluator, std::span<Float *const> columnVariables);
  ~BlockEvaluator();
  BlockEvaluator(const BlockEvaluator &) = delete;
  BlockEvaluator &operator=(const BlockEvaluator &) = delete;

  // The rows one pass over the program takes, chosen from the program's
  // length so that its scratch columns stay within a fixed size.
  std::size_t blockRows() const noexcept { return blockRows_; }

  // Evaluates rows 0 .. rows - 1, row r with columns[k][r] as the value of
  // columnVariables[k]. results[r] is the value Evaluate gives for the row;
  // for a row on which Evaluate raises an error, results[r] is 0 and
  // faults.rowFailed(r, error) is called, in ascending row order. results
  // must not overlap any column. Afterwards each column variable holds its
  // value of the last row. Allocates nothing.
  void evaluate(std::span<const Float *const> columns, std::size_t rows, Float *results,
                BlockFaultSink &faults);

  // One op of the program as it runs over a block.
  struct Step;

private:
  // Runs the ops that read no column; false when one of them failed or gave
  // a value that is not finite, which every row then shares.
  bool runScalarOps() noexcept;
  void runBlock(std::span<const Float *const> columns, std::size_t first, std::size_t n,
                Float *results) noexcept;
  void markNonFinite(const Float *values, std::size_t n) noexcept;
  void runAgain(std::span<const Float *const> columns, std::size_t row, Float *results,
                BlockFaultSink &faults);

  TCompiledEvaluator &evaluator_;
  std::vector<Float *> columnVariables_;
  std::vector<TExprVirtMachOp *> scalarOps_;
  std::vector<Step> steps_;
  // What the steps read, by index: the slots of constants and scalar ops,
  // the scratch columns, and the column of each column variable at the
  // block's first row.
  std::vector<const Float *> operands_;
  std::vector<std::uint32_t> columnOperands_; // operands_ index of each column
  std::vector<std::size_t> checkedColumns_;   // columns tested as they are read
  std::vector<Float> reciprocals_;            // of constant divisors
  // Where the result comes from: the last step, which writes it; a column;
  // or one value for every row (operands_[resultOperand_] for the last two).
  enum class ResultKind { Step, Column, Scalar };
  ResultKind resultKind_ = ResultKind::Scalar;
  std::uint32_t resultOperand_ = 0;
  bool hasProgram_ = false;
  std::size_t blockRows_ = 0;
  std::vector<Float> scratch_;
  std::vector<unsigned char> suspect_; // per row of a block: run it again
  bool anySuspect_ = false;
};

} // namespace quorvex
