#include "argumentreduction.h"

#include <bit>
#include <cstdint>

namespace quorvex::fast {

namespace {

__extension__ using UInt128 = unsigned __int128;

// The 64 bits of 1/pi from bit position p on (position 1 has weight 1/2);
// positions before the binary point are zero.
std::uint64_t bitsOfInvPi(int p) {
  if (p < 1)
    return invPiBits[0] >> (1 - p);
  const auto w = static_cast<unsigned>(p - 1) >> 6;
  const auto s = static_cast<unsigned>(p - 1) & 63;
  if (s == 0)
    return invPiBits[w];
  return (invPiBits[w] << s) | (invPiBits[w + 1] >> (64 - s));
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
  const std::uint64_t mantissa =
      (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const std::uint64_t w0 = bitsOfInvPi(exponent);
  const std::uint64_t w1 = bitsOfInvPi(exponent + 64);
  const std::uint64_t w2 = bitsOfInvPi(exponent + 128);
  const std::uint64_t w3 = bitsOfInvPi(exponent + 192);
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
  const DD sum =
      twoSum(static_cast<double>(head) * 0x1p-53, static_cast<double>(middle) * 0x1p-106);
  const DD f = fastTwoSum(sum.hi, sum.lo + static_cast<double>(low) * 0x1p-159);
  return {n & 1023, mul(f, piOver512DD), largeReductionError};
}

} // namespace

// From 2^12 to 2^28, n < 2^36 and x - n pi/512 is formed with pi/512 in
// three 53-bit pieces: n P0 and n P1 as exact products, x - (n P0).hi
// exact by Sterbenz, the sums as accurate double-doubles, and n P2
// rounded. The pieces miss pi/512 by 2^-171 and n P2 rounds by 2^-135: an
// absolute error below 2^-130, relative to the reduction the double-
// doubles' u^2. Beyond, the integer product with 1/pi's bits.
TrigReduced reduceTrigWide(double ax) {
  if (ax >= 0x1p28)
    return reduceLarge(ax);
  const double nd = nearestInteger(ax * invPiOver512);
  const DD p0 = twoProd(nd, piOver512[0]);
  DD r = twoSum(ax - p0.hi, -p0.lo);
  r = add(r, neg(twoProd(nd, piOver512[1])));
  r = addDouble(r, -nd * piOver512[2]);
  return {static_cast<unsigned>(static_cast<std::int64_t>(nd) & 1023), r,
          wideReductionError};
}

} // namespace quorvex::fast
