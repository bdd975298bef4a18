#pragma once

#include "engine/floattypes.h"

#include <vector>

// Where an axis of the plot gets its ticks: round numbers, so the labels
// read 0.2, 0.4, ... rather than 0.19733, 0.39466, ...

namespace quorvex {

// Ticks inside [low, high]: the multiples of one step, the step being 1, 2 or
// 5 times a power of ten and the smallest such that the range spans at most
// maxCount steps. Each tick is the double nearest to its decimal value (k x 2 / 10 gives
// 0.6, not 0.6000000000000001), so zero is exactly 0 and labels come out
// short. Empty when the range is empty, not finite, or too narrow for its
// magnitude to be divided (low and high a few ulps apart); asserts
// maxCount >= 1.
std::vector<Float> axisTicks(Float low, Float high, int maxCount);

} // namespace quorvex
