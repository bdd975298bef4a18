// The block evaluator against Evaluate, row by row, over random formulas of
// the whole language (formulagenerator.h) and random rows that include
// zeros, huge and tiny values, infinities and NaNs: every row must get
// Evaluate's bits, or its error with the same class, message and span. In
// the normal build and in the sanitizer build, whose math library is the
// portable one.

#include "engine/blockevaluator.h"
#include "engine/blockplan.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include "blockoutcome.h"
#include "formulagenerator.h"
#include "threevariables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace quorvex;

using Calculator = fuzz::ThreeVariables;

TEST(BlockEvaluation, EveryRowAsEvaluateGivesIt) {
  std::mt19937 random(20261209);
  auto pick = [&](unsigned n) {
    return std::uniform_int_distribution<unsigned>(0, n - 1)(random);
  };
  fuzz::FormulaGenerator generator(pick);
  int failingRows = 0, rowsCompared = 0;
  for (int round = 0; round < 300; ++round) {
    const std::string formula =
        generator.formula(1 + static_cast<int>(pick(5)), round % 2);
    SCOPED_TRACE(formula);
    Calculator block(formula), single(formula);
    // Any of the variables read from columns, the others fixed.
    const unsigned columnMask = pick(8);
    std::vector<Float *> columnVariables;
    std::vector<std::vector<Float>> columns;
    // Many rows, or a few: partial blocks and several blocks.
    const std::size_t rows = pick(3) == 0 ? 1 + pick(20) : 1 + pick(1500);
    for (int k = 0; k < 3; ++k) {
      if (columnMask & (1u << k)) {
        columnVariables.push_back(&block.values[k]);
        columns.emplace_back(rows);
        for (Float &v : columns.back())
          v = generator.value();
      } else {
        block.values[k] = single.values[k] = pick(4) == 0 ? generator.value() : 0.75;
      }
    }
    std::vector<const Float *> columnData;
    columnData.reserve(columns.size());
    for (const auto &column : columns)
      columnData.push_back(column.data());

    BlockEvaluator evaluator(block.evaluator, columnVariables);
    std::vector<Float> results(rows, -1);
    fuzz::RecordingSink sink;
    evaluator.evaluate(columnData, rows, results.data(), sink);
    EXPECT_TRUE(sink.inOrder);

    for (std::size_t row = 0; row < rows; ++row) {
      std::size_t column = 0;
      for (int k = 0; k < 3; ++k)
        if (columnMask & (1u << k))
          single.values[k] = columns[column++][row];
      const fuzz::RowOutcome expected = fuzz::evaluateOutcome(single.evaluator);
      const fuzz::RowOutcome actual = sink.outcome(results, row);
      failingRows += expected.failed;
      ASSERT_EQ(actual, expected)
          << "row " << row << ": " << actual.value << " / " << actual.message
          << ", expected " << expected.value << " / " << expected.message;
      ++rowsCompared;
    }
    for (std::size_t k = 0; k < columnVariables.size(); ++k)
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*columnVariables[k]),
                std::bit_cast<std::uint64_t>(columns[k][rows - 1]))
          << "a column variable holds its value of the last row";
  }
  // The rows must have exercised both outcomes in earnest.
  EXPECT_GT(failingRows, rowsCompared / 20);
  EXPECT_LT(failingRows, rowsCompared * 9 / 10);
}

// The most step values live at once: each from the step that writes it to
// the last that reads it, the one a step writes counted with its inputs.
static std::size_t mostLive(const BlockPlan &plan) {
  const std::size_t n = plan.steps.size();
  const auto writesColumn = [&](std::size_t j) {
    return plan.stepColumns[j] != BlockPlan::resultColumn;
  };
  std::map<std::uint32_t, std::size_t> holder; // scratch operand: the step it holds
  std::vector<std::size_t> lastRead(n);
  for (std::size_t j = 0; j < n; ++j) {
    lastRead[j] = j;
    for (int k = 0; k < 3; ++k)
      if ((plan.steps[j].columns >> k & 1u) != 0)
        if (const auto held = holder.find(plan.steps[j].inputs[k]); held != holder.end())
          lastRead[held->second] = j;
    if (writesColumn(j))
      holder[plan.scratchOperands[plan.stepColumns[j]]] = j;
  }
  std::size_t most = 0;
  for (std::size_t j = 0; j < n; ++j) {
    std::size_t live = writesColumn(j) ? 1 : 0;
    for (std::size_t v = 0; v < j; ++v)
      live += writesColumn(v) && lastRead[v] >= j ? 1 : 0;
    most = std::max(most, live);
  }
  return most;
}

// Whatever steps the plan makes: each op of the program is run once, by the
// one step it names, fused into one, or before the blocks (or not at all,
// a column read or a repeat), and the steps share no more scratch columns
// than values are live at once.
TEST(BlockEvaluation, PlanRunsEveryOpOnceInTheFewestColumns) {
  std::mt19937 random(20261210);
  auto pick = [&](unsigned n) {
    return std::uniform_int_distribution<unsigned>(0, n - 1)(random);
  };
  fuzz::FormulaGenerator generator(pick);
  for (int round = 0; round < 300; ++round) {
    const std::string formula =
        generator.formula(1 + static_cast<int>(pick(6)), round % 2);
    SCOPED_TRACE(formula);
    Calculator block(formula);
    Float *columnVariables[] = {&block.values[0], &block.values[2]};
    const BlockPlan plan = planBlock(block.evaluator.Machine, columnVariables);
    const auto &program = block.evaluator.Machine.CodeList;
    ASSERT_EQ(plan.program.size(), program.size());
    std::vector<int> named(plan.steps.size()), fused(plan.steps.size());
    std::size_t scalars = 0;
    for (std::size_t i = 0; i < program.size(); ++i) {
      const PlannedOp &planned = plan.program[i];
      if (planned.role == PlannedOp::Role::Scalar) {
        ASSERT_LT(planned.index, plan.scalarOps.size());
        EXPECT_EQ(plan.scalarOps[planned.index], program[i]);
        ++scalars;
      } else if (planned.role == PlannedOp::Role::Column) {
        EXPECT_LT(planned.index, std::size(columnVariables));
      } else {
        ASSERT_LT(planned.index, plan.steps.size());
        if (planned.role == PlannedOp::Role::Step) {
          EXPECT_EQ(plan.steps[planned.index].op, program[i]);
          ++named[planned.index];
        }
        fused[planned.index] += planned.role == PlannedOp::Role::Fused ? 1 : 0;
      }
    }
    EXPECT_EQ(scalars, plan.scalarOps.size());
    for (std::size_t k = 0; k < plan.steps.size(); ++k) {
      EXPECT_EQ(named[k], 1) << "step " << k;
      EXPECT_LE(fused[k], 1) << "step " << k;
    }
    EXPECT_LE(plan.scratchColumns(), mostLive(plan));
  }
}
