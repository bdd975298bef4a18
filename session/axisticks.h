#pragma once

#include "engine/floattypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Where an axis of the plot gets its ticks and how it maps values to
// positions, for any range of finite doubles: from a few neighbouring
// doubles to the whole range of the type, whose width is not itself a
// double.

namespace quorvex {

struct AxisTick {
  Float value = 0;
  std::string label; // in the result box's notation
};

// Ticks inside [low, high], at most maxCount + 1 of them. Where round
// numbers can be told apart as doubles, they are the multiples of one step,
// the step being 1, 2 or 5 times a power of ten and the smallest such that
// the range spans at most maxCount steps; each tick is the double nearest
// its decimal value (0.6, not 0.6000000000000001), so zero is exactly 0, and
// its label writes that decimal exactly, with as many digits as it has.
// Where the range holds too few doubles for that (1 to 1.0000000000000004),
// the ticks are evenly spaced doubles of the range and each label is the
// shortest text that reads back as its double, so neighbours always read
// apart. Empty when low < high does not hold or either is not finite;
// asserts maxCount >= 1.
std::vector<AxisTick> axisTicks(Float low, Float high, int maxCount,
                                char decimalSeparator);

// How many doubles lie strictly above low up to high (finite, low <= high):
// 0 for equal ends; -0 and 0 count as one.
std::uint64_t doublesBetween(Float low, Float high) noexcept;

// A linear axis that maps the values from low to high (finite, low < high)
// to positions from 0 to length (> 0), and back. Positions are finite for
// every finite value and values stay within the doubles, whatever the
// width of the range.
class AxisScale {
public:
  AxisScale(Float low, Float high, double length) noexcept;

  // Far beyond the axis only the direction matters: positions stop at
  // 1e15 lengths either way.
  double position(Float v) const noexcept;
  // Beyond the doubles a value stays at the largest finite one of its sign.
  Float value(double position) const noexcept;

private:
  Float80 low_;
  Float80 perValue_;    // positions per unit of value
  Float80 perPosition_; // values per unit of position
  double limit_;
  // Where the range's width and the positions per unit are doubles, a
  // position is worked out in double precision: a plot maps every point.
  bool inDoubles_;
  Float lowDouble_;
  double perValueDouble_;
};

// The range [low, high] shrunk by factor (> 1 zooms in, < 1 out) around the
// value at, a fraction of the way along; kept within the finite doubles.
void zoomRange(Float &low, Float &high, Float at, double factor) noexcept;

} // namespace quorvex
