#include "session/rowevaluator.h"

#include "separatorguard.h"
#include "session/calculatorsession.h"

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

// What a Compute of the same formula and value cells gives: the value, or
// the message it fails with.
RowOutcome computeOnce(const std::string &assign, const std::string &formula,
                       const std::vector<std::string_view> &cells) {
  TCalculatorSession session;
  session.SetAssignText(assign);
  session.ApplyVariableList();
  for (std::size_t i = 0; i < cells.size(); ++i)
    session.Grid().SetCell(1, static_cast<int>(i + 1), cells[i]);
  session.SetFormulaText(formula);
  RowOutcome outcome;
  try {
    outcome.value = session.Compute();
    outcome.ok = true;
  } catch (const std::exception &e) {
    outcome.error = e.what();
  }
  return outcome;
}

} // namespace

// One compiled evaluator run over many rows agrees, row by row, with a fresh
// Compute of each: the same conversions, values and messages, and a failing
// row leaves nothing behind for the row after it.
TEST(RowEvaluator, EveryRowAgreesWithAFreshCompute) {
  const struct {
    char separator;
    const char *assign; // the names, as typed in the Assign box
    std::vector<std::string> names;
    const char *formula;
    std::vector<std::vector<std::string_view>> rows;
  } tables[] = {
      {'.',
       "x;y",
       {"x", "y"},
       "x/y",
       {{"1", "4"},
        {"3", "0"},
        {" -2.5e1 ", "+5"},
        {"1,5", "2"},
        {"1E400", "1"},
        {"1E-400", "1"},
        {"2e", "."},
        {"0", "0"},
        {"6", "3"}}},
      {',', "x;y", {"x", "y"}, "x*y+1,5", {{"1,5", "2"}, {"1.5", "2"}, {"2,", "-0,25"}}},
      {'.', "T", {"T"}, "ln(T)+sqrt(T)", {{"1"}, {"-1"}, {"0"}, {"4"}}},
      {'.', "pi", {"pi"}, "pi*2", {{"1"}, {"x"}}}, // a variable hides the constant
  };
  for (const auto &table : tables) {
    SCOPED_TRACE(table.formula);
    SeparatorGuard separator(table.separator);
    RowEvaluator evaluator;
    for (const std::string &name : table.names)
      evaluator.addVariable(name);
    evaluator.compile(table.formula);
    RowOutcome outcome;
    std::vector<RowOutcome> expectedRows;
    for (const auto &row : table.rows) {
      SCOPED_TRACE(std::string(row.front()));
      evaluator.evaluateRow(row, outcome);
      const RowOutcome expected = computeOnce(table.assign, table.formula, row);
      EXPECT_EQ(outcome.ok, expected.ok);
      EXPECT_EQ(outcome.error, expected.error);
      if (expected.ok) {
        EXPECT_EQ(outcome.value, expected.value);
      }
      expectedRows.push_back(expected);
    }
    // Every formula here reads all its variables; the whole table as one
    // block gives the same outcomes, row for row.
    std::vector<std::size_t> slots(table.names.size());
    for (std::size_t i = 0; i < slots.size(); ++i)
      slots[i] = i;
    EXPECT_EQ(evaluator.slotsRead(), slots);
    std::vector<std::string_view> texts;
    for (const auto &row : table.rows)
      texts.insert(texts.end(), row.begin(), row.end());
    std::vector<RowOutcome> outcomes(table.rows.size());
    evaluator.evaluateRows(texts, slots, outcomes);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
      EXPECT_EQ(outcomes[i].ok, expectedRows[i].ok) << i;
      EXPECT_EQ(outcomes[i].error, expectedRows[i].error) << i;
      if (expectedRows[i].ok) {
        EXPECT_EQ(outcomes[i].value, expectedRows[i].value) << i;
      }
    }
  }
  // A slot the program does not read is not among them.
  RowEvaluator evaluator;
  for (const char *name : {"x", "y", "z"})
    evaluator.addVariable(name);
  evaluator.compile("z-x*2");
  EXPECT_EQ(evaluator.slotsRead(), (std::vector<std::size_t>{0, 2}));
}

TEST(RowEvaluator, BindingAndCompilingFailAsComputeDoes) {
  RowEvaluator evaluator;
  evaluator.addVariable("x");
  try {
    evaluator.addVariable("X");
    FAIL() << "a name bound twice";
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Duplicate hash list entry: X");
  }
  EXPECT_EQ(evaluator.slotCount(), 1u);
  // A missing value is an error, not the grid's "2": the grid fills an empty
  // cell before Compute reads it, a data row has nobody to fill it.
  RowOutcome outcome;
  evaluator.compile("x");
  const std::string_view empty[] = {""};
  evaluator.evaluateRow(empty, outcome);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.error, "'' is not a valid floating point value");
  try {
    evaluator.compile("x+z");
    FAIL() << "an unknown name";
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Parse error: Unknown symbol: 'z'");
  }
}
