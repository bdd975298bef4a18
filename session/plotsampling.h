#pragma once

#include "engine/errors.h"
#include "engine/floattypes.h"
#include "rowevaluator.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The plot window's logic without widgets: which formula and variables it
// plots, the points it evaluates, which of them fail and with what error,
// and where the curve must break.

namespace quorvex {

class TCalculatorSession;

// The formula and the variables as a Compute would bind them now.
struct FormulaOnScreen {
  std::string formula;
  std::vector<std::string> names;      // in the order of the variable list
  std::vector<std::string> valueTexts; // each one's value cell as Compute reads it
};

// Reads the session's formula, Assign text and grid without changing any of
// them: the list is applied to a copy of the grid, so a value cell that the
// next apply would fill with "2" reads "2" here too.
FormulaOnScreen formulaOnScreen(const TCalculatorSession &session);

// An evaluator of screen's formula in which the variable at index plotted is
// free (slot plotted, value 0) and every other one holds its value. Binds and
// converts in Compute's order, then compiles, so it throws the error Compute
// would throw first for the same screen, with the same message. Asserts
// plotted < screen.names.size().
std::unique_ptr<RowEvaluator> plotEvaluator(const FormulaOnScreen &screen,
                                            std::size_t plotted);

// error < 0: y is F at x. Otherwise y is meaningless and error indexes
// PlotSamples::errors.
struct PlotPoint {
  Float x = 0;
  Float y = 0;
  int error = -1;

  bool defined() const noexcept { return error < 0; }
};

// Why points failed: the error's message, and the part of the formula whose
// operation raised it when it arose while the program ran.
struct PlotError {
  std::string message;
  MessageParts parts;
  std::optional<TextSpan> span;

  bool operator==(const PlotError &) const = default;
};

struct PlotSamples {
  std::vector<PlotPoint> points; // by ascending x
  std::vector<PlotError> errors; // distinct, by first occurrence
};

inline constexpr int minPlotPoints = 2;
inline constexpr int maxPlotPoints = 1000000;

// A plot range or point count that cannot be sampled.
class EPlotRangeError final : public Exception {
public:
  using Exception::Exception;
};

// Evaluates F at count evenly spaced points from `from` to `to`, both ends
// included, rewriting only the given slot. When 0 lies strictly inside the
// range and no point falls on it, 0 is evaluated too: division, logarithms
// and roots have their boundary there, and an even grid would step over a
// single undefined point such as 1/x at 0 and draw the two branches joined.
// Throws EPlotRangeError unless from < to and MinPlotPoints <= count <=
// MaxPlotPoints.
PlotSamples samplePlot(RowEvaluator &evaluator, std::size_t slot, Float from, Float to,
                       int count);

// A maximal run of consecutive points that are all defined (error < 0) or
// all fail with the same error. A curve is drawn along each defined run and
// never from one run to the next; each failing run is an undefined stretch.
//
// Defined runs also end where the curve jumps between two neighbours
// instead of passing through the values between them: at a pole, where F
// changes sign and grows without bound on both sides (each neighbour at
// least half again as large as the point before it, as 1/x and tan do), and
// at a jump more than ten times both steps beside it. A line there would
// only draw a wall that is not part of the curve.
struct PlotRun {
  std::size_t first = 0;
  std::size_t last = 0;
  int error = -1;
};
std::vector<PlotRun> plotRuns(const PlotSamples &samples);

// The point whose x is nearest to x (the earlier one on a tie). Asserts
// there is a point.
std::size_t nearestPoint(const PlotSamples &samples, Float x);

struct ValueRange {
  Float low = -1;
  Float high = 1;
};

// The range of F a plot shows unless the user fixes it: that of the defined
// values with a twentieth more on each side. A few values far beyond the
// rest beside a break of the curve (plotRuns), such as those climbing
// toward a pole, would squash the curve into flat lines, so when the full
// range is more than four times as wide as that of the middle nine tenths
// of the values, those values count only as far as the middle range's own
// width beyond it; the curve then leaves the plot there. Every value away
// from a break is shown, however narrow the peak it belongs to. A constant
// gets a band around it, no defined point -1..1. Always finite with low <
// high.
ValueRange autoValueRange(const PlotSamples &samples);

// The range of F with the ends the user fixed, the others as
// autoValueRange would choose them (moved past a fixed end they would not
// reach). Throws EPlotRangeError when the range so made is empty.
ValueRange plotValueRange(const PlotSamples &samples, std::optional<Float> low,
                          std::optional<Float> high);

// The points as the table mode writes rows: a column named for the variable
// with each x as the result box writes it, then F and error, with the
// delimiter for the current decimal separator.
std::string plotTableCsv(const PlotSamples &samples, std::string_view variableName);

} // namespace quorvex
