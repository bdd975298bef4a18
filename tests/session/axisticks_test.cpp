#include "session/axisticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

using Labels = std::vector<std::string>;

constexpr Float largest = std::numeric_limits<Float>::max();
constexpr Float tiniest = std::numeric_limits<Float>::denorm_min();

Labels labelsOf(const std::vector<AxisTick> &ticks) {
  Labels labels;
  for (const AxisTick &tick : ticks)
    labels.push_back(tick.label);
  return labels;
}

// The label as a number, the other separator put back to ".".
Float readBack(std::string label) {
  std::replace(label.begin(), label.end(), ',', '.');
  return std::strtod(label.c_str(), nullptr);
}

} // namespace

TEST(AxisTicks, RoundStepsThatFitTheCount) {
  const struct {
    Float low, high;
    int maxCount;
    Labels labels;
    char separator = '.';
  } cases[] = {
      {0, 10, 5, {"0", "2", "4", "6", "8", "10"}},
      {0, 10, 10, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
      {-1, 1, 4, {"-1", "-0.5", "0", "0.5", "1"}},
      {-1, 1, 4, {"-1", "-0,5", "0", "0,5", "1"}, ','},
      // Each tick is the double nearest its decimal, so 0.3 is 0.3.
      {0.05, 0.75, 7, {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"}},
      {-8, 12, 6, {"-5", "0", "5", "10"}}, // the default range around 2
      {-7.9, 12.1, 10, {"-6", "-4", "-2", "0", "2", "4", "6", "8", "10", "12"}},
      {0.001, 0.0045, 4, {"0.001", "0.002", "0.003", "0.004"}},
      {2e20, 1e21, 4, {"2E20", "4E20", "6E20", "8E20", "1E21"}},
      {-1e-7, 1e-7, 2, {"-1E-7", "0", "1E-7"}},
      // One step of 0.1, the rounding of the ends' decimals aside.
      {0.3, 0.4, 1, {"0.3", "0.4"}},
      {0.3, 0.45, 1, {"0.4"}}, // a single step 0.2 wide holds one tick
      {1, 1, 5, {}},
      {2, 1, 5, {}},
      {0, std::numeric_limits<Float>::infinity(), 5, {}},
      // Wider than any double: the steps still are.
      {-1e308, 1e308, 4, {"-1E308", "-5E307", "0", "5E307", "1E308"}},
      {0, 1e308, 5, {"0", "2E307", "4E307", "6E307", "8E307", "1E308"}},
      {-largest, largest, 1, {"0"}},
      // Round decimals that digits beyond the result box's 15 tell apart.
      {1,
       1 + 4e-15,
       4,
       {"1", "1.000000000000001", "1.000000000000002", "1.000000000000003",
        "1.000000000000004"}},
      // Too few doubles for round steps: the doubles themselves, each
      // written as short as reads back.
      {1, 1.0000000000000004, 5, {"1", "1.0000000000000002", "1.0000000000000004"}},
      {1e16, 1e16 + 4, 5, {"1E16", "1.0000000000000002E16", "1.0000000000000004E16"}},
      {1e-320, 2e-320, 4, {"1E-320", "1.5E-320", "2E-320"}},
      {tiniest, 5 * tiniest, 10, {"5E-324", "1E-323", "1.5E-323", "2E-323", "2.5E-323"}},
  };
  for (const auto &c : cases) {
    const std::vector<AxisTick> ticks = axisTicks(c.low, c.high, c.maxCount, c.separator);
    EXPECT_EQ(labelsOf(ticks), c.labels)
        << c.low << " .. " << c.high << " in " << c.maxCount;
    for (const AxisTick &tick : ticks)
      EXPECT_EQ(readBack(tick.label), tick.value) << tick.label;
  }
}

// Whatever the range, the ticks lie in it in order, are few enough, and
// their labels read back as them, so no two read alike.
TEST(AxisTicks, AnyRangeOfDoubles) {
  const Float ends[] = {
      -largest, -1e308,      -1e200, -3.5,   -1,     -tiniest, 0,
      tiniest,  3 * tiniest, 1e-320, 1e-300, 0.1,    1,        1.0000000000000002,
      7,        1e15,        1e16,   1e300,  largest};
  for (const Float low : ends)
    for (const Float high : ends) {
      if (!(low < high))
        continue;
      for (int count = 1; count <= 12; ++count) {
        const std::vector<AxisTick> ticks = axisTicks(low, high, count, '.');
        SCOPED_TRACE(std::to_string(low) + " .. " + std::to_string(high) + " in " +
                     std::to_string(count));
        ASSERT_LE(ticks.size(), std::size_t(count) + 1);
        for (std::size_t i = 0; i < ticks.size(); ++i) {
          EXPECT_TRUE(ticks[i].value >= low && ticks[i].value <= high) << ticks[i].label;
          EXPECT_EQ(readBack(ticks[i].label), ticks[i].value) << ticks[i].label;
          if (i > 0) {
            EXPECT_LT(ticks[i - 1].value, ticks[i].value);
          }
        }
        // A range of more than a handful of doubles always gets a tick
        // once two are allowed.
        if (count >= 2 && doublesBetween(low, high) >= 4) {
          EXPECT_FALSE(ticks.empty());
        }
      }
    }
}

// Positions along an axis stay finite and in order for any range; a zoom
// stays within the doubles.
TEST(AxisTicks, ScaleOfAnyRange) {
  const struct {
    Float low, high;
  } ranges[] = {{-largest, largest},
                {0, 1e308},
                {1e-320, 2e-320},
                {1, 1.0000000000000004},
                {-3, 5}};
  for (const auto &r : ranges) {
    const AxisScale scale(r.low, r.high, 600);
    EXPECT_EQ(scale.position(r.low), 0);
    EXPECT_EQ(scale.position(r.high), 600);
    for (const Float v : {-largest, -1.0, 0.0, 1e-320, 2.0, largest}) {
      const double p = scale.position(v);
      EXPECT_TRUE(std::isfinite(p)) << v;
      EXPECT_EQ(p < 0, v < r.low) << v;
      EXPECT_EQ(p > 600, v > r.high) << v;
    }
    EXPECT_EQ(scale.value(0), r.low);
    EXPECT_EQ(scale.value(600), r.high);
    const Float middle = scale.value(300);
    EXPECT_TRUE(middle > r.low && middle < r.high);
    Float low = r.low, high = r.high;
    zoomRange(low, high, middle, 0.25);
    EXPECT_TRUE(std::isfinite(low) && std::isfinite(high) && low < high);
    EXPECT_LE(low, r.low);
    EXPECT_GE(high, r.high);
  }
  // The value under the pointer stays put: twice in at 3 of [-3, 5].
  Float low = -3, high = 5;
  zoomRange(low, high, 3, 2);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 4);
  EXPECT_EQ(AxisScale(-largest, largest, 600).value(-1e9), -largest);
  EXPECT_EQ(doublesBetween(1, 1.0000000000000004), 2u);
  EXPECT_EQ(doublesBetween(-0.0, tiniest), 1u);
  EXPECT_EQ(doublesBetween(-tiniest, tiniest), 2u);
}
