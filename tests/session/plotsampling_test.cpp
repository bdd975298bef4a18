#include "session/plotsampling.h"

#include "separatorguard.h"
#include "session/calculatorsession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
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
                    run.error < 0 ? std::string() : samples.errors[run.error].message});
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
      {"ln(x)",
       -4,
       4,
       500,
       501,
       {{0, 249, invalid}, {250, 250, zeroDivide}, {251, 500, ""}}},
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

// A plot of many points, computed a block at a time and, on a machine with
// several processors, in parts on several threads, gives every point and
// error that evaluating the points one by one in order gives: the errors
// of the later parts numbered by first occurrence too.
TEST(PlotSampling, ManyPointsAsOneByOne) {
  SeparatorGuard point('.');
  FormulaOnScreen screen{"ln(x+8) + 1/sqrt(5-x) + 1/(x-x*x/2)", {"x", "y"}, {"2", "3"}};
  const auto evaluator = plotEvaluator(screen, 0);
  const PlotSamples samples = samplePlot(*evaluator, 0, -10, 10, 60001);
  const auto single = plotEvaluator(screen, 0);
  std::vector<PlotError> errors;
  RowOutcome outcome;
  ASSERT_EQ(samples.points.size(), 60001u);
  for (std::size_t i = 0; i < samples.points.size(); ++i) {
    const PlotPoint &p = samples.points[i];
    single->evaluateAt(0, p.x, outcome);
    if (outcome.ok) {
      ASSERT_EQ(p.error, -1) << i;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(p.y),
                std::bit_cast<std::uint64_t>(outcome.value))
          << i;
      continue;
    }
    const PlotError error{outcome.error, outcome.errorParts, outcome.errorSpan};
    auto found = std::find(errors.begin(), errors.end(), error);
    if (found == errors.end())
      found = errors.insert(found, error);
    ASSERT_EQ(p.error, found - errors.begin()) << i;
  }
  EXPECT_EQ(samples.errors, errors);
  EXPECT_GE(errors.size(), 3u); // of ln, of sqrt, of a division at least

  // Any number of values in one call, not only a block's worth.
  std::vector<Float> xs;
  for (const PlotPoint &p : samples.points)
    xs.push_back(p.x);
  std::vector<RowOutcome> outcomes(xs.size());
  single->evaluateAt(0, xs, outcomes);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    ASSERT_EQ(outcomes[i].ok, samples.points[i].error < 0) << i;
    if (outcomes[i].ok) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(outcomes[i].value),
                std::bit_cast<std::uint64_t>(samples.points[i].y))
          << i;
    }
  }
}

// The curve is drawn through every pair of neighbours but those a pole or a
// jump lies between: tan has six poles in -10..10, so seven branches.
TEST(PlotSampling, TheCurveBreaksAtPolesAndJumpsOnly) {
  SeparatorGuard point('.');
  const struct {
    const char *formula;
    Float from, to;
    int count;
    std::size_t runs;
  } cases[] = {
      {"tan(x)", -10, 10, 500, 7},
      {"tan(x)", -10, 10, 10007, 7},
      {"1/(x-0.3)", -1, 1, 500, 2},
      {"0-1/power(x-0.3;3)", -1, 1, 500, 2},
      {"(x > 0.25)*3 + x", -1, 1, 500, 2},
      {"(x > 1.5)*100 + x", 0, 5, 6, 2}, // the earliest step that can jump
      {"(x > 1.5)*9 + x", 0, 5, 6, 1},   // ten times the steps beside it
      // Steep, fast-growing or oscillating, but without a break.
      {"x", -1, 1, 500, 1},
      {"exp(x)", -10, 10, 11, 1},
      {"power(x;9)", -10, 10, 500, 1},
      {"arctan(1000*x)", -1, 1, 500, 1},
      {"sin(20*x)*x", -10, 10, 500, 1},
      {"1/(1+x*x)", -5, 5, 500, 1},
      {"x*x*x - x", -2, 2, 500, 1},
      {"0.1+0.2+x*1E-17", -1, 1, 500, 1},
      // Steps of one ulp between flat stretches: rounding, not a jump.
      {"0.1+0.2+x*1E-16", -1, 1, 500, 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.formula);
    const PlotSamples samples = sample(c.formula, c.from, c.to, c.count);
    const std::vector<PlotRun> runs = plotRuns(samples);
    EXPECT_EQ(runs.size(), c.runs);
    for (const PlotRun &run : runs)
      EXPECT_LT(run.error, 0);
  }
  // Each branch of tan lies between two neighbouring poles.
  const PlotSamples tangent = sample("tan(x)", -10, 10, 500);
  const double pi = std::acos(-1.0);
  for (const PlotRun &run : plotRuns(tangent)) {
    const Float first = tangent.points[run.first].x, last = tangent.points[run.last].x;
    EXPECT_EQ(std::floor(first / pi - 0.5), std::floor(last / pi - 0.5)) << first;
  }
}

// The value range leaves out the few values that would squash the curve
// flat, and none of a curve that has no such values.
TEST(PlotSampling, AutomaticValueRange) {
  SeparatorGuard point('.');
  const struct {
    const char *formula;
    Float from, to;
    Float low, high; // the range shown must hold this one, and
    Float within;    // lie within +/- this
  } cases[] = {
      {"exp(0-x*x)", -100, 100, 0, 0.99, 1.1},
      {"1/(1+x*x)", -1000, 1000, 0, 0.99, 1.1},
      {"sin(x)*exp(0-x*x/100)", -1000, 1000, -0.8, 0.8, 1.1},
      // A pole between two points, a jump, and a narrow peak beside a pole.
      {"1/(x-0.1234)", -10, 10, -2, 2, 50},
      {"(x > 0.25)*3 + x", -1, 1, -1, 4, 4.5},
      {"1/(x-0.5) + 1000*exp(0-x*x*1000)", -1, 1, -10, 999, 1100},
      {"x", -1, 1, -1, 1, 1.1},
      {"exp(x)", -10, 10, 0, 22026, 23200},
      {"power(x;4)", -10, 10, 0, 10000, 10600},
      {"tan(x)", -10, 10, -5, 5, 50},
      {"1/x", -1, 1, -10, 10, 50},
      {"1/(x-0.3)", -1, 1, -10, 10, 100},
      {"x*1E300", -1, 1, -1e300, 1e300, 1.1e300},
      {"x*1E308", -1.5, 1.5, -1.5e308, 1.5e308, std::numeric_limits<Float>::max()},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.formula);
    const ValueRange range = autoValueRange(sample(c.formula, c.from, c.to, 500));
    EXPECT_LE(range.low, c.low);
    EXPECT_GE(range.high, c.high);
    EXPECT_GE(range.low, -c.within);
    EXPECT_LE(range.high, c.within);
  }
  EXPECT_EQ(autoValueRange(sample("1/(x-x)", -1, 1, 10)).low, -1);
  const ValueRange constant = autoValueRange(sample("0*x+1E308", -1, 1, 10));
  EXPECT_TRUE(constant.low < 1e308 && constant.high > 1e308);
  const ValueRange flat = autoValueRange(sample("0*x+50", -1, 1, 10));
  EXPECT_EQ(flat.low, 45);
  EXPECT_EQ(flat.high, 55);

  // Ends the user fixed, the others chosen to fit.
  const PlotSamples line = sample("x", 0, 10, 11);
  const struct {
    std::optional<Float> low, high;
    Float shownLow, shownHigh;
  } fixed[] = {{0, 5, 0, 5},
               {-3, std::nullopt, -3, 10.5},
               {std::nullopt, 2, -0.5, 2},
               {20, std::nullopt, 20, 31},
               {std::nullopt, -4, -15, -4}};
  for (const auto &f : fixed) {
    const ValueRange range = plotValueRange(line, f.low, f.high);
    EXPECT_EQ(range.low, f.shownLow);
    EXPECT_EQ(range.high, f.shownHigh);
  }
  EXPECT_THROW(plotValueRange(line, 5, 5), EPlotRangeError);
  EXPECT_THROW(plotValueRange(line, 5, 1), EPlotRangeError);
}

TEST(PlotSampling, RangesThatCannotBeSampled) {
  FormulaOnScreen screen{"x", {"x"}, {"2"}};
  const auto evaluator = plotEvaluator(screen, 0);
  EXPECT_THROW(samplePlot(*evaluator, 0, 1, 1, 10), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 2, 1, 10), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 0, 1, 1), EPlotRangeError);
  EXPECT_THROW(samplePlot(*evaluator, 0, 0, 1, maxPlotPoints + 1), EPlotRangeError);
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
      {"x;y", {"3", "bad"}, "x+y"},
      {"x;X", {"1", "2"}, "x"},
      {"x", {"1"}, "x+"},
      {"x;y", {"1", "1E400"}, "x+y"},
      {"x;y;X", {"1", "z", "4"}, "x+y"},
      {"x;y;z", {"1", "", "4"}, "x+y+z"},
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
  } cases[] = {{-5, 0},  {-0.6, 0}, {-0.4, 1}, {-0.5, 0}, {0.25, 1},
               {0.3, 2}, {1.25, 2}, {1.3, 3},  {9, 3}};
  for (const auto &c : cases)
    EXPECT_EQ(nearestPoint(samples, c.x), c.index) << c.x;
}
