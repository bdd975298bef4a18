#pragma once

#include "algebraic.h"
#include "argumentreduction.h"
#include "exponential.h"
#include "exponentialtables.h"
#include "hyperbolic.h"
#include "hyperbolictables.h"
#include "inversetrigonometric.h"
#include "inversetrigonometrictables.h"
#include "power.h"
#include "roundingdecision.h"
#include "taylorpolynomials.h"
#include "trigonometric.h"
#include "trigonometrictables.h"

#include "engine/columnroutines.h"
#include "engine/floattypes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The math routines over columns: each function's fast path evaluated for
// several arguments at once, one argument per lane of a vector, with the
// rounding decision made per lane. A lane whose bound decides the rounding
// has the correctly rounded value, which is what the routine returns; every
// other lane, and every argument outside the range a kernel takes (special
// values, arguments with a fixed answer, results that may be subnormal,
// arguments that need a wider reduction), is handed to the routine itself.
// So a column gives the routine's bits by construction.
//
// The kernels are templates over the lanes `V` of one instruction set
// (columnportable.cpp, columnavx2.cpp, columnavx512.cpp), each compiled for
// its own instructions. They follow the scalar fast paths operation by
// operation, without their branches: a choice between two forms is made
// per lane, and a form that is right for one value of a parameter is right
// for the lanes where the parameter is 0 too. Every function here is a
// template over V, whose type is private to its file: nothing compiled for
// one instruction set can be linked in place of another's. For the same
// reason the kernels call no inline function of the scalar library.
//
// V provides: width; fused (whether mulAdd is one rounding); the vector
// types D (doubles), I (signed 64-bit) and U (unsigned 64-bit), and M, a
// comparison's mask; splat, load, store, gather (doubles at base + index),
// fma when fused, sqrt, min and max, and bits (a mask's lanes as the low
// bits of an integer).
//
// Each kernel's bound is stated below and recomputed by
// tools/math_bounds.py from the kernel as written here.

namespace quorvex::columns {

// What the column forms hand back to the routines: the lanes (bits of
// `lanes`) of x[0 .. width) whose out[] the routine computes, or NaN where
// it raises an error or an argument is not finite (columnmath.cpp).
void settleLanes(Float (*routine)(Float), const Float *x, Float *out,
                 unsigned lanes) noexcept;
void settleLanes(Float (*routine)(Float, Float), const Float *x, std::size_t xStride,
                 const Float *z, std::size_t zStride, Float *out,
                 unsigned lanes) noexcept;

// The kernels' bounds (tools/math_bounds.py).
inline constexpr double expColumnEps = 0x1p-69;
inline constexpr double lnColumnEps = 0x1.4p-67;
inline constexpr double lnColumnNearOneEps = 0x1p-68;
inline constexpr double log2ColumnEps = 0x1p-66;
inline constexpr double log2ColumnNearOneEps = 0x1.6ap-68;
inline constexpr double sinCosColumnEps = 0x1p-66;
inline constexpr double tanColumnEps = 2 * sinCosColumnEps + fast::slack;
inline constexpr double arcTan2ColumnEps = 0x1p-68;
inline constexpr double pythagColumnEps = fast::slack;
inline constexpr double coshColumnEps = 0x1p-69;
inline constexpr double sinhColumnEps = 0x1.8p-68;
inline constexpr double tanhColumnEps = 0x1p-69;
inline constexpr double logBase10ColumnEps = lnColumnEps + fast::slack;
inline constexpr double logBase10ColumnNearOneEps = lnColumnNearOneEps + fast::slack;
// How much more than d the relative error e^d - 1 of power's result may be.
inline constexpr double powerColumnGrowth = 0x1p-40;

// --- the arithmetic of lanes -------------------------------------------------

template <class V> struct Twin { typename V::D hi, lo; };

// A kernel's values and the lanes whose rounding it decided.
template <class V> struct Decided {
  typename V::D value;
  typename V::M decided;
};

template <class V> [[gnu::always_inline]] inline typename V::I bitsOf(typename V::D v) {
  return reinterpret_cast<typename V::I>(v);
}
template <class V>
[[gnu::always_inline]] inline typename V::D doublesOf(typename V::I v) {
  return reinterpret_cast<typename V::D>(v);
}

template <class V>
[[gnu::always_inline]] inline typename V::D magnitude(typename V::D v) {
  return doublesOf<V>(bitsOf<V>(v) & 0x7fffffffffffffffLL);
}

// v with the sign of `sign` (a mask of lanes to negate) flipped.
template <class V>
[[gnu::always_inline]] inline Twin<V> negateWhere(typename V::M sign, Twin<V> v) {
  const typename V::I flip = reinterpret_cast<typename V::I>(sign) & INT64_MIN;
  return {doublesOf<V>(bitsOf<V>(v.hi) ^ flip), doublesOf<V>(bitsOf<V>(v.lo) ^ flip)};
}

template <class V>
[[gnu::always_inline]] inline Twin<V> twoSum(typename V::D a, typename V::D b) {
  const typename V::D s = a + b;
  const typename V::D bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

template <class V>
[[gnu::always_inline]] inline Twin<V> fastTwoSum(typename V::D a, typename V::D b) {
  const typename V::D s = a + b;
  return {s, b - (s - a)};
}

template <class V>
[[gnu::always_inline]] inline typename V::D mulAdd(typename V::D x, typename V::D y,
                                                   typename V::D z) {
  if constexpr (V::fused)
    return V::fma(x, y, z);
  else
    return x * y + z;
}

template <class V>
[[gnu::always_inline]] inline Twin<V> splitBits(typename V::D v, int dropped) {
  const typename V::D head =
      doublesOf<V>(bitsOf<V>(v) & static_cast<long long>(~((1ull << dropped) - 1)));
  return {head, v - head};
}

template <class V>
[[gnu::always_inline]] inline Twin<V> twoProd(typename V::D a, typename V::D b) {
  const typename V::D p = a * b;
  if constexpr (V::fused) {
    return {p, V::fma(a, b, -p)};
  } else {
    const Twin<V> x = splitBits<V>(a, 27);
    const Twin<V> y = splitBits<V>(b, 27);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
  }
}

template <class V>
[[gnu::always_inline]] inline Twin<V> mulDouble(Twin<V> a, typename V::D b) {
  const Twin<V> p = twoProd<V>(a.hi, b);
  return fastTwoSum<V>(p.hi, p.lo + a.lo * b);
}

template <class V> [[gnu::always_inline]] inline Twin<V> divide(Twin<V> a, Twin<V> b) {
  const typename V::D inverse = 1 / b.hi;
  const typename V::D q = a.hi * inverse;
  const Twin<V> p = mulDouble<V>(b, q);
  const typename V::D r = ((a.hi - p.hi) - p.lo) + a.lo;
  return fastTwoSum<V>(q, r * inverse);
}

inline constexpr double shifter = 0x1.8p52;
inline constexpr long long shifterBits = 0x4338000000000000LL;

// v + shifter: its low bits hold the nearest integer of |v| < 2^51, which
// (v + shifter) - shifter is as a double.
template <class V> [[gnu::always_inline]] inline typename V::D shifted(typename V::D v) {
  return v + shifter;
}
template <class V>
[[gnu::always_inline]] inline typename V::I integerOf(typename V::D s) {
  return bitsOf<V>(s) - shifterBits;
}
// A small integer as a double, exactly.
template <class V> [[gnu::always_inline]] inline typename V::D toDouble(typename V::I n) {
  return doublesOf<V>(n + shifterBits) - shifter;
}

// The rounding decision of roundsTo (roundingdecision.h), per lane, for a
// bound eps |v.hi| + absolute: both ends of the interval round alike. Each
// end, v.lo +- eps |v.hi| (+- absolute), is formed in one multiply-add where
// roundsTo rounds the product and the sum apart, and in those two roundings
// without the fused instruction: widened() covers either, as it covers
// roundsTo's own. Where the bound is relative only, the sign of v.hi merely
// swaps the two ends. The kernels take only arguments whose results are at
// least 2^-969 (where the double-double operations stay exact), so they
// need not test that here.
template <class V>
[[gnu::always_inline]] inline typename V::M roundsWithin(Twin<V> v, typename V::D eps,
                                                         typename V::D &out) {
  const typename V::D up = v.hi + mulAdd<V>(v.hi, eps, v.lo);
  const typename V::D down = v.hi + mulAdd<V>(v.hi, -eps, v.lo);
  out = up;
  return up == down;
}

template <class V>
[[gnu::always_inline]] inline typename V::M
roundsWithin(Twin<V> v, typename V::D eps, typename V::D absolute, typename V::D &out) {
  const typename V::D size = magnitude<V>(v.hi);
  const typename V::D up = v.hi + mulAdd<V>(size, eps, v.lo + absolute);
  const typename V::D down = v.hi + mulAdd<V>(size, -eps, v.lo - absolute);
  out = up;
  return up == down;
}

// --- exp -----------------------------------------------------------------------

// e^(x + xlo) as m 2^k (expFast, exponential.h): x = n ln2/256 + rh + rl,
// the products with the exact pieces of ln2/256 and their sums as there;
// the last step of a double x's reduction, rl = r.lo - n L2, is one
// multiply-add where expFast rounds twice. For a double x, e^r - 1 - rh
// is q = rl (1 + rh) + rh^2 P(rh) with P by Estrin's scheme, which leaves
// out rl rh^2/2 (below 2^-80: |rl| < 2^-60); for x + xlo, q is expFast's.
// The table's entry j = n mod 256 is picked by the low bits of n + 1.5 2^52.
template <class V> struct ExpLanes {
  Twin<V> m;
  typename V::I bits; // of n + 1.5 2^52
};

template <class V, bool WithLow>
[[gnu::always_inline]] inline ExpLanes<V> expLanes(typename V::D x, typename V::D xlo) {
  using D = typename V::D;
  const D s = shifted<V>(x * fast::log2eTimes256);
  const D nd = s - shifter;
  const D t = mulAdd<V>(nd, V::splat(-fast::ln2Over256[0]), x);
  const Twin<V> r = twoSum<V>(t, nd * -fast::ln2Over256[1]);
  const D rh = r.hi;
  const D r2 = rh * rh;
  const D p0 = mulAdd<V>(rh, V::splat(1.0 / 6), V::splat(0.5));
  const D p1 = mulAdd<V>(rh, V::splat(1.0 / 120), V::splat(1.0 / 24));
  D q;
  if constexpr (WithLow) {
    const D rl = r.lo + (xlo - nd * fast::ln2Over256[2]);
    const D polynomial = mulAdd<V>(
        rh,
        mulAdd<V>(rh,
                  mulAdd<V>(rh, mulAdd<V>(rh, V::splat(1.0 / 720), V::splat(1.0 / 120)),
                            V::splat(1.0 / 24)),
                  V::splat(1.0 / 6)),
        V::splat(0.5));
    const D one = V::splat(1);
    q = mulAdd<V>(rl, mulAdd<V>(rh, mulAdd<V>(rh, V::splat(0.5), one), one),
                  r2 * polynomial);
  } else {
    const D rl = mulAdd<V>(nd, V::splat(-fast::ln2Over256[2]), r.lo);
    const D polynomial = mulAdd<V>(r2, mulAdd<V>(r2, V::splat(1.0 / 720), p1), p0);
    q = mulAdd<V>(r2, polynomial, mulAdd<V>(rl, rh, rl));
  }
  const typename V::I bits = bitsOf<V>(s);
  const typename V::I j2 = (bits << 1) & 510;
  const double *table = &fast::expSplitTable[0].head;
  const D tableHead = V::gather(table, j2);
  const D tableTail = V::gather(table + 1, j2);
  const Twin<V> ra = splitBits<V>(rh, 27);
  const Twin<V> head = fastTwoSum<V>(tableHead, tableHead * ra.hi);
  const D rest = head.lo + (tableHead * (ra.lo + q) + tableTail * (1 + (rh + q)));
  return {fastTwoSum<V>(head.hi, rest), bits};
}

// 2^k for the k of expLanes' n, -1022 <= k <= 1023: the low bits of n +
// 1023 * 256 are 256 (k + 1023) + j.
template <class V>
[[gnu::always_inline]] inline typename V::D scaleOf(typename V::I bits) {
  const auto biased =
      reinterpret_cast<typename V::U>(bits + (1023LL * 256 - shifterBits));
  return doublesOf<V>(reinterpret_cast<typename V::I>((biased >> 8) << 52));
}

// For |x| < 708, where m 2^k (m within [0.99, 2)) is a normal double.
struct ExpKernel {
  static constexpr Float (*routine)(Float) = &math::Exp;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    const ExpLanes<V> e = expLanes<V, false>(x, V::splat(0));
    constexpr double eps = fast::widened(expColumnEps);
    typename V::D rounded;
    const typename V::M decided = roundsWithin<V>(e.m, V::splat(eps), rounded);
    return {rounded * scaleOf<V>(e.bits), decided & (magnitude<V>(x) < 708.0)};
  }
};

// --- the logarithms ----------------------------------------------------------------

// reduceLog (argumentreduction.h) of a normal x > 0: x = 2^e m, the table
// entry i for m, r = m c - 1 exactly; e counts one more above sqrt 2 (i >
// 106), where the entry holds -ln 2 (or -1, for log2) too. For any other x
// the lanes are wasted but harmless: i is at most 256 whatever the bits.
template <class V> struct LogReduced {
  typename V::D r, e;
  typename V::I i;
};

template <class V>
[[gnu::always_inline]] inline LogReduced<V> reduceLogLanes(typename V::D x) {
  using D = typename V::D;
  using I = typename V::I;
  using U = typename V::U;
  const I bits = bitsOf<V>(x);
  const I fraction = bits & ((1LL << 52) - 1);
  const I i = reinterpret_cast<I>(reinterpret_cast<U>(fraction + (1LL << 43)) >> 44);
  const D m = doublesOf<V>(fraction | (1023LL << 52));
  const D inverse = V::gather(&fast::logTable[0].inverse, (i << 1) + i);
  const I e = reinterpret_cast<I>(reinterpret_cast<U>(bits) >> 52) - 1023 -
              reinterpret_cast<I>(i > 106);
  D r;
  if constexpr (V::fused) {
    r = V::fma(m, inverse, V::splat(-1));
  } else {
    const Twin<V> split = splitBits<V>(m, 9);
    r = (split.hi * inverse - 1) + split.lo * inverse;
  }
  return {r, toDouble<V>(e), i};
}

// logSeries (exponential.h): ln(1 + r) as the exact r - z/2 and a tail.
template <class V> struct LogSeriesLanes {
  Twin<V> lead;
  typename V::D tail;
};

template <class V>
[[gnu::always_inline]] inline LogSeriesLanes<V> logSeriesLanes(typename V::D r) {
  using D = typename V::D;
  D z, zl;
  if constexpr (V::fused) {
    const Twin<V> square = twoProd<V>(r, r);
    z = square.hi;
    zl = square.lo;
  } else {
    const Twin<V> ra = splitBits<V>(r, 27);
    z = ra.hi * ra.hi;
    zl = (2 * ra.hi + ra.lo) * ra.lo;
  }
  const D r2 = r * r;
  const D polynomial = mulAdd<V>(
      r,
      mulAdd<V>(r2 * r2, mulAdd<V>(r, V::splat(1.0 / 9), V::splat(-0.125)),
                mulAdd<V>(r2, mulAdd<V>(r, V::splat(1.0 / 7), V::splat(-1.0 / 6)),
                          mulAdd<V>(r, V::splat(0.2), V::splat(-0.25)))),
      V::splat(1.0 / 3));
  // fastTwoSum(r, -z/2), -z/2 exact: each part one multiply-add.
  const D half = V::splat(-0.5);
  const D lead = mulAdd<V>(z, half, r);
  return {{lead, mulAdd<V>(z, half, r - lead)}, (r * r2) * polynomial - 0.5 * zl};
}

// logShort (exponential.h) of a normal x > 0, and whether its table part
// vanished (x within 2^-9 of 1), where its bound is relative only.
template <class V> struct LogLanes {
  Twin<V> v;
  typename V::M nearOne;
};

template <class V>
[[gnu::always_inline]] inline LogLanes<V> logShortLanes(typename V::D x) {
  using D = typename V::D;
  const LogReduced<V> a = reduceLogLanes<V>(x);
  const typename V::I entry = (a.i << 1) + a.i;
  const double *table = &fast::logTable[0].inverse;
  const D minusLogHi = V::gather(table + 1, entry);
  const D minusLogLo = V::gather(table + 2, entry);
  const LogSeriesLanes<V> series = logSeriesLanes<V>(a.r);
  const D tablePart = a.e * fast::ln2Parts[0] + minusLogHi;
  // Where the table part is not 0 it is at least 1.33 |r| (tools/
  // math_bounds.py checks), so that this sum is exact as it is in logShort.
  const Twin<V> sum = fastTwoSum<V>(tablePart, series.lead.hi);
  const D small = minusLogLo + a.e * fast::ln2Parts[1];
  const D lo = (sum.lo + (series.lead.lo + small)) + series.tail;
  return {fastTwoSum<V>(sum.hi, lo), tablePart == 0};
}

// The normal x > 0: ln x is at least 2^-53 for them, but 0 at x = 1, which
// goes to the routine.
template <class V>
[[gnu::always_inline]] inline typename V::M normalPositive(typename V::D x) {
  return (x >= 0x1p-1022) & (x <= 0x1.fffffffffffffp1023);
}

// lnFast (exponential.cpp): logShort's bound as a relative one.
struct LnKernel {
  static constexpr Float (*routine)(Float) = &math::Ln;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    const typename V::M inRange = normalPositive<V>(x);
    const LogLanes<V> l = logShortLanes<V>(x);
    constexpr double nearOneEps = fast::widened(lnColumnNearOneEps);
    constexpr double farEps = fast::widened(lnColumnEps);
    typename V::D out;
    const typename V::M decided =
        roundsWithin<V>(l.v, l.nearOne ? V::splat(nearOneEps) : V::splat(farEps), out);
    return {out, decided & inRange & (l.v.hi != 0)};
  }
};

// logBase10Fast (exponential.cpp): ln x times the double-double 1/ln 10.
struct LogBase10Kernel {
  static constexpr Float (*routine)(Float) = &math::LogBase10;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    const typename V::M inRange = normalPositive<V>(x);
    const LogLanes<V> l = logShortLanes<V>(x);
    const Twin<V> p = twoProd<V>(l.v.hi, V::splat(fast::invLn10DD.hi));
    const Twin<V> v = fastTwoSum<V>(
        p.hi, p.lo + (l.v.hi * fast::invLn10DD.lo + l.v.lo * fast::invLn10DD.hi));
    constexpr double nearOneEps = fast::widened(logBase10ColumnNearOneEps);
    constexpr double farEps = fast::widened(logBase10ColumnEps);
    typename V::D out;
    const typename V::M decided =
        roundsWithin<V>(v, l.nearOne ? V::splat(nearOneEps) : V::splat(farEps), out);
    return {out, decided & inRange & (v.hi != 0)};
  }
};

// logBase2Fast (exponential.cpp): e + T2 + ln(1 + r)/ln 2, T2 from log2Table.
struct LogBase2Kernel {
  static constexpr Float (*routine)(Float) = &math::LogBase2;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    const typename V::M inRange = normalPositive<V>(x);
    const LogReduced<V> a = reduceLogLanes<V>(x);
    const LogSeriesLanes<V> series = logSeriesLanes<V>(a.r);
    const typename V::I i2 = a.i << 1;
    const Twin<V> t2{V::gather(&fast::log2Table[0].hi, i2),
                     V::gather(&fast::log2Table[0].lo, i2)};
    const Twin<V> p = twoProd<V>(series.lead.hi, V::splat(fast::invLn2DD.hi));
    const D low = (series.lead.lo + series.tail) * fast::invLn2DD.hi +
                  series.lead.hi * fast::invLn2DD.lo;
    const D tablePart = a.e + t2.hi;
    const Twin<V> sum = twoSum<V>(tablePart, p.hi);
    const Twin<V> v = fastTwoSum<V>(sum.hi, (sum.lo + (p.lo + t2.lo)) + low);
    constexpr double nearOneEps = fast::widened(log2ColumnNearOneEps);
    constexpr double farEps = fast::widened(log2ColumnEps);
    D out;
    const typename V::M decided =
        roundsWithin<V>(v, tablePart == 0 ? V::splat(nearOneEps) : V::splat(farEps), out);
    return {out, decided & inRange & (v.hi != 0)};
  }
};

// --- power ---------------------------------------------------------------------

// powerFast (power.cpp) for a normal x > 0 and z with 2^-60 <= |z ln x| <
// 708: e^(z ln x) from logShort and expFast of the double-double argument,
// with the bound that both kernels' bounds give it. x = 1, z = 0, x < 0
// and the rest go to the routine.
struct PowerKernel {
  static constexpr Float (*routine)(Float, Float) = &math::Power;

  template <class V>
  [[gnu::always_inline]] static Decided<V> lanes(typename V::D x, typename V::D z) {
    using D = typename V::D;
    const typename V::M positive = normalPositive<V>(x);
    const D zs = magnitude<V>(z) <= 0x1.fffffffffffffp1023 ? z : V::splat(0);
    const LogLanes<V> l = logShortLanes<V>(x);
    const Twin<V> p = twoProd<V>(l.v.hi, zs);
    const D low = p.lo + l.v.lo * zs;
    const D ay = magnitude<V>(p.hi);
    const typename V::M inRange = positive & (ay >= 0x1p-60) & (ay < 708.0);
    const ExpLanes<V> e = expLanes<V, true>(p.hi, low);
    const D logEps =
        l.nearOne ? V::splat(fast::logNearOneEps) : V::splat(fast::logShortEps);
    const D logAbs = l.nearOne ? V::splat(0) : V::splat(fast::logShortAbs);
    const D eps = mulAdd<V>(
        ay, logEps,
        mulAdd<V>(magnitude<V>(zs), logAbs, V::splat(fast::expFastEps + fast::slack)));
    D rounded;
    const typename V::M decided = roundsWithin<V>(
        e.m, mulAdd<V>(eps, V::splat(1 + powerColumnGrowth), V::splat(0x1p-104)),
        rounded);
    return {rounded * scaleOf<V>(e.bits), decided & inRange};
  }
};

// --- sin, cos and tan ------------------------------------------------------------

// reduceTrig's short reduction (argumentreduction.h) of 0 <= a < 2^12: n =
// 512 a / pi rounded, r = a - n pi/512 (n's low bits: those of s), the last
// product and sum one multiply-add where reduceTrig rounds twice; its
// absolute error is 0 for n = 0.
template <class V> struct TrigLanes {
  typename V::D rh, rl, absError;
  typename V::I n;
};

template <class V>
[[gnu::always_inline]] inline TrigLanes<V> reduceTrigLanes(typename V::D a) {
  using D = typename V::D;
  const D s = shifted<V>(a * fast::invPiOver512);
  const D nd = s - shifter;
  const Twin<V> r = twoSum<V>(mulAdd<V>(nd, V::splat(-fast::piOver512Short[0]), a),
                              nd * -fast::piOver512Short[1]);
  constexpr double absolute = fast::shortReductionError * (1 + 0x1p-40);
  return {r.hi, mulAdd<V>(nd, V::splat(-fast::piOver512Short[2]), r.lo),
          nd == 0 ? V::splat(0) : V::splat(absolute), bitsOf<V>(s)};
}

// piecesOf and combine (trigonometric.cpp): u + v sin r + u (cos r - 1) for
// the table pair (u, v).
template <class V> struct TrigPieces {
  typename V::D rh, sinTail, cosMinusOne;
  Twin<V> rSplit;
};

template <class V>
[[gnu::always_inline]] inline TrigPieces<V> trigPieces(const TrigLanes<V> &t) {
  using D = typename V::D;
  const D rh = t.rh;
  const D rl = t.rl;
  const D z = rh * rh;
  const D sinPolynomial =
      mulAdd<V>(z,
                mulAdd<V>(z, mulAdd<V>(z, V::splat(1.0 / 362880), V::splat(-1.0 / 5040)),
                          V::splat(1.0 / 120)),
                V::splat(-1.0 / 6));
  const D cosPolynomial =
      mulAdd<V>(z,
                mulAdd<V>(z, mulAdd<V>(z, V::splat(1.0 / 40320), V::splat(-1.0 / 720)),
                          V::splat(1.0 / 24)),
                V::splat(-0.5));
  return {rh, rl + rh * z * sinPolynomial - 0.5 * z * rl, -rh * rl + z * cosPolynomial,
          splitBits<V>(rh, 27)};
}

template <class V>
[[gnu::always_inline]] inline Twin<V> combineLanes(const Twin<V> &u, const Twin<V> &v,
                                                   const TrigPieces<V> &p) {
  const Twin<V> vSplit = splitBits<V>(v.hi, 26);
  const Twin<V> head = fastTwoSum<V>(u.hi, vSplit.hi * p.rSplit.hi);
  const typename V::D small =
      head.lo + (u.lo + (vSplit.hi * p.rSplit.lo + (vSplit.lo + v.lo) * p.rh) +
                 v.hi * p.sinTail + u.hi * p.cosMinusOne);
  return fastTwoSum<V>(head.hi, small);
}

// sin x for 2^-969 <= |x| < 2^12 or cos x for |x| < 2^12 (trigonometric.cpp):
// sin or cos of j pi/512 + r, j = n mod 256, from the table pair that the
// quadrant (n >> 8) mod 4 picks, negated by the quadrant and, for sine, by
// the sign of x; cosine is sine a quarter turn on. No double below 2^12 has
// a sine or cosine below 2^-60.
template <bool Cosine> struct SinCosKernel {
  static constexpr Float (*routine)(Float) = Cosine ? &math::Cos : &math::Sin;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    using I = typename V::I;
    using M = typename V::M;
    const D ax = magnitude<V>(x);
    M inRange = ax < 0x1p12;
    if constexpr (!Cosine)
      inRange = inRange & (ax >= 0x1p-969);
    const TrigLanes<V> t = reduceTrigLanes<V>(ax);
    const I n = t.n + (Cosine ? 256 : 0);
    const I j = n & 255;
    const M odd = reinterpret_cast<M>((n & 256) != 0);
    const I opposite = 256 - j;
    const I u2 = (odd ? opposite : j) << 1;
    const I v2 = (odd ? j : opposite) << 1;
    const double *table = &fast::sinTable[0].hi;
    const Twin<V> u{V::gather(table, u2), V::gather(table + 1, u2)};
    const Twin<V> v =
        negateWhere<V>(odd, {V::gather(table, v2), V::gather(table + 1, v2)});
    M negative = reinterpret_cast<M>((n & 512) != 0);
    if constexpr (!Cosine)
      negative = negative ^ (x < 0);
    const Twin<V> value =
        negateWhere<V>(negative, combineLanes<V>(u, v, trigPieces<V>(t)));
    constexpr double eps = fast::widened(sinCosColumnEps);
    D out;
    const M decided = roundsWithin<V>(value, V::splat(eps), t.absError, out);
    return {out, decided & inRange};
  }
};

// tanFast (trigonometric.cpp) for 2^-969 <= |x| < 2^12: sin(a + r) and
// cos(a + r) for the quadrant's j, their quotient with the quadrant's sign
// and x's. With s and c each within eps of themselves plus the reduction's
// absolute error d, s/c = t is within 2 eps |t| + d (1 + |t|)/|c| (what
// tanFast's relative sEps + cEps is), and the quotient adds 2^-104 |t|.
struct TanKernel {
  static constexpr Float (*routine)(Float) = &math::Tan;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    using I = typename V::I;
    using M = typename V::M;
    const D ax = magnitude<V>(x);
    const M inRange = (ax < 0x1p12) & (ax >= 0x1p-969);
    const TrigLanes<V> t = reduceTrigLanes<V>(ax);
    const I j = t.n & 255;
    const M odd = reinterpret_cast<M>((t.n & 256) != 0);
    const I j2 = j << 1;
    const I opposite2 = (256 - j) << 1;
    const double *table = &fast::sinTable[0].hi;
    const Twin<V> sinA{V::gather(table, j2), V::gather(table + 1, j2)};
    const Twin<V> cosA{V::gather(table, opposite2), V::gather(table + 1, opposite2)};
    const TrigPieces<V> p = trigPieces<V>(t);
    const Twin<V> sinPart = combineLanes<V>(sinA, cosA, p);
    const Twin<V> cosPart = combineLanes<V>(cosA, {-sinA.hi, -sinA.lo}, p);
    // Odd quadrants: -cos/sin.
    const Twin<V> num{odd ? cosPart.hi : sinPart.hi, odd ? cosPart.lo : sinPart.lo};
    const Twin<V> den{odd ? sinPart.hi : cosPart.hi, odd ? sinPart.lo : cosPart.lo};
    const D inverse = 1 / den.hi;
    const D q = num.hi * inverse;
    const Twin<V> product = mulDouble<V>(den, q);
    const D remainder = ((num.hi - product.hi) - product.lo) + num.lo;
    const Twin<V> value =
        negateWhere<V>(odd ^ (x < 0), fastTwoSum<V>(q, remainder * inverse));
    constexpr double eps = fast::widened(tanColumnEps);
    const D absolute = t.absError * (1 + magnitude<V>(value.hi)) *
                       (magnitude<V>(inverse) * (1 + 0x1p-50));
    D out;
    const M decided = roundsWithin<V>(value, V::splat(eps), absolute, out);
    return {out, decided & inRange};
  }
};

// --- arctan2 and arctan ---------------------------------------------------------

// atan q for 0 < q = num/den <= 1 by the quotient kernel of arcsec and
// arccsc (atanQuotient, inversetrigonometric.cpp), for doubles: atan c +
// atan t for c = i/256 nearest q and t = (n - c d)/(d + c n), which for i =
// 0 (c = 0) is n/d.
template <class V>
[[gnu::always_inline]] inline Twin<V> atanOfRatio(typename V::D num, typename V::D den) {
  using D = typename V::D;
  const D s = shifted<V>(num / den * 256);
  const D c = (s - shifter) * (1.0 / 256);
  const Twin<V> d = splitBits<V>(den, 9);
  const Twin<V> nSplit = splitBits<V>(num, 9);
  const Twin<V> numerator = twoSum<V>(num - c * d.hi, -(c * d.lo));
  const Twin<V> sum = twoSum<V>(den, c * nSplit.hi);
  const Twin<V> denominator = fastTwoSum<V>(sum.hi, sum.lo + c * nSplit.lo);
  const Twin<V> t = divide<V>(numerator, denominator);
  const D th = t.hi;
  const D z = th * th;
  const D polynomial = mulAdd<V>(
      z, mulAdd<V>(z, mulAdd<V>(z, V::splat(1.0 / 9), V::splat(-1.0 / 7)), V::splat(0.2)),
      V::splat(-1.0 / 3));
  const D tail = t.lo + th * z * polynomial;
  const typename V::I i2 = (bitsOf<V>(s) << 1) & 1023;
  const double *table = &fast::atanTable[0].hi;
  const Twin<V> atanC{V::gather(table, i2), V::gather(table + 1, i2)};
  const Twin<V> head = fastTwoSum<V>(atanC.hi, th);
  return fastTwoSum<V>(head.hi, head.lo + (atanC.lo + tail));
}

// atan2(y, x) for |y| and |x| in [2^-400, 2^400] from atan q, q the smaller
// of |y| and |x| over the larger: the quadrant makes it atan q, pi/2 -+
// atan q or pi - atan q, each at least atan q or pi/4, with y's sign; at
// least 2^-800.
template <class V>
[[gnu::always_inline]] inline Decided<V> arcTan2Lanes(typename V::D y, typename V::D x) {
  using D = typename V::D;
  using M = typename V::M;
  const D ay0 = magnitude<V>(y);
  const D ax0 = magnitude<V>(x);
  const M inRange =
      (ay0 >= 0x1p-400) & (ay0 <= 0x1p400) & (ax0 >= 0x1p-400) & (ax0 <= 0x1p400);
  const D ay = inRange ? ay0 : V::splat(1);
  const D ax = inRange ? ax0 : V::splat(1);
  const M steep = ay > ax;
  const Twin<V> angle = atanOfRatio<V>(V::min(ay, ax), V::max(ay, ax));
  const M negativeX = x < 0;
  const D baseHi = steep       ? V::splat(fast::halfPiDD.hi)
                   : negativeX ? V::splat(fast::piDD.hi)
                               : V::splat(0);
  const D baseLo = steep       ? V::splat(fast::halfPiDD.lo)
                   : negativeX ? V::splat(fast::piDD.lo)
                               : V::splat(0);
  const Twin<V> signedAngle = negateWhere<V>(steep ^ negativeX, angle);
  const Twin<V> total = twoSum<V>(baseHi, signedAngle.hi);
  const Twin<V> value = negateWhere<V>(
      y < 0, fastTwoSum<V>(total.hi, total.lo + (baseLo + signedAngle.lo)));
  constexpr double eps = fast::widened(arcTan2ColumnEps);
  D out;
  const M decided = roundsWithin<V>(value, V::splat(eps), out);
  return {out, decided & inRange};
}

struct ArcTan2Kernel {
  static constexpr Float (*routine)(Float, Float) = &math::ArcTan2;

  template <class V>
  [[gnu::always_inline]] static Decided<V> lanes(typename V::D y, typename V::D x) {
    return arcTan2Lanes<V>(y, x);
  }
};

// arctan x = atan2(x, 1).
struct ArcTanKernel {
  static constexpr Float (*routine)(Float) = &math::ArcTan;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    return arcTan2Lanes<V>(x, V::splat(1));
  }
};

// --- the hyperbolic functions -----------------------------------------------------

// expBoth (hyperbolic.cpp): e^a 2^-k and e^-a 2^k from one reduction of a
// double a >= 1/2, each as a head and a rest below 2^-19 of it, and k.
template <class V> struct ExpPairLanes {
  typename V::D plusHead, plusRest, minusHead, minusRest;
  typename V::I k;
};

template <class V>
[[gnu::always_inline]] inline ExpPairLanes<V> expPairLanes(typename V::D a) {
  using D = typename V::D;
  using I = typename V::I;
  const D s = shifted<V>(a * fast::log2eTimes256);
  const D nd = s - shifter;
  const D t = mulAdd<V>(nd, V::splat(-fast::ln2Over256[0]), a);
  const Twin<V> r = twoSum<V>(t, nd * -fast::ln2Over256[1]);
  const D rh = r.hi;
  const D rl = mulAdd<V>(nd, V::splat(-fast::ln2Over256[2]), r.lo);
  const D h2 = rh * rh;
  const D even = mulAdd<V>(h2, mulAdd<V>(h2, V::splat(1.0 / 720), V::splat(1.0 / 24)),
                           V::splat(0.5));
  const D odd = rh * mulAdd<V>(h2, V::splat(1.0 / 120), V::splat(1.0 / 6));
  const D lowOdd = rl * rh;
  const D qPlus = mulAdd<V>(h2, even + odd, rl + lowOdd);
  const D qMinus = mulAdd<V>(h2, even - odd, lowOdd - rl);
  // n >= 0 for a >= 1/2.
  const I n = bitsOf<V>(s) - shifterBits;
  const I j = n & 255;
  const I plus2 = j << 1;
  const I minus2 = ((256 - j) & 255) << 1;
  const double *table = &fast::expSplitTable[0].head;
  const D tpHead = V::gather(table, plus2);
  const D tpTail = V::gather(table + 1, plus2);
  const D tmHead = V::gather(table, minus2);
  const D tmTail = V::gather(table + 1, minus2);
  const Twin<V> ra = splitBits<V>(rh, 27);
  const Twin<V> headPlus = fastTwoSum<V>(tpHead, tpHead * ra.hi);
  const D restPlus =
      headPlus.lo + (tpHead * (ra.lo + qPlus) + tpTail * (1 + (rh + qPlus)));
  const Twin<V> headMinus = fastTwoSum<V>(tmHead, -(tmHead * ra.hi));
  const D restMinus =
      headMinus.lo + (tmHead * (qMinus - ra.lo) + tmTail * (1 + (qMinus - rh)));
  const D half = j == 0 ? V::splat(1) : V::splat(0.5);
  return {headPlus.hi, restPlus, half * headMinus.hi, half * restMinus,
          reinterpret_cast<I>(reinterpret_cast<typename V::U>(n) >> 8)};
}

// 2^e for -1022 <= e <= 1023.
template <class V>
[[gnu::always_inline]] inline typename V::D powerOfTwo(typename V::I e) {
  return doublesOf<V>((e + 1023) << 52);
}

// taylorValue (taylorpolynomials.h) of 0 <= s <= (entries - 1)/256: the
// Taylor polynomial of the table's entry i = 256 s rounded, at t = s -
// i/256; taylorAt with base 0, scale 1 and d = 0, its terms that vanish
// left out.
template <class V>
[[gnu::always_inline]] inline Twin<V> taylorLanes(const fast::TaylorEntry *table,
                                                  typename V::D s) {
  using D = typename V::D;
  static_assert(sizeof(fast::TaylorEntry) == 11 * sizeof(double));
  const D sh = shifted<V>(s * 256);
  const D t = s - (sh - shifter) * (1.0 / 256);
  const typename V::I i = bitsOf<V>(sh) - shifterBits;
  const typename V::I entry = (i << 3) + (i << 1) + i;
  const double *base = &table[0].value.hi;
  D a[7];
  for (int k = 0; k < 7; ++k)
    a[k] = V::gather(base + 4 + k, entry);
  const Twin<V> value{V::gather(base, entry), V::gather(base + 1, entry)};
  const Twin<V> slope{V::gather(base + 2, entry), V::gather(base + 3, entry)};
  const D t2 = t * t;
  const D rest =
      mulAdd<V>(t2 * t2, mulAdd<V>(t, a[6], a[5]),
                mulAdd<V>(t2, mulAdd<V>(t, a[4], a[3]), mulAdd<V>(t, a[2], a[1])));
  const D higher = t2 * mulAdd<V>(t, rest, a[0]);
  const Twin<V> p = twoProd<V>(slope.hi, t);
  const Twin<V> head = fastTwoSum<V>(value.hi, p.hi);
  const D small = value.lo + (p.lo + slope.lo * t);
  return fastTwoSum<V>(head.hi, (head.lo + small) + higher);
}

// The hyperbolic functions' small arguments from their tables (coshOf,
// sinhOf and tanhOf): below 1, 1/2 and ln(3)/2, at least 2^-27. The
// column loop gives them the arguments the first kernels leave, gathered
// into full vectors.
template <int Function> struct HyperbolicTaylorKernel {
  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    const fast::TaylorEntry *table = Function == 0   ? fast::coshTaylorTable
                                     : Function == 1 ? fast::sinhTaylorTable
                                                     : fast::tanhTaylorTable;
    constexpr double end = Function == 0 ? 1 : Function == 1 ? 0.5 : 0.5493061443340549;
    constexpr double eps = fast::widened((Function == 0   ? fast::coshTaylorEps
                                          : Function == 1 ? fast::sinhTaylorEps
                                                          : fast::tanhTaylorEps) +
                                         fast::slack);
    const D a = magnitude<V>(x);
    const typename V::M inRange = (a >= 0x1p-27) & (a < end);
    Twin<V> v = taylorLanes<V>(table, inRange ? a : V::splat(0));
    if constexpr (Function != 0)
      v = negateWhere<V>(x < 0, v);
    D out;
    const typename V::M decided = roundsWithin<V>(v, V::splat(eps), out);
    return {out, decided & inRange};
  }
};

// coshOf and sinhOf (hyperbolic.cpp) from 1 (cosh) or 1/2 (sinh) up to 708:
// 2^(k-1) (p +- q 2^-2k) for e^a = p 2^k and e^-a = q 2^-k (pairSum), where
// from k = 60 on the second term is left out (2^-2k taken as 0). Below,
// the tables of Taylor polynomials (the second kernel); tiny arguments have
// their fixed answers, 1 and x.
template <bool Sine> struct CoshSinhKernel {
  static constexpr Float (*routine)(Float) = Sine ? &math::Sinh : &math::Cosh;
  using Second = HyperbolicTaylorKernel<Sine ? 1 : 0>;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    using M = typename V::M;
    const D a = magnitude<V>(x);
    const M inRange = (a >= (Sine ? 0.5 : 1.0)) & (a <= 708.0);
    const ExpPairLanes<V> e = expPairLanes<V>(a);
    const M near = reinterpret_cast<M>(e.k < 60);
    const D f = near ? powerOfTwo<V>(-2 * e.k) : V::splat(0);
    const D signedF = Sine ? -f : f;
    const Twin<V> sum = twoSum<V>(e.plusHead, signedF * e.minusHead);
    Twin<V> m = fastTwoSum<V>(sum.hi, sum.lo + (e.plusRest + signedF * e.minusRest));
    if constexpr (Sine)
      m = negateWhere<V>(x < 0, m);
    constexpr double farEps = fast::widened(coshColumnEps + fast::slack);
    constexpr double nearEps =
        fast::widened((Sine ? sinhColumnEps : coshColumnEps) + fast::slack);
    D rounded;
    const M decided =
        roundsWithin<V>(m, near ? V::splat(nearEps) : V::splat(farEps), rounded);
    const M tiny = a < 0x1p-26;
    const D tinyValue = Sine ? x : V::splat(1);
    return {tiny ? tinyValue : rounded * powerOfTwo<V>(e.k - 1),
            tiny | (decided & inRange)};
  }
};

// tanhOf (hyperbolic.cpp) from ln(3)/2 to 22: 1 - 2/(e^2a + 1) with e^2a
// the column exp's; beyond 22 it is +-1, below 2^-27 x, and in between the
// table of Taylor polynomials (the second kernel).
struct TanhKernel {
  static constexpr Float (*routine)(Float) = &math::Tanh;
  using Second = HyperbolicTaylorKernel<2>;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    using D = typename V::D;
    using M = typename V::M;
    const D a = magnitude<V>(x);
    const ExpLanes<V> e = expLanes<V, false>(a + a, V::splat(0));
    const D scale = scaleOf<V>(e.bits);
    const Twin<V> sum0 = twoSum<V>(e.m.hi * scale, V::splat(1));
    const Twin<V> sum = fastTwoSum<V>(sum0.hi, sum0.lo + e.m.lo * scale);
    const D inverse = 1 / sum.hi;
    const D q = 2 * inverse;
    const Twin<V> p = mulDouble<V>(sum, q);
    const Twin<V> quotient = fastTwoSum<V>(q, ((2 - p.hi) - p.lo) * inverse);
    const Twin<V> one = twoSum<V>(-quotient.hi, V::splat(1));
    const Twin<V> value =
        negateWhere<V>(x < 0, fastTwoSum<V>(one.hi, one.lo + -quotient.lo));
    constexpr double eps = fast::widened(tanhColumnEps + fast::slack);
    D rounded;
    const M decided = roundsWithin<V>(value, V::splat(eps), rounded);
    const M saturated = (a > 22.0) & (a <= 0x1.fffffffffffffp1023);
    const M tiny = a < 0x1p-27;
    const D one1 = doublesOf<V>(bitsOf<V>(V::splat(1)) | (bitsOf<V>(x) & INT64_MIN));
    return {saturated ? one1
            : tiny    ? x
                      : rounded,
            saturated | tiny | (decided & (a >= 0.5493061443340549))};
  }
};

// --- the algebraic functions -----------------------------------------------------------

// Single correctly rounded operations: the square of a finite x unless it
// overflows, the root of x >= 0, the magnitude.
struct SquareKernel {
  static constexpr Float (*routine)(Float) = &math::Square;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    const typename V::D square = x * x;
    return {square, square <= 0x1.fffffffffffffp1023};
  }
};

struct SqrtKernel {
  static constexpr Float (*routine)(Float) = &math::Sqrt;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    return {V::sqrt(x), (x >= 0) & (x <= 0x1.fffffffffffffp1023)};
  }
};

struct AbsKernel {
  static constexpr Float (*routine)(Float) = &math::Abs;

  template <class V> [[gnu::always_inline]] static Decided<V> lanes(typename V::D x) {
    const typename V::D a = magnitude<V>(x);
    return {a, a <= 0x1.fffffffffffffp1023};
  }
};

// pythagFast (algebraic.cpp) for a = max(|h|, |v|) within [2^-400, 2^400]:
// the double-double root of the exact squares' sum; where b = min(|h|, |v|)
// is below 2^-60 a (0 included) the result is a.
struct PythagKernel {
  static constexpr Float (*routine)(Float, Float) = &math::Pythag;

  template <class V>
  [[gnu::always_inline]] static Decided<V> lanes(typename V::D h, typename V::D v) {
    using D = typename V::D;
    const D ah = magnitude<V>(h);
    const D av = magnitude<V>(v);
    const typename V::M larger = ah < av;
    const D a = larger ? av : ah;
    const D b = larger ? ah : av;
    const typename V::M inRange = (a >= 0x1p-400) & (a <= 0x1p400);
    const typename V::M negligible = b < a * 0x1p-60;
    const D as = inRange ? a : V::splat(1);
    const D bs = inRange ? b : V::splat(1);
    const Twin<V> aa = twoProd<V>(as, as);
    const Twin<V> bb = twoProd<V>(bs, bs);
    Twin<V> sum = twoSum<V>(aa.hi, bb.hi);
    const Twin<V> lows = twoSum<V>(aa.lo, bb.lo);
    sum = fastTwoSum<V>(sum.hi, sum.lo + lows.hi);
    sum = fastTwoSum<V>(sum.hi, sum.lo + lows.lo);
    const D root = V::sqrt(sum.hi);
    const Twin<V> square = twoProd<V>(root, root);
    const D remainder = ((sum.hi - square.hi) - square.lo) + sum.lo;
    const Twin<V> value = fastTwoSum<V>(root, remainder / (2 * root));
    constexpr double eps = fast::widened(pythagColumnEps);
    D out;
    const typename V::M decided = roundsWithin<V>(value, V::splat(eps), out);
    return {negligible ? a : out,
            negligible ? (a <= 0x1.fffffffffffffp1023) : (decided & inRange)};
  }
};

// --- the loops over a column ----------------------------------------------------

// Undecided lanes are settled after each chunk of vectors, so that the loop
// that runs the kernel makes no call.
inline constexpr std::size_t chunkVectors = 64;

// A kernel's Arity arguments for rows 0 .. n - 1: at[k] is a column where
// bit k of Columns is set, else one value that every row shares.
template <std::size_t Arity> struct ColumnArguments { const Float *at[Arity]; };

// The rows (bits of pending[k]) of the vectors k < vectors from row 0 of
// `arguments` and out on, that a kernel left undecided: to its second
// kernel, if it has one, in full vectors of those rows alone, and what that
// leaves to the routine.
template <class V, class Kernel, unsigned Columns, std::size_t Arity>
void settleChunk(const ColumnArguments<Arity> &arguments, Float *out,
                 const unsigned *pending, std::size_t vectors) noexcept {
  constexpr std::size_t width = V::width;
  if constexpr (requires { typename Kernel::Second; }) {
    static_assert(Arity == 1 && Columns == 1);
    alignas(64) Float xs[chunkVectors * width + width];
    alignas(64) Float results[chunkVectors * width + width];
    unsigned short where[chunkVectors * width];
    std::size_t count = 0;
    for (std::size_t k = 0; k < vectors; ++k)
      for (unsigned lanes = pending[k]; lanes != 0; lanes &= lanes - 1) {
        where[count] = static_cast<unsigned short>(k * width + std::countr_zero(lanes));
        xs[count] = arguments.at[0][where[count]];
        ++count;
      }
    for (std::size_t k = count; k % width != 0; ++k)
      xs[k] = xs[count - 1];
    for (std::size_t j = 0; j < count; j += width) {
      const Decided<V> d = Kernel::Second::template lanes<V>(V::load(xs + j));
      V::store(results + j, d.value);
      for (unsigned lanes = ~V::bits(d.decided); lanes != 0; lanes &= lanes - 1) {
        const std::size_t k = j + static_cast<std::size_t>(std::countr_zero(lanes));
        if (k >= count || k - j >= width)
          break;
        settleLanes(Kernel::routine, xs + k, results + k, 1);
      }
    }
    for (std::size_t k = 0; k < count; ++k)
      out[where[k]] = results[k];
  } else {
    for (std::size_t k = 0; k < vectors; ++k) {
      if (pending[k] == 0)
        continue;
      const std::size_t row = k * width;
      if constexpr (Arity == 1)
        settleLanes(Kernel::routine, arguments.at[0] + row, out + row, pending[k]);
      else
        settleLanes(Kernel::routine, arguments.at[0] + (Columns & 1 ? row : 0),
                    Columns & 1, arguments.at[1] + (Columns & 2 ? row : 0),
                    (Columns & 2) >> 1, out + row, pending[k]);
    }
  }
}

template <class V, class Kernel, unsigned Columns, std::size_t Arity>
[[gnu::always_inline]] inline Decided<V> lanesAt(const ColumnArguments<Arity> &arguments,
                                                 std::size_t row) {
  const auto load = [&](std::size_t k) {
    return (Columns >> k & 1) != 0 ? V::load(arguments.at[k] + row)
                                   : V::splat(*arguments.at[k]);
  };
  if constexpr (Arity == 1)
    return Kernel::template lanes<V>(load(0));
  else
    return Kernel::template lanes<V>(load(0), load(1));
}

// The kernel over n rows, two vectors at a time so that the processor
// overlaps their long chains of dependent operations.
template <class V, class Kernel, unsigned Columns, std::size_t Arity>
void columnOf(const ColumnArguments<Arity> &arguments, Float *out,
              std::size_t n) noexcept {
  constexpr std::size_t width = V::width;
  constexpr unsigned all = (1u << width) - 1;
  const auto from = [&](std::size_t row) {
    ColumnArguments<Arity> shifted = arguments;
    for (std::size_t k = 0; k < Arity; ++k)
      shifted.at[k] += (Columns >> k & 1) != 0 ? row : 0;
    return shifted;
  };
  std::size_t i = 0;
  while (n - i >= width) {
    const std::size_t vectors =
        (n - i) / width < chunkVectors ? (n - i) / width : chunkVectors;
    unsigned pending[chunkVectors];
    unsigned any = 0;
    std::size_t k = 0;
    for (; k + 2 <= vectors; k += 2) {
      const std::size_t row = i + k * width;
      const Decided<V> d0 = lanesAt<V, Kernel, Columns>(arguments, row);
      const Decided<V> d1 = lanesAt<V, Kernel, Columns>(arguments, row + width);
      V::store(out + row, d0.value);
      V::store(out + row + width, d1.value);
      pending[k] = ~V::bits(d0.decided) & all;
      pending[k + 1] = ~V::bits(d1.decided) & all;
      any |= pending[k] | pending[k + 1];
    }
    for (; k < vectors; ++k) {
      const std::size_t row = i + k * width;
      const Decided<V> d = lanesAt<V, Kernel, Columns>(arguments, row);
      V::store(out + row, d.value);
      pending[k] = ~V::bits(d.decided) & all;
      any |= pending[k];
    }
    if (any != 0) [[unlikely]]
      settleChunk<V, Kernel, Columns>(from(i), out + i, pending, vectors);
    i += vectors * width;
  }
  if (i == n)
    return;
  // The last few rows in a vector of their own, the other lanes repeating
  // the last row.
  const std::size_t rest = n - i;
  alignas(64) Float values[Arity][width];
  alignas(64) Float results[width];
  ColumnArguments<Arity> last;
  for (std::size_t a = 0; a < Arity; ++a) {
    for (std::size_t k = 0; k < width; ++k)
      values[a][k] = from(i + (k < rest ? k : rest - 1)).at[a][0];
    last.at[a] = values[a];
  }
  constexpr unsigned allColumns = (1u << Arity) - 1;
  const Decided<V> d = lanesAt<V, Kernel, allColumns>(last, 0);
  V::store(results, d.value);
  const unsigned pending = ~V::bits(d.decided) & ((1u << rest) - 1);
  if (pending != 0)
    settleChunk<V, Kernel, allColumns>(last, results, &pending, 1);
  for (std::size_t k = 0; k < rest; ++k)
    out[i + k] = results[k];
}

template <class V, class Kernel>
void unaryColumn(const Float *x, Float *out, std::size_t n) noexcept {
  columnOf<V, Kernel, 1>(ColumnArguments<1>{{x}}, out, n);
}

template <class V, class Kernel>
void binaryColumn(const Float *x, std::size_t xStride, const Float *z,
                  std::size_t zStride, Float *out, std::size_t n) noexcept {
  const ColumnArguments<2> arguments{{x, z}};
  if (xStride != 0 && zStride != 0)
    columnOf<V, Kernel, 3>(arguments, out, n);
  else if (xStride != 0)
    columnOf<V, Kernel, 1>(arguments, out, n);
  else if (zStride != 0)
    columnOf<V, Kernel, 2>(arguments, out, n);
  else
    columnOf<V, Kernel, 0>(arguments, out, n);
}

// --- the table of one instruction set ----------------------------------------------

struct ColumnKernels {
#define QUORVEX_UNARY_COLUMN(name, member, Kernel) UnaryColumnRoutine member;
#define QUORVEX_BINARY_COLUMN(name, member, Kernel) BinaryColumnRoutine member;
#include "columnforms.def"
};

// One table per instruction set, each from its own file.
extern const ColumnKernels portableKernels;
extern const ColumnKernels avx2Kernels;
extern const ColumnKernels avx512Kernels;

template <class V> constexpr ColumnKernels kernelsFor() {
  return {
#define QUORVEX_UNARY_COLUMN(name, member, Kernel) &unaryColumn<V, Kernel>,
#define QUORVEX_BINARY_COLUMN(name, member, Kernel) &binaryColumn<V, Kernel>,
#include "columnforms.def"
  };
}

} // namespace quorvex::columns
