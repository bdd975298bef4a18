#include "plotsampling.h"

#include "calculatorsession.h"
#include "csvwriter.h"
#include "engine/decimalseparator.h"
#include "resultformat.h"
#include "engine/errors.h"
#include "engine/numberconversion.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorvex {

FormulaOnScreen formulaOnScreen(const TCalculatorSession &session) {
  TVariableList list;
  list.Assign(session.AssignText());
  TValueGrid grid = session.Grid();
  UpdateVariableGrid(list, grid);
  FormulaOnScreen screen;
  screen.formula = session.FormulaText();
  for (std::size_t i = 0; i < list.Count(); ++i) {
    screen.names.emplace_back(list.Name(i));
    screen.valueTexts.push_back(grid.Cell(1, static_cast<int>(i + 1)));
  }
  return screen;
}

std::unique_ptr<RowEvaluator> plotEvaluator(const FormulaOnScreen &screen,
                                            std::size_t plotted) {
  QV_ASSERT(plotted < screen.names.size(), "plotted < screen.names.size()");
  auto evaluator = std::make_unique<RowEvaluator>();
  for (std::size_t i = 0; i < screen.names.size(); ++i) {
    // The plotted variable's own cell is never read: every point rewrites
    // its slot, so a cell that does not convert cannot spoil the plot.
    const Float value = i == plotted ? 0 : valueTextToFloat(screen.valueTexts[i]);
    evaluator->addVariable(screen.names[i], value);
  }
  evaluator->compile(screen.formula);
  return evaluator;
}

namespace {

int errorIndex(std::vector<std::string> &errors, const std::string &message) {
  const auto found = std::find(errors.begin(), errors.end(), message);
  if (found != errors.end())
    return static_cast<int>(found - errors.begin());
  errors.push_back(message);
  return static_cast<int>(errors.size() - 1);
}

} // namespace

PlotSamples samplePlot(RowEvaluator &evaluator, std::size_t slot, Float from, Float to,
                       int count) {
  if (!(from < to))
    throw EPlotRangeError("The plot range is empty: From must be less than To");
  if (count < MinPlotPoints || count > MaxPlotPoints)
    throw EPlotRangeError("A plot needs from " + std::to_string(MinPlotPoints) + " to " +
                          std::to_string(MaxPlotPoints) + " points");
  PlotSamples samples;
  samples.points.reserve(static_cast<std::size_t>(count) + 1);
  RowOutcome outcome;
  auto evaluate = [&](Float x) {
    evaluator.evaluateAt(slot, x, outcome);
    PlotPoint point;
    point.x = x;
    if (outcome.ok)
      point.y = outcome.value;
    else
      point.error = errorIndex(samples.errors, outcome.error);
    samples.points.push_back(point);
  };
  bool zeroPending = from < 0 && to > 0;
  const Float last = count - 1;
  for (int i = 0; i < count; ++i) {
    // lerp is exact at both ends and monotonic, and cannot overflow for a
    // range as wide as the doubles themselves.
    const Float x = std::lerp(from, to, i / last);
    if (zeroPending && x >= 0) {
      zeroPending = false;
      if (x > 0)
        evaluate(0);
    }
    evaluate(x);
  }
  return samples;
}

std::vector<PlotRun> plotRuns(const PlotSamples &samples) {
  std::vector<PlotRun> runs;
  const std::vector<PlotPoint> &points = samples.points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!runs.empty() && runs.back().error == points[i].error) {
      runs.back().last = i;
      continue;
    }
    runs.push_back({i, i, points[i].error});
  }
  return runs;
}

std::size_t nearestPoint(const PlotSamples &samples, Float x) {
  const std::vector<PlotPoint> &points = samples.points;
  QV_ASSERT(!points.empty(), "!samples.points.empty()");
  const auto after = std::lower_bound(
      points.begin(), points.end(), x,
      [](const PlotPoint &point, Float value) { return point.x < value; });
  if (after == points.begin())
    return 0;
  if (after == points.end())
    return points.size() - 1;
  const auto before = after - 1;
  const auto index = static_cast<std::size_t>(before - points.begin());
  return x - before->x <= after->x - x ? index : index + 1;
}

bool valueRange(const PlotSamples &samples, Float &low, Float &high) {
  bool any = false;
  for (const PlotPoint &point : samples.points) {
    if (!point.defined())
      continue;
    if (!any) {
      low = high = point.y;
      any = true;
      continue;
    }
    low = std::min(low, point.y);
    high = std::max(high, point.y);
  }
  return any;
}

std::string plotTableCsv(const PlotSamples &samples, std::string_view variableName) {
  ResultTableWriter writer(csvDelimiterFor(decimalSeparator()), false);
  std::string csv;
  const std::string_view names[] = {variableName};
  writer.appendHeader(names, "F", csv);
  std::string x;
  RowOutcome outcome;
  for (const PlotPoint &point : samples.points) {
    formatResult(point.x, decimalSeparator(), x);
    outcome.ok = point.defined();
    outcome.value = point.y;
    outcome.error = point.defined() ? std::string() : samples.errors[point.error];
    const std::string_view cells[] = {x};
    writer.appendRow(cells, outcome, csv);
  }
  return csv;
}

} // namespace quorvex
