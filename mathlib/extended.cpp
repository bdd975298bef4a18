#include "extended.h"

#include "engine/errors.h"
#include "engine/numberconversion.h"

#include <cmath>

namespace quorvex::extended {

Float finish(Float80 result) {
  if (std::isnan(result))
    throw EInvalidOp();
  if (std::isinf(result))
    throw EOverflow();
  return roundToFloat(result);
}

Float80 divide(Float80 a, Float80 b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a))
      throw EInvalidOp();
    throw EZeroDivide();
  }
  return a / b;
}

Float80 ln(Float80 x) {
  if (x == 0)
    throw EZeroDivide();
  if (x < 0 || std::isnan(x))
    throw EInvalidOp();
  return std::log(x);
}

Float80 sqrt(Float80 x) {
  if (x < 0 || std::isnan(x))
    throw EInvalidOp();
  return std::sqrt(x);
}

} // namespace quorvex::extended
