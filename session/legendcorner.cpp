#include "legendcorner.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quorvex {

namespace {

// In the order a tie goes to.
constexpr std::array corners = {LegendCorner::TopRight, LegendCorner::TopLeft,
                                LegendCorner::BottomRight, LegendCorner::BottomLeft};

bool holds(const PlotRect &box, PlotPosition p) {
  return p.x >= box.left && p.x <= box.left + box.width && p.y >= box.top &&
         p.y <= box.top + box.height;
}

} // namespace

PlotRect legendBox(const PlotRect &area, double width, double height,
                   LegendCorner corner) {
  const bool right =
      corner == LegendCorner::TopRight || corner == LegendCorner::BottomRight;
  const bool bottom =
      corner == LegendCorner::BottomRight || corner == LegendCorner::BottomLeft;
  return {right ? area.left + area.width - width : area.left,
          bottom ? area.top + area.height - height : area.top, width, height};
}

LegendCorner legendCorner(const PlotRect &area, double width, double height,
                          std::span<const PlotPosition> curve) {
  std::array<PlotRect, corners.size()> boxes;
  for (std::size_t i = 0; i < corners.size(); ++i)
    boxes[i] = legendBox(area, width, height, corners[i]);
  std::array<std::size_t, corners.size()> covered{};
  for (const PlotPosition &p : curve)
    for (std::size_t i = 0; i < corners.size(); ++i)
      covered[i] += holds(boxes[i], p) ? 1 : 0;
  return corners[static_cast<std::size_t>(
      std::min_element(covered.begin(), covered.end()) - covered.begin())];
}

} // namespace quorvex
