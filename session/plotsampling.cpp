#include "plotsampling.h"

#include "calculatorsession.h"
#include "csvwriter.h"
#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/numberconversion.h"
#include "engine/workerpool.h"
#include "resultformat.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <span>
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

int errorIndex(std::vector<PlotError> &errors, const PlotError &error) {
  const auto found = std::find_if(errors.begin(), errors.end(), [&](const PlotError &e) {
    return e.message == error.message && e.span == error.span;
  });
  if (found != errors.end())
    return static_cast<int>(found - errors.begin());
  errors.push_back(error);
  return static_cast<int>(errors.size() - 1);
}

// F at points[first] .. points[last - 1], a block of them at a time; the
// errors are numbered in errors, by first occurrence.
void evaluatePoints(RowEvaluator &evaluator, std::size_t slot,
                    std::vector<PlotPoint> &points, std::size_t first, std::size_t last,
                    std::vector<PlotError> &errors) {
  constexpr std::size_t blockPoints = 1024;
  std::vector<Float> xs(std::min(blockPoints, last - first));
  std::vector<RowOutcome> outcomes(xs.size());
  for (std::size_t begin = first; begin < last; begin += xs.size()) {
    const std::size_t n = std::min(xs.size(), last - begin);
    for (std::size_t i = 0; i < n; ++i)
      xs[i] = points[begin + i].x;
    evaluator.evaluateAt(slot, std::span(xs.data(), n), std::span(outcomes.data(), n));
    for (std::size_t i = 0; i < n; ++i) {
      PlotPoint &point = points[begin + i];
      if (outcomes[i].ok)
        point.y = outcomes[i].value;
      else
        point.error = errorIndex(
            errors, {outcomes[i].error, outcomes[i].errorParts, outcomes[i].errorSpan});
    }
  }
}

// A plot of many points is computed in consecutive parts on the process's
// pool, each thread with an evaluator of its own: the points and the errors
// are those of one thread computing them in order.
constexpr std::size_t pointsPerThread = 25000;

// Whether the curve must not be drawn from point i to point i + 1, both
// defined, with points i - 1 and i + 2 defined beside them.
bool jumpsAcross(const std::vector<PlotPoint> &points, std::size_t i) {
  const Float80 before = points[i - 1].y, left = points[i].y, right = points[i + 1].y,
                after = points[i + 2].y;
  // A pole: a change of sign with the magnitude growing toward it on both
  // sides. A curve through zero shrinks toward its crossing instead.
  constexpr Float80 growth = 1.5;
  if ((left < 0 && right > 0) || (left > 0 && right < 0))
    if (std::fabs(left) >= growth * std::fabs(before) &&
        std::fabs(right) >= growth * std::fabs(after))
      return true;
  // A jump: far beyond the steps beside it, and more than a rounding error
  // of the values.
  const Float80 step = std::fabs(right - left);
  const Float80 beside = std::max(std::fabs(left - before), std::fabs(after - right));
  return step > 10 * beside && step > 1e-9L * std::max(std::fabs(left), std::fabs(right));
}

} // namespace

PlotSamples samplePlot(RowEvaluator &evaluator, std::size_t slot, Float from, Float to,
                       int count) {
  if (!(from < to))
    throw EPlotRangeError(MessageParts{
        QV_TRANSLATE_NOOP("Error", "The plot range is empty: From must be less than To"),
        {}});
  if (count < minPlotPoints || count > maxPlotPoints)
    throw EPlotRangeError(
        MessageParts{QV_TRANSLATE_NOOP("Error", "A plot needs from %1 to %2 points"),
                     {std::to_string(minPlotPoints), std::to_string(maxPlotPoints)}});
  PlotSamples samples;
  std::vector<PlotPoint> &points = samples.points;
  points.reserve(static_cast<std::size_t>(count) + 1);
  bool zeroPending = from < 0 && to > 0;
  const Float last = count - 1;
  for (int i = 0; i < count; ++i) {
    // lerp is exact at both ends and monotonic, and cannot overflow for a
    // range as wide as the doubles themselves.
    const Float x = std::lerp(from, to, i / last);
    if (zeroPending && x >= 0) {
      zeroPending = false;
      if (x > 0)
        points.push_back({0, 0, -1});
    }
    points.push_back({x, 0, -1});
  }
  // Then F at every point.
  const std::size_t threads = std::clamp<std::size_t>(
      std::min<std::size_t>(usableCpus(), points.size() / pointsPerThread), 1, 8);
  if (threads == 1) {
    evaluatePoints(evaluator, slot, points, 0, points.size(), samples.errors);
    return samples;
  }
  std::vector<std::unique_ptr<RowEvaluator>> helpers;
  for (std::size_t t = 1; t < threads; ++t)
    helpers.push_back(evaluator.clone());
  std::vector<std::vector<PlotError>> partErrors(threads);
  const auto partStart = [&](std::size_t t) { return points.size() * t / threads; };
  runTasks(threads, threads, [&](std::size_t part, std::size_t lane) {
    evaluatePoints(lane == 0 ? evaluator : *helpers[lane - 1], slot, points,
                   partStart(part), partStart(part + 1), partErrors[part]);
  });
  for (std::size_t t = 0; t < threads; ++t) {
    const std::vector<PlotError> &errors = partErrors[t];
    if (errors.empty())
      continue;
    std::vector<int> renumbered;
    renumbered.reserve(errors.size());
    for (const PlotError &error : errors)
      renumbered.push_back(errorIndex(samples.errors, error));
    for (std::size_t i = partStart(t); i < partStart(t + 1); ++i)
      if (points[i].error >= 0)
        points[i].error = renumbered[static_cast<std::size_t>(points[i].error)];
  }
  evaluator.setValue(slot, points.back().x);
  return samples;
}

std::vector<PlotRun> plotRuns(const PlotSamples &samples) {
  std::vector<PlotRun> runs;
  const std::vector<PlotPoint> &points = samples.points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!runs.empty() && runs.back().error == points[i].error) {
      // The points i - 2 .. i + 1 all defined: the step into i may jump.
      const bool jumps = points[i].defined() && runs.back().first + 2 <= i &&
                         i + 1 < points.size() && points[i + 1].defined() &&
                         jumpsAcross(points, i - 1);
      if (!jumps) {
        runs.back().last = i;
        continue;
      }
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
  // Extended precision: the distances between doubles need not be doubles.
  return Float80(x) - before->x <= Float80(after->x) - x ? index : index + 1;
}

namespace {

constexpr Float largest = std::numeric_limits<Float>::max();

Float towardDoubles(Float80 v) noexcept {
  return static_cast<Float>(std::clamp<Float80>(v, -largest, largest));
}

// low..high with a twentieth of its width more on each side; a single
// value gets a band of a tenth of itself, at least 1, on each side.
ValueRange padded(Float low, Float high) {
  const Float80 width = Float80(high) - low;
  const Float80 margin =
      width > 0 ? width / 20 : std::max<Float80>(1, std::fabs(low) / 10);
  // At least one double beyond each end, however narrow the margin.
  ValueRange range{std::min(towardDoubles(low - margin), std::nextafter(low, -largest)),
                   std::max(towardDoubles(high + margin), std::nextafter(high, largest))};
  if (!(range.low < range.high)) // a value at the end of the doubles
    range = {std::nextafter(range.high, -largest), range.high};
  return range;
}

// Marks the points of a defined run that lie beside the break at its end
// `from` (the other end is `to`): the point next to the break, and from
// there inward every point as long as F keeps shrinking in magnitude away
// from the break. Beside a pole that is the whole climb toward it; a peak
// further in is not.
void markBesideBreak(const std::vector<PlotPoint> &points, std::size_t from,
                     std::size_t to, std::vector<bool> &beside) {
  const auto magnitude = [&](std::size_t i) { return std::fabs(points[i].y); };
  for (std::size_t i = from;; i = from < to ? i + 1 : i - 1) {
    beside[i] = true;
    const std::size_t inward = from < to ? i + 1 : i - 1;
    if (i == to || !(magnitude(i) > magnitude(inward)))
      return;
  }
}

} // namespace

ValueRange autoValueRange(const PlotSamples &samples) {
  const std::vector<PlotPoint> &points = samples.points;
  std::vector<bool> beside(points.size());
  for (const PlotRun &run : plotRuns(samples)) {
    if (run.error >= 0)
      continue;
    if (run.first > 0)
      markBesideBreak(points, run.first, run.last, beside);
    if (run.last + 1 < points.size())
      markBesideBreak(points, run.last, run.first, beside);
  }
  std::vector<Float> values;
  values.reserve(points.size());
  // The hull of the values that no break stands beside: always shown.
  Float80 keptLow = std::numeric_limits<Float80>::infinity(), keptHigh = -keptLow;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!points[i].defined())
      continue;
    values.push_back(points[i].y);
    if (!beside[i]) {
      keptLow = std::min<Float80>(keptLow, points[i].y);
      keptHigh = std::max<Float80>(keptHigh, points[i].y);
    }
  }
  if (values.empty())
    return {};
  std::sort(values.begin(), values.end());
  const Float lowest = values.front(), highest = values.back();
  // Too few values to tell a few outliers from the curve itself.
  constexpr std::size_t fewest = 20;
  if (values.size() < fewest)
    return padded(lowest, highest);
  const std::size_t tail = values.size() / 20;
  const Float middleLow = values[tail], middleHigh = values[values.size() - 1 - tail];
  const Float80 middle = Float80(middleHigh) - middleLow;
  if (middle == 0 || Float80(highest) - lowest <= 4 * middle)
    return padded(lowest, highest);
  // The values beside breaks reach only as far as the middle range's own
  // width beyond it; the curve then leaves the plot there.
  const Float80 low = std::min(keptLow, std::max<Float80>(lowest, middleLow - middle));
  const Float80 high =
      std::max(keptHigh, std::min<Float80>(highest, middleHigh + middle));
  return padded(towardDoubles(low), towardDoubles(high));
}

ValueRange plotValueRange(const PlotSamples &samples, std::optional<Float> low,
                          std::optional<Float> high) {
  ValueRange range = autoValueRange(samples);
  const Float80 width = std::max<Float80>(1, Float80(range.high) - range.low);
  if (low && high)
    range = {*low, *high};
  else if (low)
    range = {*low, range.high > *low ? range.high : towardDoubles(*low + width)};
  else if (high)
    range = {range.low < *high ? range.low : towardDoubles(*high - width), *high};
  if (!(range.low < range.high))
    throw EPlotRangeError(MessageParts{
        QV_TRANSLATE_NOOP("Error", "The y range is empty: Y from must be less than Y to"),
        {}});
  return range;
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
    outcome.error = point.defined() ? std::string() : samples.errors[point.error].message;
    const std::string_view cells[] = {x};
    writer.appendRow(cells, outcome, csv);
  }
  return csv;
}

} // namespace quorvex
