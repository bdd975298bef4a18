#include "extended.h"

#include "engine/errors.h"
#include "engine/numberconversion.h"

#include <cmath>

namespace quorvex::extended {

namespace {
// log2(e) = Log2eHead + Log2eTail; the head has 11 significant bits.
constexpr Float80 Log2eHead = 1477.0L / 1024.0L;
constexpr Float80 Log2eTail = 3.1222838896340735992468100189214e-4L;
// Beyond this |y| the result is outside the extended range either way.
constexpr Float80 ExponentLimit = 17000.0L;
} // namespace

Float Finish(Float80 result) {
  if (std::isnan(result))
    throw EInvalidOp();
  if (std::isinf(result))
    throw EOverflow();
  return roundToFloat(result);
}

Float80 Divide(Float80 a, Float80 b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a))
      throw EInvalidOp();
    throw EZeroDivide();
  }
  return a / b;
}

Float80 Ln(Float80 x) {
  if (x == 0)
    throw EZeroDivide();
  if (x < 0 || std::isnan(x))
    throw EInvalidOp();
  return std::log(x);
}

Float80 Ln1p(Float80 x) {
  if (x == -1)
    throw EZeroDivide();
  if (x < -1 || std::isnan(x))
    throw EInvalidOp();
  return std::log1p(x);
}

Float80 Sqrt(Float80 x) {
  if (x < 0 || std::isnan(x))
    throw EInvalidOp();
  return std::sqrt(x);
}

Float80 ExpOf(Float x, SplitRounding rounding) {
  const Float80 head = x * Log2eHead; // exact: 53 + 11 bits
  const Float80 tail = x * Log2eTail;
  const Float80 y = head + tail;
  if (std::isnan(y))
    throw EInvalidOp();
  if (y > ExponentLimit)
    return HUGE_VALL;
  if (y < -ExponentLimit)
    return 0;
  Float80 n = 0;
  switch (rounding) {
  case SplitRounding::Nearest:
    n = std::nearbyint(y);
    break;
  case SplitRounding::Floor:
    n = std::floor(y);
    break;
  }
  // head - n is exact (same binade or smaller), so f carries only the
  // rounding error of the tail.
  const Float80 f = (head - n) + tail;
  return std::ldexp(std::exp2(f), static_cast<int>(n));
}

} // namespace quorvex::extended
