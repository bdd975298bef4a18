#include "session/legendcorner.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quorvex;

namespace {

// A 100 by 60 plot at (10, 20) and a legend of 30 by 20: the corners' boxes
// span x 10..40 or 80..110 and y 20..40 or 60..80.
constexpr PlotRect area{10, 20, 100, 60};
constexpr double width = 30, height = 20;

// n points along a straight line from a to b, both ends included.
std::vector<PlotPosition> line(PlotPosition a, PlotPosition b, int n = 11) {
  std::vector<PlotPosition> points;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / (n - 1);
    points.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
  }
  return points;
}

TEST(LegendCorner, GoesWhereItHidesTheFewestPoints) {
  using enum LegendCorner;
  // A point inside each corner's box, and one inside none.
  const PlotPosition tr{95, 30}, tl{25, 30}, br{95, 70}, bl{25, 70}, mid{60, 50};
  const struct {
    const char *what;
    std::vector<PlotPosition> curve;
    LegendCorner corner;
    double left, top; // of the legend's box
  } rows[] = {
      {"no curve: top right", {}, TopRight, 80, 20},
      {"only the middle", {mid, mid}, TopRight, 80, 20},
      {"top right taken", {tr}, TopLeft, 10, 20},
      {"both top corners taken", {tr, tl}, BottomRight, 80, 60},
      {"three taken", {tr, tl, br}, BottomLeft, 10, 60},
      {"fewest, not none", {tr, tr, tl, tl, br, bl, bl}, BottomRight, 80, 60},
      // A point on an edge is in the box, whichever edge it is.
      {"on inner edges", {{80, 30}, {40, 30}, {95, 60}}, BottomLeft, 10, 60},
      {"on outer edges", {{110, 30}, {25, 20}, {95, 80}}, BottomLeft, 10, 60},
      {"a point just off it does not", {{79.9, 40.1}}, TopRight, 80, 20},
      {"rising across the plot", line({10, 80}, {110, 20}), TopLeft, 10, 20},
      {"falling across the plot", line({10, 20}, {110, 80}), TopRight, 80, 20},
      {"along the top", line({10, 25}, {110, 25}), BottomRight, 80, 60},
  };
  for (const auto &row : rows) {
    const LegendCorner corner = legendCorner(area, width, height, row.curve);
    EXPECT_EQ(corner, row.corner) << row.what;
    const PlotRect box = legendBox(area, width, height, corner);
    EXPECT_EQ(box.left, row.left) << row.what;
    EXPECT_EQ(box.top, row.top) << row.what;
    EXPECT_EQ(box.width, width) << row.what;
    EXPECT_EQ(box.height, height) << row.what;
  }
}

} // namespace
