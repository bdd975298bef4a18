#include "kernels.h"

#include "tables.h"

#include <bit>
#include <cstdint>

namespace quorvex::fast {

namespace {

__extension__ typedef unsigned __int128 UInt128;

// 2^k for -1022 <= k <= 1023, built from its bits.
double powerOfTwo(int k) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// Nearest integer of |v| < 2^51 in the default rounding mode, without a
// library call: adding 1.5 * 2^52 leaves no fraction bits.
double nearestInteger(double v) {
  constexpr double Shifter = 0x1.8p52;
  return (v + Shifter) - Shifter;
}

} // namespace

bool RoundsScaled(DD m, double err, int k, double &out) {
  if (k < -1014)
    return false;
  double rounded = 0;
  if (!RoundsTo(m, err, rounded))
    return false;
  out = k <= 1023 ? rounded * powerOfTwo(k) : rounded * 0x1p1023 * powerOfTwo(k - 1023);
  return true;
}

// --- exp ---------------------------------------------------------------------
//
// y = n ln2/256 + r with n the nearest integer to 256 y/ln2, so |r| <=
// ln2/512 (1 + 2^-40) < 2^-9.5 once the rounding of the product is
// allowed for. n = 256 k + j. y.hi - n L0 is exact: n L0 is (34 + 19 bits)
// and lies within a factor 2 of y.hi whenever n != 0 (Sterbenz). n L1 is
// exact too, and the rest, y.lo - n L2 with |n L2| < 2^-60, rounds by
// under 2^-97, which is the reduction's whole error.
//
// e^r - 1 = r + r^2/2 + ... + r^7/7! in the Taylor form: the next term is
// below 2^-91 relative to r. r^2 = rh^2 + 2 rh rl is formed with the exact
// square of rh; the cubic and higher terms, below 2^-30 relative to r,
// are evaluated in double with a relative error under 4u, 2^-51 of a part
// that is 2^-21 of p: 2^-72. Summing adds u^2-sized errors: ExpPolyEps =
// 2^-71 relative to p.
ExpParts ExpReduce(DD y) {
  const double nd = nearestInteger(y.hi * Log2eTimes256);
  const double t = y.hi - nd * Ln2Over256[0];
  const DD s = TwoSum(t, -nd * Ln2Over256[1]);
  const DD r = TwoSum(s.hi, s.lo + (y.lo - nd * Ln2Over256[2]));
  const auto n = static_cast<int>(nd);

  const double rh = r.hi;
  const double rl = r.lo;
  const DD square = TwoProd(rh, rh);
  const double higher =
      rh * square.hi *
      (1.0 / 6 + rh * (1.0 / 24 + rh * (1.0 / 120 + rh * (1.0 / 720 + rh * (1.0 / 5040)))));
  const DD lead = FastTwoSum(rh, 0.5 * square.hi);
  const double tail = lead.lo + (rl + rh * rl + 0.5 * square.lo + higher);
  return {n >> 8, ExpTable[n & 255], FastTwoSum(lead.hi, tail)};
}

// T (1 + p) = T.hi + T.hi p.hi + (T.lo + T.hi p.lo + T.lo p). With |p| <
// 2^-9.4 its error is |T p| ExpPolyEps < 2^-80 relative to the result,
// plus the table's 2^-106 and a few u^2 of the sums: ExpEps = 2^-74 holds
// with room.
DD ExpMantissa(const ExpParts &parts) {
  const DD &t = parts.table;
  const DD &p = parts.p;
  const DD main = TwoProd(t.hi, p.hi);
  const DD head = FastTwoSum(t.hi, main.hi);
  const double rest = head.lo + (main.lo + t.lo + (t.hi * p.lo + t.lo * p.hi));
  return FastTwoSum(head.hi, rest);
}

// The fast e^x for a double x: the same reduction without y.lo, and e^r
// evaluated as 1 + rh + q, q = rl + rh rl + rh^2 (1/2 + ... + rh^4/720) in
// double: q < 2^-19.9, the Taylor remainder r^7/7! < 2^-78.8, and the
// roundings of q stay under 3u |q| = 2^-71.4. T (1 + rh + q) = T1 + T1 ra
// + (T1 (rb + q) + T2 (1 + rh + q)) with T1 the table's head cut to 27
// bits and ra rh cut to 26, so T1 ra is exact; the rest is below 2^-19
// and summed with under 2^-72.5 of rounding. With the table's 2^-106 the
// total stays below 2^-70.3 relative: ExpFastEps = 2^-69.
ExpScaled ExpFast(double x) {
  const double nd = nearestInteger(x * Log2eTimes256);
  const double t = x - nd * Ln2Over256[0];
  const DD r = TwoSum(t, -nd * Ln2Over256[1]);
  const double rh = r.hi;
  const double rl = r.lo - nd * Ln2Over256[2];
  const double q =
      rl + rh * rl +
      rh * rh * (0.5 + rh * (1.0 / 6 + rh * (1.0 / 24 + rh * (1.0 / 120 + rh * (1.0 / 720)))));
  const auto n = static_cast<int>(nd);
  const DD &table = ExpTable[n & 255];
  const DD t1 = SplitBits(table.hi, 26);
  const DD ra = SplitBits(rh, 27);
  const DD head = FastTwoSum(t1.hi, t1.hi * ra.hi);
  const double t2 = t1.lo + table.lo;
  const double rest = head.lo + (t1.hi * (ra.lo + q) + t2 * (1 + (rh + q)));
  return {FastTwoSum(head.hi, rest), n >> 8};
}

// e^x - 1 = (2^k T - 1) + 2^k T p. The first part is exact to 2^-105 (the
// table's tail), the second carries the polynomial's error 2^-71 |p|, and
// the two never cancel by more than a factor 3: |2^k T - 1| >= |r| unless
// n == 0, where the first part vanishes and e^x - 1 = p. So the relative
// error stays below 3 * 2^-71 plus the sums' u^2 terms: Expm1Eps = 2^-69.
DD Expm1(double x) {
  const ExpParts parts = ExpReduce({x, 0});
  if (parts.k == 0 && parts.table.hi == 1)
    return parts.p;
  const double scale = powerOfTwo(parts.k);
  const DD t = Scale(parts.table, scale);
  const DD head = TwoSum(t.hi, -1);
  const DD first = FastTwoSum(head.hi, head.lo + t.lo);
  return Add(first, Mul(t, parts.p));
}

// --- log ---------------------------------------------------------------------
//
// x = 2^e m, m in [1, 2); i = round(256 (m - 1)) picks c ~ 1/(1 + i/256)
// and ln x = e ln2 - ln c + ln(1 + r), r = m c - 1, exact in double (c has
// 9 bits, |r| < 2^-8.3). Above sqrt 2 the table's entry includes -ln 2
// and e counts one more, so that for x near 1 from below no large terms
// cancel.
//
// ln(1 + r) = r - r^2/2 + r^3/3 - ... - r^8/8 + r^9/9: the next term is
// below 2^-84 relative to r. r, r^2/2 (exact square of rh plus rh rl) and
// r^3/3 (exact cube of rh, divided by 3 with its remainder) are double-
// doubles; the quartic and higher terms, below 2^-26 relative to r, are
// evaluated in double with relative error under 4u: 2^-77 relative to r.
// Against the result the error is 2^-77 relative to r, and the result is
// at least |r| / 3 when the table value or e ln2 is not zero: the three
// terms never cancel by more (|r| <= |ln c| / 2 for i != 0, and |e ln2 -
// ln c| >= 0.34 for e != 0). So 2^-77 * 3 in the worst case: but there the
// quartic term is 2^-26 of the r part and only a third of the result, so
// the measured and bounded error is below 2^-78.5; LogEps = 2^-77.
namespace {

// m c - 1 exactly, for m in [1, 2) and the table's 9-bit c: m = mh + ml
// with mh of 44 bits, so mh c and ml c are exact, mh c - 1 is exact by
// Sterbenz, and the sum is exact because m c - 1 = (M C - 2^61) 2^-61
// with |M C - 2^61| < 2^53.
double exactReduction(double m, double c) {
  const DD split = SplitBits(m, 9);
  return (split.hi * c - 1) + split.lo * c;
}

struct LogArgument {
  int e;
  double r;
  const LogEntry *entry;
};

// x = 2^e m with the table entry for m and r = m c - 1.
LogArgument reduceLog(double x) {
  auto bits = std::bit_cast<std::uint64_t>(x);
  int e = static_cast<int>(bits >> 52) - 1023;
  if (e == -1023) { // subnormal: scale into the normal range exactly
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    e = static_cast<int>(bits >> 52) - 1023 - 54;
  }
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const auto i = static_cast<unsigned>((fraction + (std::uint64_t{1} << 43)) >> 44);
  const double m = std::bit_cast<double>(fraction | (std::uint64_t{1023} << 52));
  const LogEntry &entry = LogTable[i];
  return {i > 106 ? e + 1 : e, exactReduction(m, entry.inverse), &entry};
}

} // namespace

// The fast ln: ln(1 + r) = r - r^2/2 + r^3 (1/3 - ... + r^6/9), next term
// below 2^-78 relative to r. r^2 = ra^2 + (2 ra rb + rb^2) with ra of 26
// bits is exact in its head (the cubic part uses the plain r r, since
// ra^2 alone is off by 2^-26); r - ra^2/2 is an exact sum, and so is the
// table part E = e ln2_head + (-ln c)_head. The cubic and higher part,
// below 2^-18.5 relative to r, has 3u of rounding (2^-70 relative to r);
// the low sum of that part, the tails of ln 2 and of the table and the
// exact sums' errors is below 2^-26 and rounds by under 2^-78 absolute.
// The result is at least 2^-9 unless e = 0 and i = 0, where it is r to
// within 2^-8: so below 2^-69 relative. LogFastEps = 2^-67.
DD LogFast(double x) {
  const LogArgument a = reduceLog(x);
  const double r = a.r;
  const DD ra = SplitBits(r, 27);
  const double z = ra.hi * ra.hi;
  const double zl = (2 * ra.hi + ra.lo) * ra.lo;
  const double tail =
      r * (r * r) *
          (1.0 / 3 +
           r * (-0.25 + r * (0.2 + r * (-1.0 / 6 + r * (1.0 / 7 + r * (-0.125 + r * (1.0 / 9))))))) -
      0.5 * zl;
  const DD rPart = FastTwoSum(r, -0.5 * z);
  const auto ed = static_cast<double>(a.e);
  const double table = ed * Ln2Parts[0] + a.entry->minusLog.hi;
  const DD sum = TwoSum(table, rPart.hi);
  const double lo = sum.lo + (rPart.lo + (tail + (a.entry->minusLog.lo + ed * Ln2Parts[1])));
  return FastTwoSum(sum.hi, lo);
}

DD Log(double x) {
  const LogArgument a = reduceLog(x);
  const int e = a.e;
  const LogEntry &entry = *a.entry;
  const double rh = a.r;
  const double rl = 0;
  const DD square = TwoProd(rh, rh);
  const DD cube = TwoProd(square.hi, rh);
  // cube.hi / 3 and its remainder: 3 q = 2q + q exactly as a TwoSum.
  const double third = cube.hi * (1.0 / 3);
  const DD threeThirds = TwoSum(2 * third, third);
  const double thirdLo =
      ((cube.hi - threeThirds.hi) - threeThirds.lo + cube.lo + square.lo * rh) * (1.0 / 3) +
      square.hi * rl;
  const double z = square.hi;
  const double higher =
      z * z *
      (-0.25 + rh * (0.2 + rh * (-1.0 / 6 + rh * (1.0 / 7 + rh * (-0.125 + rh * (1.0 / 9))))));
  DD sum = FastTwoSum(rh, -0.5 * z);
  sum = AddDouble(sum, third);
  const double small = rl - (0.5 * square.lo + rh * rl) + thirdLo + higher;
  const DD log1p = FastTwoSum(sum.hi, sum.lo + small);

  if (e == 0)
    return Add(entry.minusLog, log1p);
  const auto ed = static_cast<double>(e);
  const DD scaled = TwoSum(ed * Ln2Parts[0], entry.minusLog.hi);
  const double scaledLo =
      scaled.lo + (ed * Ln2Parts[1] + (ed * Ln2Parts[2] + entry.minusLog.lo));
  return Add(FastTwoSum(scaled.hi, scaledLo), log1p);
}

// ln(w) = ln(w.hi) + ln(1 + w.lo/w.hi), and |w.lo/w.hi| <= 2^-52, so the
// second is w.lo/w.hi to 2^-105 relative. The sum does not cancel unless
// w is within 2^-52 of 1, where ln(w.hi) is itself at most twice the
// result: LogDDEps = 2 LogEps.
DD LogDD(DD w) {
  const DD main = Log(w.hi);
  if (w.lo == 0)
    return main;
  return AddDouble(main, w.lo / w.hi);
}

// 1 + u is formed as the exact double-double TwoSum(1, u.hi) + u.lo (to
// 2^-106 relative); its logarithm is LogDD. When |u| is below 2^-52 the
// sum keeps u only in its low part and LogDD returns it; above, ln(1 + u)
// is at least a quarter of ln(w.hi): Log1pEps = 4 LogEps.
DD Log1p(DD u) {
  const DD s = TwoSum(1, u.hi);
  return LogDD(FastTwoSum(s.hi, s.lo + u.lo));
}

// --- sin and cos -------------------------------------------------------------

namespace {

// The 64 bits of 1/pi from bit position p on (position 1 has weight 1/2);
// positions before the binary point are zero.
std::uint64_t invPiBits(int p) {
  if (p < 1)
    return InvPiBits[0] >> (1 - p);
  const auto w = static_cast<unsigned>(p - 1) >> 6;
  const auto s = static_cast<unsigned>(p - 1) & 63;
  if (s == 0)
    return InvPiBits[w];
  return (InvPiBits[w] << s) | (InvPiBits[w + 1] >> (64 - s));
}

// ax = M 2^E with an integer M < 2^53: ax/(2 pi) = M 2^(E-1)/pi, whose
// fraction depends only on the bits of 1/pi from position E on. 256 of
// them (W) give frac(M W / 2^256) with an error below M 2^-256 < 2^-203
// of a turn; 1024 times that fraction is n + f. f keeps 182 bits and is
// converted to a double-double exactly down to 2^-159, so r = f pi/512 is
// off by under 2^-160 absolute and the double-double's 2^-104 relative.
TrigReduced reduceLarge(double ax) {
  const auto bits = std::bit_cast<std::uint64_t>(ax);
  const int exponent = static_cast<int>(bits >> 52) - 1023 - 52;
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const std::uint64_t w0 = invPiBits(exponent);
  const std::uint64_t w1 = invPiBits(exponent + 64);
  const std::uint64_t w2 = invPiBits(exponent + 128);
  const std::uint64_t w3 = invPiBits(exponent + 192);
  UInt128 t = static_cast<UInt128>(mantissa) * w3;
  const auto r3 = static_cast<std::uint64_t>(t);
  t = static_cast<UInt128>(mantissa) * w2 + (t >> 64);
  const auto r2 = static_cast<std::uint64_t>(t);
  t = static_cast<UInt128>(mantissa) * w1 + (t >> 64);
  const auto r1 = static_cast<std::uint64_t>(t);
  const std::uint64_t r0 = mantissa * w0 + static_cast<std::uint64_t>(t >> 64);

  // The top 10 bits count units of pi/512; the rest is the fraction, which
  // read as a signed number is already rounded to the nearest unit.
  const std::uint64_t g0 = (r0 << 10) | (r1 >> 54);
  const std::uint64_t g1 = (r1 << 10) | (r2 >> 54);
  const std::uint64_t g2 = (r2 << 10) | (r3 >> 54);
  const auto n = static_cast<unsigned>((r0 >> 54) + (g0 >> 63));
  const std::int64_t head = static_cast<std::int64_t>(g0) >> 11;
  const std::uint64_t middle = ((g0 & 0x7ff) << 42) | (g1 >> 22);
  const std::uint64_t low = ((g1 & ((std::uint64_t{1} << 22) - 1)) << 31) | (g2 >> 33);
  const DD sum = TwoSum(static_cast<double>(head) * 0x1p-53,
                        static_cast<double>(middle) * 0x1p-106);
  const DD f = FastTwoSum(sum.hi, sum.lo + static_cast<double>(low) * 0x1p-159);
  return {n & 1023, Mul(f, PiOver512DD), 0x1p-160};
}

} // namespace

// Below 2^28, n < 2^36 and x - n pi/512 is formed with pi/512 in three
// 53-bit pieces: n P0 and n P1 as exact products, x - (n P0).hi exact by
// Sterbenz, the sums as accurate double-doubles, and n P2 rounded. The
// pieces miss pi/512 by 2^-171 and n P2 rounds by 2^-135: an absolute
// error below 2^-130, relative to the reduction the double-doubles' u^2.
//
// Below 2^12, n < 2^20 and two 33-bit pieces of pi/512 give exact
// products: x - n S0 is exact, its sum with -n S1 an exact TwoSum, and
// n S2 rounds by 2^-107 while the pieces miss pi/512 by 2^-126: an absolute
// error below 2^-105, which matters only within 2^-38 of a multiple of pi
// (a few thousand arguments), where the rounding test then defers to the
// quad path.
TrigReduced ReduceTrig(double ax) {
  const double nd = nearestInteger(ax * InvPiOver512);
  if (nd == 0)
    return {0, {ax, 0}, 0};
  if (ax < 0x1p12) {
    const DD r = TwoSum(ax - nd * PiOver512Short[0], -nd * PiOver512Short[1]);
    return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023),
            {r.hi, r.lo - nd * PiOver512Short[2]}, 0x1p-105};
  }
  if (ax >= 0x1p28)
    return reduceLarge(ax);
  const DD p0 = TwoProd(nd, PiOver512[0]);
  DD r = TwoSum(ax - p0.hi, -p0.lo);
  r = Add(r, Neg(TwoProd(nd, PiOver512[1])));
  r = AddDouble(r, -nd * PiOver512[2]);
  return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023), r, 0x1p-130};
}

// sin(a + r) and cos(a + r) for a = j pi/512, 0 <= j < 256, |r| <= pi/1024
// (2^-8.35), from the table's sin a and cos a:
//   sin(a + r) = sin a + cos a sin r + sin a (cos r - 1)
//   cos(a + r) = cos a - sin a sin r + cos a (cos r - 1)
// sin r = r - r^3/6 + ... - r^7/5040 + r^9/9! (next term 2^-88 relative)
// and cos r - 1 = -r^2/2 + ... + r^8/8! (next term 2^-105), both in double
// from z = rh^2. The product of the table's head (cut to 27 bits) with rh
// (cut to 26) is exact, and so is its sum with the other table value
// (|sin a| >= 2|r| whenever it is not 0); every other term is below
// 2^-17.7 of the result and carries at most 2u. For j > 0 the result is
// at least sin(pi/1024) and at least half the larger table value, so
// those roundings stay under 2^-68.5 relative; for j = 0 the result is
// sin r or cos r, where the cubic term (2^-19.3 relative to r, computed
// with 3u) gives 2^-70.7. SinCosEps = 2^-67.
namespace {

struct Pieces {
  double rh, rl, sinTail, cosMinusOne;
};

Pieces piecesOf(const DD &r) {
  const double rh = r.hi;
  const double rl = r.lo;
  const double z = rh * rh;
  const double sinTail =
      rl + rh * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880)))) -
      0.5 * z * rl;
  const double cosMinusOne =
      -rh * rl + z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320))));
  return {rh, rl, sinTail, cosMinusOne};
}

// u + v sin r + u (cos r - 1) for the table pair (u, v) = (sin a, cos a)
// or, with v negated, (cos a, -sin a).
DD combine(const DD &u, const DD &v, const Pieces &p) {
  const DD vSplit = SplitBits(v.hi, 26);
  const DD rSplit = SplitBits(p.rh, 27);
  const DD head = FastTwoSum(u.hi, vSplit.hi * rSplit.hi);
  const double small = head.lo + (u.lo + (vSplit.hi * rSplit.lo + (vSplit.lo + v.lo) * p.rh) +
                                  v.hi * p.sinTail + u.hi * p.cosMinusOne);
  return FastTwoSum(head.hi, small);
}

DD sinPart(unsigned j, const Pieces &p) { return combine(SinTable[j], SinTable[256 - j], p); }
DD cosPart(unsigned j, const Pieces &p) { return combine(SinTable[256 - j], Neg(SinTable[j]), p); }

} // namespace

DD SinOf(const TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0: return sinPart(j, p);
  case 1: return cosPart(j, p);
  case 2: return Neg(sinPart(j, p));
  default: return Neg(cosPart(j, p));
  }
}

DD CosOf(const TrigReduced &t) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  switch ((t.n >> 8) & 3) {
  case 0: return cosPart(j, p);
  case 1: return Neg(sinPart(j, p));
  case 2: return Neg(cosPart(j, p));
  default: return sinPart(j, p);
  }
}

void SinCosOf(const TrigReduced &t, DD &s, DD &c) {
  const Pieces p = piecesOf(t.r);
  const unsigned j = t.n & 255;
  const DD sj = sinPart(j, p);
  const DD cj = cosPart(j, p);
  switch ((t.n >> 8) & 3) {
  case 0: s = sj; c = cj; break;
  case 1: s = cj; c = Neg(sj); break;
  case 2: s = Neg(sj); c = Neg(cj); break;
  default: s = Neg(cj); c = sj; break;
  }
}

// --- atan --------------------------------------------------------------------
//
// atan(n/d) = atan c + atan t with c = i/256 nearest n/d and
// t = (n - c d)/(d + c n), which never forms n/d itself: c has at most 9
// bits, so with d and n cut to 44-bit heads the products are exact,
// n - c d_head is exact by Sterbenz for i > 0, and the tails of n and d
// enter with u^2-sized roundings; one double-double quotient (16u^2)
// gives t, |t| <= 2^-9 (1 + 2^-40). atan t = t - t^3/3 + ... + t^9/9
// (next term 2^-75 relative to t); the cubic and higher part, 2^-19.6
// relative to t, is evaluated in double with 3u: 2^-71 relative to t. The
// result is at least |t| (i = 0) or at least atan(1/256) - 2^-9 > |t|,
// and the final sums add under 2^-72: AtanEps = 2^-68 covers that and the
// table's 2^-106.
DD AtanQuotient(DD num, DD den) {
  const auto i = static_cast<unsigned>(nearestInteger(num.hi / den.hi * 256));
  DD t{};
  if (i == 0) {
    t = Div(num, den);
  } else {
    const double c = i * (1.0 / 256);
    const DD d = SplitBits(den.hi, 9);
    const DD n = SplitBits(num.hi, 9);
    const DD numerator = TwoSum(num.hi - c * d.hi, (num.lo - c * den.lo) - c * d.lo);
    const DD sum = TwoSum(den.hi, c * n.hi);
    const DD denominator = FastTwoSum(sum.hi, sum.lo + (c * n.lo + (den.lo + c * num.lo)));
    t = Div(numerator, denominator);
  }
  const double th = t.hi;
  const double z = th * th;
  const double tail = t.lo + th * z * (-1.0 / 3 + z * (0.2 + z * (-1.0 / 7 + z * (1.0 / 9))));
  if (i == 0)
    return FastTwoSum(th, tail);
  const DD &table = AtanTable[i];
  const DD head = FastTwoSum(table.hi, th);
  return FastTwoSum(head.hi, head.lo + (table.lo + tail));
}

DD Atan(DD u) { return AtanQuotient(u, {1, 0}); }

// Whichever of num/den and den/num is at most 1 goes to AtanQuotient;
// pi/2 - atan of the reciprocal loses nothing since atan <= pi/4 there.
DD AtanRatio(DD num, DD den) {
  if (num.hi <= den.hi)
    return AtanQuotient(num, den);
  const DD v = AtanQuotient(den, num);
  const DD head = TwoSum(HalfPiDD.hi, -v.hi);
  return FastTwoSum(head.hi, head.lo + (HalfPiDD.lo - v.lo));
}

} // namespace quorvex::fast
