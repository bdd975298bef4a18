#pragma once

#include "blockkernels.h"
#include "floattypes.h"
#include "virtmach.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The plan of a block run: the machine's program translated once into the
// steps that run it over columns. The ops that read no column run once per
// call, before the blocks; every other op becomes a step, unless it repeats
// an earlier one's computation or is fused into the next step, and the
// steps' values share scratch columns by liveness.

namespace quorvex {

// What the plan made of one op of the machine's program.
struct PlannedOp {
  enum class Role {
    Scalar, // run once per call: scalarOps[index]
    Column, // a variable read from the column of column variable index
    Step,   // computed by steps[index]
    Fused,  // computed within steps[index], together with the op it feeds
    Repeat, // not run: its value is that of an op that steps[index] computes
  };
  Role role = Role::Scalar;
  std::size_t index = 0;
};

struct BlockPlan {
  BlockPlan() = default;
  // Operands point into the plan's own reciprocals: moved, never copied.
  BlockPlan(BlockPlan &&) = default;
  BlockPlan &operator=(BlockPlan &&) = default;
  BlockPlan(const BlockPlan &) = delete;
  BlockPlan &operator=(const BlockPlan &) = delete;

  // Points the scratch operands and the steps that write a scratch column
  // at scratch, which holds scratchColumns() columns of rows values each.
  void bindScratch(Float *scratch, std::size_t rows);
  std::size_t scratchColumns() const noexcept { return scratchOperands.size(); }

  // What the steps read, by index: the slots of constants and scalar ops,
  // the reciprocals, the column of each column variable (pointed at the
  // block's first row as it runs) and the scratch columns.
  std::vector<const Float *> operands;
  std::vector<std::uint32_t> columnOperands;  // of each column variable
  std::vector<std::uint32_t> scratchOperands; // of each scratch column
  std::vector<TExprVirtMachOp *> scalarOps;   // in program order
  std::vector<BlockStep> steps;
  // The scratch column each step writes, or resultColumn: the results.
  std::vector<std::size_t> stepColumns;
  static constexpr std::size_t resultColumn = static_cast<std::size_t>(-1);
  std::vector<std::size_t> checkedColumns; // column variables tested as they are read
  std::vector<Float> reciprocals;          // of constant divisors
  // Where the result comes from: the last step, which writes it; a column;
  // or one value for every row (operands[resultOperand] for the last two).
  enum class ResultKind { Step, Column, Scalar };
  ResultKind resultKind = ResultKind::Scalar;
  std::uint32_t resultOperand = 0;
  std::vector<PlannedOp> program; // one per op of the machine's CodeList
};

// The plan for machine's program with the variables at the addresses of
// columnVariables (distinct, bound by the evaluator) read from columns;
// calls chooses the kernel of each call step.
BlockPlan planBlock(const TExprVirtMach &machine, std::span<Float *const> columnVariables,
                    CallKernelChoice calls = columnFormCallKernel);

} // namespace quorvex
