#include "trigonometric.h"

#include "extended.h"
#include "mathfuncerror.h"

#include <cmath>

namespace quorvex::math {

using extended::Divide;
using extended::Finish;

namespace {
// The shared guard: arguments beyond 2^63 are refused. Exactly +-2^63 is
// accepted and reduced like any other argument.
Float80 guarded(Float x) {
  DomainCheck(!(std::fabs(x) <= extended::TwoToPower63));
  return x;
}

// 1 - cos x for a guarded x. Near multiples of 2 pi, 1 - cos x cancels;
// sin^2 x / (1 + cos x) is the same quantity without the subtraction, and
// is used wherever cos x > 0 (elsewhere 1 - cos x >= 1 is exact enough).
Float80 versine(Float80 x) {
  const Float80 c = std::cos(x);
  if (c > 0) {
    const Float80 s = std::sin(x);
    return s * s / (1 + c);
  }
  return 1 - c;
}
} // namespace

Float Tan(Float x) { return Finish(std::tan(guarded(x))); }

Float Cot(Float x) { return Finish(Divide(1, std::tan(guarded(x)))); }

Float Sec(Float x) { return Finish(Divide(1, std::cos(guarded(x)))); }

Float Csc(Float x) {
  const Float80 s = std::sin(guarded(x));
  DomainCheck(s == 0);
  return Finish(1 / s);
}

// 1 - sin x cancels near pi/2 + 2k pi; cos^2 x / (1 + sin x) does not.
Float Coversine(Float x) {
  const Float80 wide = guarded(x);
  const Float80 s = std::sin(wide);
  if (s > 0) {
    const Float80 c = std::cos(wide);
    return Finish(c * c / (1 + s));
  }
  return Finish(1 - s);
}

// sec x - 1 = (1 - cos x) / cos x, which keeps small arguments exact.
Float Exsecans(Float x) {
  const Float80 wide = guarded(x);
  const Float80 c = std::cos(wide);
  if (c > 0)
    return Finish(versine(wide) / c);
  return Finish(Divide(1, c) - 1);
}

Float Haversine(Float x) { return Finish(versine(guarded(x)) * 0.5L); }

Float Versine(Float x) { return Finish(versine(guarded(x))); }

Float ArcTan(Float x) { return Finish(std::atan2(static_cast<Float80>(x), 1.0L)); }

// 1 - x*x is formed as (1 - x)(1 + x): exact factors, so arguments next to
// +-1 keep their accuracy.
Float ArcSin(Float x) {
  DomainCheck(std::fabs(x) > 1);
  const Float80 w = x;
  return Finish(std::atan2(w, extended::Sqrt((1 - w) * (1 + w))));
}

Float ArcCos(Float x) {
  DomainCheck(std::fabs(x) > 1);
  const Float80 w = x;
  return Finish(std::atan2(extended::Sqrt((1 - w) * (1 + w)), w));
}

// Range (-pi/2, pi/2): negative for negative x.
Float ArcCot(Float x) {
  DomainCheck(x == 0);
  return Finish(std::atan(1 / static_cast<Float80>(x)));
}

// arccos(1/x) in [0, pi]. Scaling both atan2 operands by |x| gives
// atan2(sqrt(x^2 - 1), sign x), which never forms 1/x and so keeps the
// accuracy next to |x| = 1. |x| < 1 has no real value: invalid operation.
Float ArcSec(Float x) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  const Float80 root = extended::Sqrt((a - 1) * (a + 1));
  return Finish(std::atan2(root, x < 0 ? -1.0L : 1.0L));
}

// arcsin(1/x) in [-pi/2, pi/2], as atan2(sign x, sqrt(x^2 - 1)).
Float ArcCsc(Float x) {
  const Float80 a = std::fabs(static_cast<Float80>(x));
  const Float80 root = extended::Sqrt((a - 1) * (a + 1));
  return Finish(std::atan2(x < 0 ? -1.0L : 1.0L, root));
}

Float ArcTan2(Float x, Float z) {
  return Finish(std::atan2(static_cast<Float80>(x), static_cast<Float80>(z)));
}

} // namespace quorvex::math
