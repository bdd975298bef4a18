#include "elementary.h"

#include "extended.h"
#include "mathfuncerror.h"

#include "engine/errors.h"

#include <cmath>

namespace quorvex::math {

using extended::Finish;

// The libm long double sine and cosine reduce exactly at any magnitude, so
// huge arguments give the true value instead of the hardware's 0.
Float Sin(Float x) { return Finish(std::sin(static_cast<Float80>(x))); }
Float Cos(Float x) { return Finish(std::cos(static_cast<Float80>(x))); }

Float Exp(Float x) {
  return Finish(extended::ExpOf(x, extended::SplitRounding::Nearest));
}

Float Ln(Float x) { return Finish(extended::Ln(x)); }

// The double product and square root are correctly rounded; forming them in
// extended first would round twice and now and then miss by one unit.
// Finish still turns an infinite square into the overflow error.
Float Square(Float x) { return Finish(x * x); }

Float Sqrt(Float x) {
  if (x < 0)
    throw EInvalidOp();
  return std::sqrt(x);
}

Float Abs(Float x) { return std::fabs(x); }

Float LogBase10(Float x) {
  DomainCheck(!(x > 0));
  return Finish(std::log10(static_cast<Float80>(x)));
}

Float LogBase2(Float x) {
  DomainCheck(!(x > 0));
  return Finish(std::log2(static_cast<Float80>(x)));
}

Float LogBaseN(Float base, Float x) {
  DomainCheck(!(x > 0) || !(base > 0) || base == 1);
  return Finish(std::log2(static_cast<Float80>(x)) /
                std::log2(static_cast<Float80>(base)));
}

namespace {
// |x|^z for x != 0, the extended exponential of z * ln|x|. libm's powl
// forms that logarithm with extra precision internally; the plain product
// z * ln|x| would lose up to |z * ln x| * 2^-64 and with it the last bit of
// large results.
Float80 magnitudePower(Float x, Float z) {
  return std::pow(std::fabs(static_cast<Float80>(x)), static_cast<Float80>(z));
}

// z is a whole number here; odd when its floored remainder by 2 is +-1.
bool isOdd(Float z) {
  const Float80 half = static_cast<Float80>(z) / 2;
  Float80 floored = std::trunc(half);
  if (half - floored < 0)
    floored -= 1;
  const long long m = std::llrint(static_cast<Float80>(z) - 2 * floored);
  return m == 1 || m == -1;
}
} // namespace

// The rules apply in this order, so power(0;0) and power(1;1e308) are 1
// before any logarithm is taken.
Float Power(Float x, Float z) {
  if (z == 0 || x == 1)
    return 1;
  if (x == 0) {
    if (z > 0)
      return 0;
    throw EMathFuncError(EMathFuncError::Reason::PowerInfinite);
  }
  if (x > 0)
    return Finish(magnitudePower(x, z));
  if (z - std::trunc(z) != 0)
    throw EMathFuncError(EMathFuncError::Reason::PowerComplex);
  const Float80 r = magnitudePower(x, z);
  return Finish(isOdd(z) ? -r : r);
}

// Scaling by the larger magnitude keeps the square in range, so only a
// result that itself exceeds the double range overflows.
Float Pythag(Float h, Float v) {
  const Float80 a = std::fabs(static_cast<Float80>(h));
  const Float80 b = std::fabs(static_cast<Float80>(v));
  if (b < a) {
    const Float80 q = b / a;
    return Finish(a * std::sqrt(q * q + 1));
  }
  if (b == 0)
    return 0;
  const Float80 q = a / b;
  return Finish(b * std::sqrt(q * q + 1));
}

} // namespace quorvex::math
