#include "axisticks.h"

#include "engine/errors.h"

#include <cmath>

namespace quorvex {

std::vector<Float> axisTicks(Float low, Float high, int maxCount) {
  QV_ASSERT(maxCount >= 1, "maxCount >= 1");
  std::vector<Float> ticks;
  const Float span = high - low;
  if (!(span > 0) || !std::isfinite(span))
    return ticks;
  // The step is mantissa x 10^exponent with mantissa 1, 2 or 5.
  const Float raw = span / maxCount;
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  Float mantissa = 0;
  for (;;) {
    const Float unit = std::pow(10.0, exponent);
    for (const Float m : {1.0, 2.0, 5.0})
      if (m * unit >= raw) {
        mantissa = m;
        break;
      }
    if (mantissa != 0)
      break;
    ++exponent; // log10 rounded down too far: 10 x unit is the next 1
  }
  const Float unit = std::pow(10.0, std::abs(exponent));
  const Float step = exponent >= 0 ? mantissa * unit : mantissa / unit;
  const Float first = std::ceil(low / step);
  const Float last = std::floor(high / step);
  // Multiples so far out that consecutive ones are no longer distinct
  // doubles cannot be labelled apart.
  if (!(last - first < 4.0 * maxCount) || std::fabs(last) > 1e15 ||
      std::fabs(first) > 1e15)
    return ticks;
  for (Float k = first; k <= last; ++k) {
    // One correctly rounded operation from the exact integer k x mantissa.
    const Float tick = exponent >= 0 ? k * mantissa * unit : k * mantissa / unit;
    if (tick >= low && tick <= high)
      ticks.push_back(tick);
  }
  return ticks;
}

} // namespace quorvex
