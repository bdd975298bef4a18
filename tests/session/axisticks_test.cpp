#include "session/axisticks.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace quorvex;

using Ticks = std::vector<Float>;

TEST(AxisTicks, RoundStepsThatFitTheCount) {
  const struct {
    Float low, high;
    int maxCount;
    Ticks ticks;
  } cases[] = {
      {0, 10, 5, {0, 2, 4, 6, 8, 10}},
      {0, 10, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {-1, 1, 4, {-1, -0.5, 0, 0.5, 1}},
      // Each tick is the double nearest its decimal, so 0.3 is 0.3.
      {0.05, 0.75, 7, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7}},
      {-8, 12, 6, {-5, 0, 5, 10}}, // the default range around 2
      {-7.9, 12.1, 10, {-6, -4, -2, 0, 2, 4, 6, 8, 10, 12}},
      {0.001, 0.0045, 4, {0.001, 0.002, 0.003, 0.004}},
      {2e20, 1e21, 4, {2e20, 4e20, 6e20, 8e20, 1e21}},
      {-1e-7, 1e-7, 2, {-1e-7, 0, 1e-7}},
      {0.3, 0.4, 1, {0.4}}, // a single step 0.1 wide holds one tick
      {1, 1, 5, {}},
      {2, 1, 5, {}},
      {0, std::numeric_limits<Float>::infinity(), 5, {}},
      // Only a few doubles apart: no step of its own can be labelled.
      {1e16, 1e16 + 4, 5, {}},
  };
  for (const auto &c : cases) {
    const Ticks ticks = axisTicks(c.low, c.high, c.maxCount);
    EXPECT_EQ(ticks, c.ticks) << c.low << " .. " << c.high << " in " << c.maxCount;
  }
}
