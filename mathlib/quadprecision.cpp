#include "quadprecision.h"

#include "libquadmath.h"

#include "engine/errors.h"

#include <cmath>

namespace quorvex::quad {

namespace {

using Quad = __float128;

Quad wide(Float x) { return static_cast<Quad>(x); }
Quad magnitude(Quad q) { return q < 0 ? -q : q; }
Quad signOf(Float x) { return std::signbit(x) ? -1 : 1; }

// 1 - cos x without the cancellation near multiples of 2 pi.
Quad versineOf(Quad x) {
  const Quad c = cosq(x);
  if (c > 0) {
    const Quad s = sinq(x);
    return s * s / (1 + c);
  }
  return 1 - c;
}

// a^n by repeated squaring; exact whenever the result and its partial
// products fit in 113 bits, as every result on a rounding boundary does.
Quad wholePower(Quad a, unsigned n) {
  Quad result = 1;
  for (;;) {
    if (n & 1)
      result *= a;
    n >>= 1;
    if (n == 0)
      return result;
    a *= a;
  }
}

// Only the evaluating thread runs the math routines (see StandardContext).
unsigned long long slowPathCount = 0;

} // namespace

unsigned long long SlowPathCount() { return slowPathCount; }

Float Round(Quad value) {
  ++slowPathCount;
  if (value != value)
    throw EInvalidOp();
  const auto rounded = static_cast<Float>(value);
  if (std::isinf(rounded))
    throw EOverflow();
  return rounded;
}

Quad Sin(Float x) { return sinq(wide(x)); }
Quad Cos(Float x) { return cosq(wide(x)); }
Quad Tan(Float x) { return tanq(wide(x)); }
Quad Cot(Float x) { return cosq(wide(x)) / sinq(wide(x)); }
Quad Sec(Float x) { return 1 / cosq(wide(x)); }
Quad Csc(Float x) { return 1 / sinq(wide(x)); }
Quad Versine(Float x) { return versineOf(wide(x)); }

Quad Coversine(Float x) {
  const Quad s = sinq(wide(x));
  if (s > 0) {
    const Quad c = cosq(wide(x));
    return c * c / (1 + s);
  }
  return 1 - s;
}

Quad Exsecans(Float x) {
  const Quad c = cosq(wide(x));
  if (c > 0)
    return versineOf(wide(x)) / c;
  return 1 / c - 1;
}

Quad Exp(Float x) { return expq(wide(x)); }
Quad Ln(Float x) { return logq(wide(x)); }
Quad LogBase2(Float x) { return log2q(wide(x)); }
Quad LogBase10(Float x) { return log10q(wide(x)); }
namespace {

// Pairs of quads (some 226 bits) for the one place where 113 do not
// decide: ln x / ln b with x and b both next to 1, where the series'
// second-order terms can cancel exactly (ln(1 - 2^-52) / ln(1 + 2^-50) is
// within 2^-130 of a rounding boundary).
struct QuadPair {
  Quad hi, lo;
};

QuadPair twoSum(Quad a, Quad b) {
  const Quad s = a + b;
  const Quad bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

QuadPair add(QuadPair a, QuadPair b) {
  const QuadPair s = twoSum(a.hi, b.hi);
  return twoSum(s.hi, s.lo + a.lo + b.lo);
}

QuadPair mul(QuadPair a, QuadPair b) {
  const Quad p = a.hi * b.hi;
  const Quad e = fmaq(a.hi, b.hi, -p);
  return twoSum(p, e + a.hi * b.lo + a.lo * b.hi);
}

QuadPair divide(QuadPair a, QuadPair b) {
  const Quad q = a.hi / b.hi;
  const QuadPair r = add(a, mul(b, {-q, 0}));
  return twoSum(q, r.hi / b.hi);
}

// ln(1 + u) for |u| < 2^-20 (u exact in a quad): the series to u^12, next
// term below 2^-260 relative.
QuadPair log1pSeries(Quad u) {
  QuadPair sum{0, 0};
  for (int k = 12; k >= 1; --k) {
    const QuadPair term = divide({(k % 2 == 1) ? Quad(1) : Quad(-1), 0}, {Quad(k), 0});
    sum = mul(add(sum, term), {u, 0});
  }
  return sum;
}

} // namespace

Quad LogBaseN(Float base, Float x) {
  const Quad u = wide(x) - 1;
  const Quad v = wide(base) - 1;
  if (magnitude(u) < Quad(0x1p-20) && magnitude(v) < Quad(0x1p-20) && u != 0) {
    const QuadPair r = divide(log1pSeries(u), log1pSeries(v));
    // The double nearest hi + lo: hi's rounding, moved one step when lo
    // carries the value across the midpoint beside it (a transcendental
    // value never lies on one).
    const auto d = static_cast<Float>(r.hi);
    const Quad rest = (r.hi - wide(d)) + r.lo;
    const Float up = std::nextafter(d, HUGE_VAL);
    const Float down = std::nextafter(d, -HUGE_VAL);
    if (rest > (wide(up) - wide(d)) / 2)
      return wide(up);
    if (rest < (wide(down) - wide(d)) / 2)
      return wide(down);
    return wide(d);
  }
  return logq(wide(x)) / logq(wide(base));
}

// x^(n / 2^j) with |n| <= 64 and j <= 5 is the only kind of power whose
// true value can lie on a rounding boundary of doubles (its root must then
// have at most 54/|n| bits), so it is formed as j exact square roots and a
// whole power, all exact in that case. The rest go to powq.
Quad MagnitudePower(Float x, Float z) {
  const Quad a = magnitude(wide(x));
  for (int j = 0; j <= 5; ++j) {
    const Float scaled = std::ldexp(z, j);
    if (scaled == std::trunc(scaled) && std::fabs(scaled) <= 64) {
      Quad root = a;
      for (int k = 0; k < j; ++k)
        root = sqrtq(root);
      const Quad p = wholePower(root, static_cast<unsigned>(std::fabs(scaled)));
      return scaled > 0 ? p : 1 / p;
    }
  }
  return powq(a, wide(z));
}

// h^2 and v^2 are exact in 113 bits and so is their sum when the
// hypotenuse is a boundary case (its square has at most 108 bits).
Quad Pythag(Float h, Float v) { return sqrtq(wide(h) * wide(h) + wide(v) * wide(v)); }

Quad ArcTan(Float x) { return atanq(wide(x)); }
Quad ArcTan2(Float y, Float x) { return atan2q(wide(y), wide(x)); }
Quad ArcSin(Float x) { return asinq(wide(x)); }
Quad ArcCos(Float x) { return acosq(wide(x)); }
Quad ArcCot(Float x) { return atanq(1 / wide(x)); }

// (a - 1)(a + 1) is exact in quad for a double a.
Quad ArcSec(Float x) {
  const Quad a = magnitude(wide(x));
  return atan2q(sqrtq((a - 1) * (a + 1)), signOf(x));
}

Quad ArcCsc(Float x) {
  const Quad a = magnitude(wide(x));
  return atan2q(signOf(x), sqrtq((a - 1) * (a + 1)));
}

Quad Cosh(Float x) { return coshq(wide(x)); }
Quad Sinh(Float x) { return sinhq(wide(x)); }
Quad Tanh(Float x) { return tanhq(wide(x)); }
Quad Coth(Float x) { return 1 / tanhq(wide(x)); }
Quad Csch(Float x) { return 1 / sinhq(wide(x)); }
Quad Sech(Float x) { return 1 / coshq(wide(x)); }
Quad ArcSinh(Float x) { return asinhq(wide(x)); }
Quad ArcCosh(Float x) { return acoshq(wide(x)); }
Quad ArcTanh(Float x) { return atanhq(wide(x)); }

// atanh(1/x) would lose the accuracy of 1/x next to |x| = 1; a - 1 is
// exact.
Quad ArcCoth(Float x) {
  const Quad a = magnitude(wide(x));
  return signOf(x) * log1pq(2 / (a - 1)) / 2;
}

Quad ArcSech(Float x) {
  const Quad w = wide(x);
  return log1pq(((1 - w) + sqrtq((1 - w) * (1 + w))) / w);
}

Quad ArcCsch(Float x) { return asinhq(1 / wide(x)); }

} // namespace quorvex::quad
