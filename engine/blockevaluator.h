#pragma once

#include "blockplan.h"
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
// other row gets the bits Evaluate would give. The program is translated
// once by planBlock (blockplan.h) into steps, each a loop of
// blockkernels.h; this is the run loop over the blocks.

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
  // other variable is read from its storage once per call. calls chooses
  // the loop of each function call over a block: by default the routine's
  // column form where it has one.
  BlockEvaluator(TCompiledEvaluator &evaluator, std::span<Float *const> columnVariables,
                 CallKernelChoice calls = columnFormCallKernel);
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
  BlockPlan plan_;
  bool hasProgram_ = false;
  std::size_t blockRows_ = 0;
  std::vector<Float> scratch_;
  std::vector<unsigned char> suspect_; // per row of a block: run it again
  bool anySuspect_ = false;
};

} // namespace quorvex
