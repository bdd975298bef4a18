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
// Whole exponents up to this magnitude are raised by repeated squaring.
// Each extended product rounds by at most u = 2^-64 relative, and in
// a^n by squaring those roundings weigh at most n - 1 in total, plus one
// for the final division when n < 0: the extended result is within
// 512u = 2^-55 relative of the truth, under a quarter of a double ulp, so
// the rounding to double lands within 3/4 ulp of the true value and at
// most one step from the correctly rounded double.
constexpr Float WholeExponentLimit = 512;

// a^n for a > 0 and 1 <= n <= 512. For a >= 1 every partial product is at
// most a^n, so it overflows the extended range only when a^n does; for
// a < 1 every partial product is at least a^n, so an extended underflow
// means a^n is far below the double range anyway.
Float80 wholePower(Float80 a, unsigned n) {
  Float80 result = 1;
  for (;;) {
    if (n & 1)
      result *= a;
    n >>= 1;
    if (n == 0)
      return result;
    a *= a;
  }
}

// Results within 2^+-64 of 1 come from exp2(z * log2|x|). libm's log2l
// and exp2l measure under 1 extended ulp here; allowing 2, log2|x| is off
// by 2^-62 relative and the product by 2^-64 more, so y = z * log2|x| is
// off by at most |y| * 2.5 * 2^-63 and 2^y by ln 2 times that plus 2^-62
// relative: under 2^-56.1 for |y| <= 64, about 1/8 of a double ulp. The
// rounding to double then lands within 5/8 ulp of the true value.
constexpr Float80 Exp2Limit = 64;

// |x|^z for x != 0. libm's powl costs some 550 ns here, as much as whole
// formulas, so the common cases take the two paths above: whole exponents
// (interest over 120 months) and moderate results. Otherwise powl, which
// forms the logarithm with extra precision internally; the plain product
// z * log2|x| would lose up to |z * log2 x| * 2^-64 and with it the last
// bit of large results.
Float80 magnitudePower(Float x, Float z) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  if (std::fabs(z) <= WholeExponentLimit && z == std::trunc(z)) {
    const auto n = static_cast<unsigned>(std::fabs(z));
    const Float80 p = wholePower(a, n);
    // An extended overflow of a^n gives 0 here, the true tiny result; an
    // extended underflow to 0 gives infinity, which Finish reports as the
    // overflow that the true result is. Both only happen far outside the
    // double range.
    return z > 0 ? p : 1 / p;
  }
  // A NaN or infinite y fails the test and goes to powl.
  const Float80 y = static_cast<Float80>(z) * std::log2(a);
  if (std::fabs(y) <= Exp2Limit)
    return std::exp2(y);
  return std::pow(a, static_cast<Float80>(z));
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
