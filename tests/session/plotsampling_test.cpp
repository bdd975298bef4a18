#include "session/plotsampling.h"

#include "separatorguard.h"
#include "session/calculatorsession.h"

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

struct Stretch {
  std::size_t first, last;
  std::string error; // empty: defined

  bool operator==(const Stretch &) const = default;
};

std::vector<Stretch> runsOf(const PlotSamples &samples) {
  std::vector<Stretch> runs;
  for (const PlotRun &run : plotRuns(samples))
    runs.push_back({run.first, run.last,
                    run.error < 0 ? std::string() : samples.errors[run.error]});
  return runs;
}

PlotSamples sample(const std::string &formula, Float from, Float to, int count) {
  FormulaOnScreen screen{formula, {"x"}, {"2"}};
  const auto evaluator = plotEvaluator(screen, 0);
  return samplePlot(*evaluator, 0, from, to, count);
}

// The message a Compute of the session fails with, "" when it succeeds.
std::string computeError(TCalculatorSession session) {
  try {
    session.Compute();
    return {};
  } catch (const std::exception &e) {
    return e.what();
  }
}

} // namespace

TEST(PlotSampling, WhichPointsFailAndWhereTheCurveBreaks) {
  SeparatorGuard point('.');
  const std::string zeroDivide = "Floating point division by zero";
  const std::string invalid = "Invalid floating point operation";
  const struct {
    const char *formula;
    Float from, to;
    int count;
    std::size_t points;
    std::vector<Stretch> runs;
  } cases[] = {
      // An even grid of 500 steps over 0; 0 is evaluated on its own.
      {"1/x", -1, 1, 500, 501, {{0, 249, ""}, {250, 250, zeroDivide}, {251, 500, ""}}},
      // 501 points fall on 0 themselves: nothing is added.
      {"1/x", -1, 1, 501, 501, {{0, 249, ""}, {250, 250, zeroDivide}, {251, 500, ""}}},
      {"sqrt(x)", -4, 4, 500, 501, {{0, 249, invalid}, {250, 500, ""}}},
      // Two errors side by side are two stretches.
      {"ln(x)", -4, 4, 500, 501, {{0, 249, invalid}, {250, 250, zeroDivide}, {251, 500, ""}}},
      // 0 at an end is a point of the grid already.
      {"1/x", 0, 1, 3, 3, {{0, 0, zeroDivide}, {1, 2, ""}}},
      {"x", 1, 2, 2, 2, {{0, 1, ""}}},
      {"1/(x-x)", -1, 1, 4, 5, {{0, 4, zeroDivide}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.formula) + " over " + std::to_string(c.from) + ".." +
                 std::to_string(c.to));
    const PlotSamples samples = sample(c.formula, c.from, c.to, c.count);
    ASSERT_EQ(samples.points.size(), c.points);
    EXPECT_EQ(samples.points.front().x, c.from);
    EXPECT_EQ(samples.points.back().x, c.to);
    for (std::size_t i = 1; i < samples.points.size(); ++i)
      ASSERT_LT(samples.points[i - 1].x, samples.points[i].x) << i;
    EXPECT_EQ(runsOf(samples), c.runs);
  }
  const PlotSamples reciprocal = sample("1/x", -1, 1, 500);
  EXPECT_EQ(reciprocal.points[250].x, 0.0);
  EXPECT_EQ(reciprocal.points[251].y, 1 / reciprocal.points[251].x);
}

TEST(PlotSampling, RangesThatCannotBeSampled) {
  FormulaOnScreen screen{"x", {"x"}, {"2"}};
  const auto evaluator = plotEvaluator(screen, 0);
  EXPECT_THROW(samplePlot(*evaluator, 0, 1, 1, 10), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 2, 1, 10), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 0, 1, 1), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 0, 1, MaxPlotPoints + 1), EPlotRangeError);
}

// The plot fails with the message a Compute of the same screen fails with
// first, whatever the step: conversion, overflow, binding or parsing.
TEST(PlotSampling, EvaluatorFailsAsComputeDoes) {
  SeparatorGuard point('.');
  const struct {
    const char *assign;
    std::vector<const char *> cells; // typed into rows 1, 2, ...
    const char *formula;
  } cases[] = {
      {"x;y", {"3", "bad"}, "x+y"},     {"x;X", {"1", "2"}, "x"},
      {"x", {"1"}, "x+"},               {"x;y", {"1", "1E400"}, "x+y"},
      {"x;y;X", {"1", "z", "4"}, "x+y"}, {"x;y;z", {"1", "", "4"}, "x+y+z"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.formula);
    TCalculatorSession session;
    session.SetAssignText(c.assign);
    session.ApplyVariableList();
    for (std::size_t i = 0; i < c.cells.size(); ++i)
      session.Grid().SetCell(1, static_cast<int>(i + 1), c.cells[i]);
    session.SetFormulaText(c.formula);
    std::string plotError;
    try {
      plotEvaluator(formulaOnScreen(session), 0);
    } catch (const std::exception &e) {
      plotError = e.what();
    }
    EXPECT_EQ(plotError, computeError(session));
  }
}

TEST(PlotSampling, ScreenIsReadWithoutChangingTheSession) {
  SeparatorGuard point('.');
  TCalculatorSession session;
  session.SetAssignText("x;y;z");
  session.ApplyVariableList();
  session.Grid().SetCell(1, 1, "bad"); // the plotted variable's own cell
  session.Grid().SetCell(1, 2, "5");
  session.Grid().SetCell(1, 3, "");
  session.SetAssignText("x;y;z;w"); // typed, not yet applied
  session.SetFormulaText("x*y+z");
  const TCalculatorSession before = session;

  const FormulaOnScreen screen = formulaOnScreen(session);
  EXPECT_EQ(screen.formula, "x*y+z");
  EXPECT_EQ(screen.names, (std::vector<std::string>{"x", "y", "z", "w"}));
  EXPECT_EQ(screen.valueTexts, (std::vector<std::string>{"bad", "5", "2", "2"}));
  const auto evaluator = plotEvaluator(screen, 0);
  EXPECT_EQ(evaluator->slotCount(), 4u);
  RowOutcome outcome;
  evaluator->evaluateAt(0, 3, outcome);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.value, 17);

  EXPECT_EQ(session.Grid().RowCount(), before.Grid().RowCount());
  EXPECT_EQ(session.Grid().Cell(1, 3), "");
  EXPECT_TRUE(session.VariableList().Count() == before.VariableList().Count());
  EXPECT_TRUE(session.Memo1().Empty() && session.Memo2().Empty());
  EXPECT_EQ(session.ComputeCount(), 0);
  EXPECT_EQ(session.ResultText(), "");
}

TEST(PlotSampling, NearestPoint) {
  PlotSamples samples;
  for (const Float x : {-1.0, 0.0, 0.5, 2.0})
    samples.points.push_back({x, 0, -1});
  const struct {
    Float x;
    std::size_t index;
  } cases[] = {{-5, 0}, {-0.6, 0}, {-0.4, 1}, {-0.5, 0}, {0.25, 1}, {0.3, 2}, {1.25, 2}, {1.3, 3}, {9, 3}};
  for (const auto &c : cases)
    EXPECT_EQ(nearestPoint(samples, c.x), c.index) << c.x;
}
