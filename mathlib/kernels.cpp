#include "kernels.h"

#include "fastkernels.h"
#include "tables.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace quorvex::fast {

namespace {
__extension__ typedef unsigned __int128 UInt128;
} // namespace

// --- log ---------------------------------------------------------------------
//
// x = 2^e m, m in [1, 2); i = round(256 (m - 1)) picks c ~ 1/(1 + i/256)
// and ln x = e ln2 - ln c + ln(1 + r), r = m c - 1, exact in double (c has
// 9 bits, |r| < 2^-8.3). Above sqrt 2 the table's entry includes -ln 2
// and e counts one more, so that for x near 1 from below no large terms
// cancel.
//
// ln(w) = ln(w.hi) + ln(1 + w.lo/w.hi), and |w.lo/w.hi| <= 2^-52, so the
// second is w.lo/w.hi to 2^-105 relative. Every caller has |w - 1| >=
// 2^-26, where the second term is below 2^-25 of the first and cancels
// nothing: LogDDEps = 2 LogFastEps.
DD LogDD(DD w) {
  const DD main = LogFast(w.hi);
  if (w.lo == 0)
    return main;
  return AddDouble(main, w.lo / w.hi);
}

// Below 2^-25, ln(1 + u) = u - u^2/2 + u^3/3 - u^4/4 + u^5/5 to 2^-127,
// the correction (2^-26 of u) evaluated in double: 2^-78. Above, 1 + u is
// the double-double TwoSum(1, u.hi) + u.lo, exact to 2^-106 absolute and
// so to 2^-81 relative to u; its logarithm is LogDD, which is at least
// half of ln(w.hi): Log1pEps = 2 LogDDEps + 2^-80 < 2^-73.
DD Log1p(DD u) {
  const double v = u.hi;
  if (std::fabs(v) < 0x1p-25)
    return AddDouble(u, v * v * (-0.5 + v * (1.0 / 3 + v * (-0.25 + v * 0.2))));
  const DD s = TwoSum(1, v);
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

// From 2^12 to 2^28, n < 2^36 and x - n pi/512 is formed with pi/512 in
// three 53-bit pieces: n P0 and n P1 as exact products, x - (n P0).hi
// exact by Sterbenz, the sums as accurate double-doubles, and n P2
// rounded. The pieces miss pi/512 by 2^-171 and n P2 rounds by 2^-135: an
// absolute error below 2^-130, relative to the reduction the double-
// doubles' u^2. Beyond, the integer product with 1/pi's bits.
TrigReduced ReduceTrigWide(double ax) {
  if (ax >= 0x1p28)
    return reduceLarge(ax);
  const double nd = nearestInteger(ax * InvPiOver512);
  const DD p0 = TwoProd(nd, PiOver512[0]);
  DD r = TwoSum(ax - p0.hi, -p0.lo);
  r = Add(r, Neg(TwoProd(nd, PiOver512[1])));
  r = AddDouble(r, -nd * PiOver512[2]);
  return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023), r, 0x1p-130};
}

} // namespace quorvex::fast
