#include "axisticks.h"

#include "engine/errors.h"
#include "engine/numberformat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quorvex {

namespace {

// The widths and positions below are worked out in extended precision,
// whose range holds the difference of any two doubles and any ratio of
// them that matters here.
constexpr Float largest = std::numeric_limits<Float>::max();

Float towardDoubles(Float80 v) noexcept {
  return static_cast<Float>(std::clamp<Float80>(v, -largest, largest));
}

// The doubles in ascending order as consecutive integers; -0 and 0 are one.
std::int64_t ordered(Float v) noexcept {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const auto magnitude = static_cast<std::int64_t>(bits & ~(std::uint64_t(1) << 63));
  return bits >> 63 ? -magnitude : magnitude;
}

Float fromOrdered(std::int64_t o) noexcept {
  const std::uint64_t magnitude =
      o < 0 ? std::uint64_t(0) - std::uint64_t(o) : std::uint64_t(o);
  return std::bit_cast<Float>(o < 0 ? magnitude | (std::uint64_t(1) << 63) : magnitude);
}

// The distance from the largest magnitude of the range to the next double.
Float80 spacingAt(Float low, Float high) noexcept {
  const Float m = std::max(std::fabs(low), std::fabs(high));
  if (m == largest)
    return Float80(m) - std::nextafter(m, 0.0);
  return Float80(std::nextafter(m, largest)) - m;
}

// Round ticks: the multiples k of mantissa x 10^exponent. False when the
// range is too narrow for its magnitude to tell such multiples apart.
bool decimalTicks(Float low, Float high, int maxCount, char separator,
                  std::vector<AxisTick> &ticks) {
  const Float80 raw = (Float80(high) - Float80(low)) / maxCount;
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  int mantissa = 0;
  Float80 step = 0;
  // The powers of ten are not exact in binary, nor are the range's ends
  // decimals: a step that misses the raw one by such a rounding error still
  // counts as spanning the range in maxCount steps.
  const Float80 needed = raw * (1 - 1e-15L);
  while (mantissa == 0) {
    const Float80 unit = std::pow(10.0L, exponent);
    for (const int m : {1, 2, 5})
      if (m * unit >= needed) {
        mantissa = m;
        step = m * unit;
        break;
      }
    if (mantissa == 0)
      ++exponent; // log10 rounded down too far: 10 x unit is the next 1
  }
  if (step < 2 * spacingAt(low, high))
    return false;
  // One more multiple at each end than the quotients promise, the powers
  // being inexact; the range test below drops what lies outside.
  const Float80 first = std::ceil(low / step) - 1;
  const Float80 last = std::floor(high / step) + 1;
  constexpr Float80 widest = 1e18L; // k x mantissa stays a 64-bit integer
  if (std::fabs(first) > widest || std::fabs(last) > widest ||
      last - first > 4.0L * maxCount + 2)
    return false;
  std::array<char, 48> text{};
  std::string digits;
  for (auto k = static_cast<std::int64_t>(first); k <= static_cast<std::int64_t>(last);
       ++k) {
    const std::int64_t n = k * mantissa;
    // The decimal n x 10^exponent, read as the double nearest to it.
    char *written = std::to_chars(text.data(), text.data() + 24, n).ptr;
    *written = 'e';
    const auto end = std::to_chars(written + 1, text.data() + text.size(), exponent).ptr;
    Float value = 0;
    if (std::from_chars(text.data(), end, value).ec != std::errc() ||
        !(value >= low && value <= high))
      continue; // beyond the doubles, or outside the range
    AxisTick tick;
    tick.value = value;
    if (n == 0) {
      tick.label = "0";
    } else {
      digits.assign(text.data() + (n < 0 ? 1 : 0), written);
      const int length = static_cast<int>(digits.size());
      while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
      formatDecimal(n < 0, digits, length + exponent, separator, tick.label);
    }
    ticks.push_back(std::move(tick));
  }
  return true;
}

// Evenly spaced doubles of the range, each written as the shortest text
// that reads back as it.
void doubleTicks(Float low, Float high, int maxCount, char separator,
                 std::vector<AxisTick> &ticks) {
  const std::int64_t a = ordered(low);
  const std::int64_t b = ordered(high);
  const std::uint64_t steps = std::uint64_t(b) - std::uint64_t(a);
  const auto stride = static_cast<std::int64_t>(std::max<std::uint64_t>(
      1, (steps + std::uint64_t(maxCount) - 1) / std::uint64_t(maxCount)));
  // Multiples of the stride, so that the ticks stay put while the range
  // slides along.
  const std::int64_t rest = a % stride;
  std::int64_t o = rest == 0 ? a : (a > 0 ? a + (stride - rest) : a - rest);
  std::array<char, 48> text{};
  std::string digits;
  for (; o <= b; o += stride) {
    AxisTick tick;
    tick.value = fromOrdered(o);
    if (tick.value == 0) {
      tick.label = "0";
    } else {
      // "d.ddde+XX" or "de-XX": the shortest digits that read back.
      const auto end = std::to_chars(text.data(), text.data() + text.size(),
                                     std::fabs(tick.value), std::chars_format::scientific)
                           .ptr;
      const char *e = std::find(text.data(), end, 'e');
      digits.clear();
      for (const char *c = text.data(); c != e; ++c)
        if (*c != '.')
          digits.push_back(*c);
      int scientific = 0;
      std::from_chars(e + (e[1] == '+' ? 2 : 1), end, scientific);
      formatDecimal(tick.value < 0, digits, scientific + 1, separator, tick.label);
    }
    ticks.push_back(std::move(tick));
    if (std::uint64_t(b) - std::uint64_t(o) < std::uint64_t(stride))
      break; // the next step would pass the end, or the integers' range
  }
}

} // namespace

std::vector<AxisTick> axisTicks(Float low, Float high, int maxCount,
                                char decimalSeparator) {
  QV_ASSERT(maxCount >= 1, "maxCount >= 1");
  std::vector<AxisTick> ticks;
  if (!(low < high) || !std::isfinite(low) || !std::isfinite(high))
    return ticks;
  if (!decimalTicks(low, high, maxCount, decimalSeparator, ticks)) {
    ticks.clear();
    doubleTicks(low, high, maxCount, decimalSeparator, ticks);
  }
  return ticks;
}

std::uint64_t doublesBetween(Float low, Float high) noexcept {
  return std::uint64_t(ordered(high)) - std::uint64_t(ordered(low));
}

AxisScale::AxisScale(Float low, Float high, double length) noexcept
    : low_(low), perValue_(length / (Float80(high) - Float80(low))),
      perPosition_((Float80(high) - Float80(low)) / length), limit_(1e15 * length),
      lowDouble_(low), perValueDouble_(length / (high - low)) {
  inDoubles_ = std::isfinite(high - low) && std::isfinite(perValueDouble_);
}

double AxisScale::position(Float v) const noexcept {
  if (inDoubles_) {
    // v - low is finite inside the range; beyond it an infinity keeps
    // its direction, and the clamp takes it.
    return std::clamp((v - lowDouble_) * perValueDouble_, -limit_, limit_);
  }
  const Float80 p = (Float80(v) - low_) * perValue_;
  return static_cast<double>(std::clamp<Float80>(p, -limit_, limit_));
}

Float AxisScale::value(double position) const noexcept {
  return towardDoubles(low_ + position * perPosition_);
}

void zoomRange(Float &low, Float &high, Float at, double factor) noexcept {
  const Float80 newLow = at + (Float80(low) - at) / factor;
  const Float80 newHigh = at + (Float80(high) - at) / factor;
  low = towardDoubles(newLow);
  high = towardDoubles(newHigh);
}

} // namespace quorvex
