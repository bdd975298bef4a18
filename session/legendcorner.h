#pragma once

#include <span>

// Where the plot's legend goes: into the corner of the plot where it hides
// the least of the curve.

namespace quorvex {

// A rectangle as painted: y grows downwards, width and height are positive.
struct PlotRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct PlotPosition {
  double x = 0;
  double y = 0;
};

enum class LegendCorner { TopRight, TopLeft, BottomRight, BottomLeft };

// The box of width by height that fills corner of area.
PlotRect legendBox(const PlotRect &area, double width, double height,
                   LegendCorner corner);

// The corner of area whose box of width by height holds the fewest of the
// curve's points, a point on a box's edge counting as in it; on a tie the
// first in the order top right, top left, bottom right, bottom left.
LegendCorner legendCorner(const PlotRect &area, double width, double height,
                          std::span<const PlotPosition> curve);

} // namespace quorvex
