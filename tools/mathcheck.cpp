// The accuracy check of the math routines against quad precision, run by
// hand (it is not a test: a million arguments per function take minutes):
//
//   cmake --build build --target quorvex_mathcheck
//   build/tools/quorvex_mathcheck [--count N] [--only sin,exp] [--cases FILE]
//                                 [--hard FILE --hard-count N] [--sample FILE]
//                                 [--kernels]
//
// For every function of the catalogue (mathlib/catalogue.def) it draws N
// arguments (one million by default) over the whole domain: log-uniform magnitudes with
// both signs, uniform stretches, and arguments next to poles, zeros and
// branch points. Each result is compared with the true value computed in
// quad precision by formulas of this file (libquadmath's functions and
// cancellation-free forms of the composite ones); it reports per function
// the worst error in ulps, the arguments that were not correctly rounded,
// and how many took the slow path. Where the quad value itself lies too
// close to a rounding boundary to decide the double, and for every
// argument that was not correctly rounded, the argument is written to the
// cases file, which tools/verify_math_cases.py settles with mpmath.
//
// --hard searches for hard-to-round arguments: it runs N more arguments per
// function (2^26 by default) and keeps those that took the slow path and
// whose true value is closest to a rounding boundary. --sample writes a
// few dozen of the ordinary arguments per function. Both files list
// "function,x,z" lines for tools/gen_math_reference.py --arguments.
// --kernels measures the relative errors of the fast kernels that the
// families share (mathlib/exponential.h, mathlib/taylorpolynomials.h)
// against their bounds; tools/math_bounds.py derives every kernel's bound.

#include "mathlib/algebraic.h"
#include "mathlib/catalogue.h"
#include "mathlib/exponential.h"
#include "mathlib/hyperbolic.h"
#include "mathlib/hyperbolictables.h"
#include "mathlib/inversehyperbolic.h"
#include "mathlib/inversetrigonometric.h"
#include "mathlib/inversetrigonometrictables.h"
#include "mathlib/libquadmath.h"
#include "mathlib/power.h"
#include "mathlib/quadprecision.h"
#include "mathlib/taylorpolynomials.h"
#include "mathlib/trigonometric.h"

#include "engine/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace quorvex;
using Quad = __float128;

namespace {

// --- arguments ---------------------------------------------------------------

class Draw {
public:
  explicit Draw(std::uint64_t seed) : rng_(seed) {}
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
  }
  // |x| log-uniform in [lo, hi).
  double logUniform(double lo, double hi) {
    return std::exp2(uniform(std::log2(lo), std::log2(hi)));
  }
  double signedLog(double lo, double hi) { return sign() * logUniform(lo, hi); }
  double sign() { return coin() ? -1.0 : 1.0; }
  bool coin() { return (rng_() & 1) != 0; }
  double chance() { return uniform(0, 1); }
  int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  // 1 + d with |d| log-uniform down to 2^-52, either side.
  double nearOne() { return 1 + sign() * std::exp2(-uniform(1, 53)); }
  // A multiple of step with a few ulps of offset.
  double nearMultiple(double step, double maxCount) {
    const double k = std::floor(logUniform(1, maxCount));
    double x = k * step;
    for (int i = integer(-40, 40); i != 0; i += i > 0 ? -1 : 1)
      x = std::nextafter(x, i > 0 ? 1e308 : -1e308);
    return sign() * x;
  }

private:
  std::mt19937_64 rng_;
};

struct Args {
  double x = 0;
  double z = 0;
};

// --- the functions -----------------------------------------------------------

Quad q(double v) {
  return static_cast<Quad>(v);
}
Quad versineQ(Quad x) {
  const Quad s = sinq(x / 2);
  return 2 * s * s;
}

// Where a catalogue function's arguments are drawn from and its true
// value, for the routine it calls.
struct Reference {
  std::function<Args(Draw &)> draw;
  CatalogueFunction::Unary unary = nullptr;
  CatalogueFunction::Binary binary = nullptr;
  std::function<Quad(const Args &)> exact;

  Reference(std::function<Args(Draw &)> d, CatalogueFunction::Unary routine,
            std::function<Quad(const Args &)> e)
      : draw(std::move(d)), unary(routine), exact(std::move(e)) {}
  Reference(std::function<Args(Draw &)> d, CatalogueFunction::Binary routine,
            std::function<Quad(const Args &)> e)
      : draw(std::move(d)), binary(routine), exact(std::move(e)) {}
};

// A catalogue function with its reference. The seed is the reference's
// own, so that a function draws the same arguments wherever the catalogue
// lists it.
struct Function {
  const CatalogueFunction *entry;
  const Reference *reference;
  std::uint64_t seed;

  const char *name() const { return entry->name.data(); } // a literal: terminated
  bool binary() const { return entry->argumentCount() == 2; }
  double ours(const Args &a) const {
    return binary() ? entry->binary(a.x, a.z) : entry->unary(a.x);
  }
  Args draw(Draw &d) const { return reference->draw(d); }
  Quad exact(const Args &a) const { return reference->exact(a); }
};

constexpr double two63 = 9223372036854775808.0;
constexpr double pi = 3.141592653589793;

// Guarded trigonometric arguments: log-uniform up to 2^63, next to
// multiples of pi/2, and within a few periods.
Args guardedTrig(Draw &d) {
  const double c = d.chance();
  if (c < 0.45)
    return {d.signedLog(0x1p-30, two63)};
  if (c < 0.8)
    return {d.nearMultiple(pi / 2, 0x1p40)};
  return {d.uniform(-8, 8)};
}

Args anyTrig(Draw &d) {
  const double c = d.chance();
  if (c < 0.35)
    return {d.signedLog(0x1p-30, 0x1p12)};
  if (c < 0.6)
    return {d.signedLog(0x1p12, 0x1p1023)};
  if (c < 0.85)
    return {d.nearMultiple(pi / 2, 0x1p60)};
  return {d.uniform(-8, 8)};
}

Args unitInterval(Draw &d) {
  const double c = d.chance();
  if (c < 0.5)
    return {d.uniform(-1, 1)};
  if (c < 0.8)
    return {d.sign() * (1 - std::exp2(-d.uniform(1, 53)))};
  return {d.signedLog(0x1p-40, 1)};
}

Args beyondOne(Draw &d) {
  const double c = d.chance();
  if (c < 0.5)
    return {d.signedLog(1, 0x1p100)};
  if (c < 0.8)
    return {d.sign() * (1 + std::exp2(-d.uniform(0, 52)))};
  return {d.signedLog(1, 0x1p1023)};
}

Args positives(Draw &d) {
  const double c = d.chance();
  if (c < 0.6)
    return {d.logUniform(0x1p-1074, 0x1p1023)};
  if (c < 0.9)
    return {d.nearOne()};
  return {d.uniform(0, 100)};
}

Args powers(Draw &d) {
  const double c = d.chance();
  double x = c < 0.2 ? d.nearOne() : d.logUniform(0x1p-30, 0x1p30);
  double z = 0;
  if (c < 0.55) {
    // results spread over the whole double range
    const double y = d.uniform(-744, 709);
    z = y / std::log(x);
  } else if (c < 0.75) {
    z = d.integer(-600, 600);
    if (d.coin())
      x = -x;
  } else if (c < 0.85) {
    z = d.integer(-64, 64) / 2.0 + 0.5;
  } else {
    z = d.signedLog(0x1p-20, 100);
  }
  return {x, z};
}

double signOf(double x) {
  return std::signbit(x) ? -1 : 1;
}

std::vector<Reference> references() {
  using A = const Args &;
  return {
      {anyTrig, math::Sin, [](A a) { return sinq(q(a.x)); }},
      {anyTrig, math::Cos, [](A a) { return cosq(q(a.x)); }},
      {guardedTrig, math::Tan, [](A a) { return tanq(q(a.x)); }},
      {guardedTrig, math::Cot, [](A a) { return cosq(q(a.x)) / sinq(q(a.x)); }},
      {guardedTrig, math::Sec, [](A a) { return 1 / cosq(q(a.x)); }},
      {guardedTrig, math::Csc, [](A a) { return 1 / sinq(q(a.x)); }},
      // 1 - cos x = 2 sin^2(x/2) and 1 - sin x = (cos x)^2/(1 + sin x): no
      // cancellation in quad either.
      {guardedTrig, math::Versine, [](A a) { return versineQ(q(a.x)); }},
      {guardedTrig, math::Haversine, [](A a) { return versineQ(q(a.x)) / 2; }},
      {guardedTrig, math::Coversine,
       [](A a) {
         const Quad s = sinq(q(a.x)), c = cosq(q(a.x));
         return s > 0 ? c * c / (1 + s) : 1 - s;
       }},
      {guardedTrig, math::Exsecans, [](A a) { return versineQ(q(a.x)) / cosq(q(a.x)); }},
      {[](Draw &d) {
         return d.chance() < 0.6 ? Args{d.uniform(-746, 710)}
                                 : Args{d.signedLog(0x1p-60, 746)};
       },
       math::Exp, [](A a) { return expq(q(a.x)); }},
      {positives, math::Ln, [](A a) { return logq(q(a.x)); }},
      {positives, math::LogBase2, [](A a) { return log2q(q(a.x)); }},
      {positives, math::LogBase10, [](A a) { return log10q(q(a.x)); }},
      {[](Draw &d) {
         Args a{positives(d).x, positives(d).x};
         if (a.x == 1)
           a.x = 2;
         return a;
       },
       math::LogBaseN, [](A a) { return logq(q(a.z)) / logq(q(a.x)); }},
      {powers, math::Power,
       [](A a) {
         const Quad r = powq(fabsq(q(a.x)), q(a.z));
         const bool odd = a.x < 0 && std::fmod(std::fabs(a.z), 2) == 1;
         return odd ? -r : r;
       }},
      {[](Draw &d) {
         const double x = d.signedLog(0x1p-1074, 0x1p1023);
         return Args{x, d.sign() * std::fabs(x) * d.logUniform(0x1p-60, 0x1p60)};
       },
       math::Pythag, [](A a) { return sqrtq(q(a.x) * q(a.x) + q(a.z) * q(a.z)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-40, 0x1p80)}; }, math::ArcTan,
       [](A a) { return atanq(q(a.x)); }},
      {[](Draw &d) {
         return Args{d.signedLog(0x1p-1074, 0x1p1023), d.signedLog(0x1p-1074, 0x1p1023)};
       },
       math::ArcTan2, [](A a) { return atan2q(q(a.x), q(a.z)); }},
      {unitInterval, math::ArcSin, [](A a) { return asinq(q(a.x)); }},
      {unitInterval, math::ArcCos, [](A a) { return acosq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-40, 0x1p80)}; }, math::ArcCot,
       [](A a) { return atanq(1 / q(a.x)); }},
      {beyondOne, math::ArcSec,
       [](A a) {
         const Quad m = fabsq(q(a.x));
         return atan2q(sqrtq((m - 1) * (m + 1)), q(signOf(a.x)));
       }},
      {beyondOne, math::ArcCsc,
       [](A a) {
         const Quad m = fabsq(q(a.x));
         return atan2q(q(signOf(a.x)), sqrtq((m - 1) * (m + 1)));
       }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 711)}; }, math::Cosh,
       [](A a) { return coshq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 711)}; }, math::Sinh,
       [](A a) { return sinhq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 25)}; }, math::Tanh,
       [](A a) { return tanhq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 25)}; }, math::Coth,
       [](A a) { return 1 / tanhq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 750)}; }, math::Csch,
       [](A a) { return 1 / sinhq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 750)}; }, math::Sech,
       [](A a) { return 1 / coshq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-30, 0x1p1023)}; }, math::ArcSinh,
       [](A a) { return asinhq(q(a.x)); }},
      {[](Draw &d) {
         return Args{d.chance() < 0.5 ? 1 + std::exp2(-d.uniform(0, 52))
                                      : d.logUniform(1, 0x1p1023)};
       },
       math::ArcCosh, [](A a) { return acoshq(q(a.x)); }},
      {unitInterval, math::ArcTanh, [](A a) { return atanhq(q(a.x)); }},
      // atanh(1/x) would lose 1/x's rounding next to |x| = 1.
      {beyondOne, math::ArcCoth,
       [](A a) { return q(signOf(a.x)) * log1pq(2 / (fabsq(q(a.x)) - 1)) / 2; }},
      {[](Draw &d) {
         return Args{d.chance() < 0.5 ? d.logUniform(0x1p-1074, 1)
                                      : 1 - std::exp2(-d.uniform(1, 53))};
       },
       math::ArcSech,
       [](A a) {
         const Quad w = q(a.x);
         return log1pq(((1 - w) + sqrtq((1 - w) * (1 + w))) / w);
       }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-1074, 0x1p1023)}; }, math::ArcCsch,
       [](A a) { return asinhq(1 / q(a.x)); }},
      {[](Draw &d) { return Args{d.logUniform(0x1p-1074, 0x1p1023)}; }, math::Sqrt,
       [](A a) { return sqrtq(q(a.x)); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-600, 0x1p511)}; }, math::Square,
       [](A a) { return q(a.x) * q(a.x); }},
      {[](Draw &d) { return Args{d.signedLog(0x1p-1074, 0x1p1023)}; }, math::Abs,
       [](A a) { return fabsq(q(a.x)); }},
  };
}

// --- measuring ---------------------------------------------------------------

// The spacing of doubles at the magnitude of the double nearest v.
Quad ulpOf(Quad v) {
  const double d = std::fabs(static_cast<double>(v));
  if (d == 0 || d < 0x1p-1022)
    return ldexpq(1, -1074);
  return ldexpq(1, std::ilogb(d) - 52);
}

// Distance of v from the nearest rounding boundary (a midpoint between
// adjacent doubles), in ulps: 0.5 for a double, 0 on a boundary.
double boundaryDistance(Quad v) {
  const Quad scaled = fabsq(v) / ulpOf(v); // below 2^54
  // floor(scaled): the double conversion is within one of it.
  Quad whole = static_cast<Quad>(std::floor(static_cast<double>(scaled)));
  while (whole > scaled)
    whole -= 1;
  while (whole + 1 <= scaled)
    whole += 1;
  const Quad d = (scaled - whole) - static_cast<Quad>(0.5);
  return static_cast<double>(d < 0 ? -d : d);
}

struct Outcome {
  bool raised = false;
  double value = 0;
  bool slow = false;
};

Outcome run(const Function &f, const Args &a) {
  Outcome o;
  const unsigned long long before = quad::slowPathCount();
  try {
    o.value = f.ours(a);
  } catch (const Exception &) {
    o.raised = true;
  }
  o.slow = quad::slowPathCount() != before;
  return o;
}

struct Options {
  long count = 1000000;
  long hardCount = 1L << 26;
  std::vector<std::string> only;
  std::string casesPath, hardPath, samplePath;
  int hardPerFunction = 12;
  int samplePerFunction = 40;
  bool kernels = false;
};

void writeArgs(std::FILE *out, const Function &f, const Args &a) {
  if (f.binary())
    std::fprintf(out, "%s,%.17g,%.17g\n", f.name(), a.x, a.z);
  else
    std::fprintf(out, "%s,%.17g,\n", f.name(), a.x);
}

// A case for verify_math_cases.py: the arguments and our result, or "!"
// when we raised an error.
void writeCase(std::FILE *out, const Function &f, const Args &a, const Outcome &o) {
  char z[32] = "";
  if (f.binary())
    std::snprintf(z, sizeof z, "%.17g", a.z);
  if (o.raised)
    std::fprintf(out, "%s,%.17g,%s,!\n", f.name(), a.x, z);
  else if (f.binary())
    std::fprintf(out, "%s,%.17g,%.17g,%.17g\n", f.name(), a.x, a.z, o.value);
  else
    std::fprintf(out, "%s,%.17g,,%.17g\n", f.name(), a.x, o.value);
}

struct Totals {
  long values = 0, raised = 0, slow = 0, wrong = 0, undecided = 0;
  double worst = 0;
};

// The million-argument check of one function.
Totals check(const Function &f, long count, std::FILE *cases, std::FILE *sample,
             int sampleCount, std::uint64_t seed) {
  Draw d(seed);
  Totals t;
  for (long i = 0; i < count; ++i) {
    const Args a = f.draw(d);
    const Outcome o = run(f, a);
    const Quad exact = f.exact(a);
    const auto rounded = static_cast<double>(exact);
    if (o.slow)
      ++t.slow;
    if (sample != nullptr && i < sampleCount)
      writeArgs(sample, f, a);
    if (o.raised) {
      ++t.raised;
      if (!std::isinf(rounded)) { // only the overflow error is expected here
        ++t.wrong;
        if (cases != nullptr)
          writeCase(cases, f, a, o);
      }
      continue;
    }
    ++t.values;
    const auto err = static_cast<double>(fabsq(q(o.value) - exact) / ulpOf(exact));
    t.worst = std::max(t.worst, err);
    const bool close = boundaryDistance(exact) < 0x1p-52;
    if (close)
      ++t.undecided;
    if (o.value != rounded && !(o.value == 0 && rounded == 0)) {
      if (!close)
        ++t.wrong;
      if (cases != nullptr)
        writeCase(cases, f, a, o);
    } else if (close && cases != nullptr) {
      writeCase(cases, f, a, o);
    }
  }
  return t;
}

struct Hard {
  double distance;
  Args args;
};

// Arguments that took the slow path, nearest a rounding boundary first.
std::vector<Hard> searchHard(const Function &f, long count, int keep,
                             std::uint64_t seed) {
  Draw d(seed);
  std::vector<Hard> found;
  for (long i = 0; i < count; ++i) {
    const Args a = f.draw(d);
    const Outcome o = run(f, a);
    if (!o.slow || o.raised)
      continue;
    const Quad exact = f.exact(a);
    if (static_cast<double>(exact) == 0 ||
        std::fabs(static_cast<double>(exact)) < 0x1p-1022)
      continue; // subnormal results take the slow path by design
    const bool again = std::any_of(found.begin(), found.end(), [&](const Hard &h) {
      return h.args.x == a.x && h.args.z == a.z;
    });
    if (again)
      continue;
    found.push_back({boundaryDistance(exact), a});
    std::sort(found.begin(), found.end(),
              [](const Hard &x, const Hard &y) { return x.distance < y.distance; });
    if (static_cast<int>(found.size()) > keep)
      found.pop_back();
  }
  return found;
}

// --- the shared kernels' own errors ------------------------------------------

struct Worst {
  const char *name;
  double bound;
  double worst = 0;

  void add(double error) { worst = std::max(worst, error); }
};

void measureKernels(long count) {
  Draw d(99);
  Worst expFast{"expFast", fast::expFastEps};
  Worst logFast{"logFast", fast::logFastEps};
  Worst logShort{"logShort", 1};
  Worst asinTable{"asinTable", fast::asinEps};
  Worst atanTable{"atanTaylorTable", fast::atanTaylorEps};
  Worst sinhTable{"sinhTaylorTable", fast::sinhTaylorEps};
  Worst coshTable{"coshTaylorTable", fast::coshTaylorEps};
  Worst tanhTable{"tanhTaylorTable", fast::tanhTaylorEps};
  const auto rel = [](const fast::DD &v, Quad exact) {
    return static_cast<double>(fabsq((q(v.hi) + q(v.lo) - exact) / exact));
  };
  // logShort against its own bound eps |v| + abs: the ratio.
  const auto logRatio = [](const fast::Bounded &l, Quad exact) {
    const Quad err = fabsq(q(l.v.hi) + q(l.v.lo) - exact);
    return static_cast<double>(err / (q(l.eps) * fabsq(q(l.v.hi)) + q(l.abs)));
  };
  const auto taylor = [](const fast::TaylorEntry *table, double s, double lo = 0) {
    return fast::offsetTaylor(table, {0, 0}, 1, s, lo);
  };
  for (long i = 0; i < count; ++i) {
    const double x = d.uniform(-745, 709);
    const fast::BoundedScaled e = fast::expFast(x);
    expFast.add(rel(e.m, expq(q(x)) / ldexpq(1, e.k)));
    // ... and of a double-double argument, as power passes it.
    const double big = d.sign() * d.uniform(256, 745);
    const double bigLo = d.uniform(-0x1.8p-43, 0x1.8p-43);
    const fast::BoundedScaled eb = fast::expFast(big, bigLo);
    expFast.add(rel(eb.m, expq(q(big) + q(bigLo)) / ldexpq(1, eb.k)));
    const double p = positives(d).x;
    logFast.add(rel(fast::logFast(p).v, logq(q(p))));
    logShort.add(logRatio(fast::logShort(p), logq(q(p))));
    // ... and of a double-double at least 2^-26 from 1.
    const double wide =
        d.chance() < 0.5 ? 1 + d.logUniform(0x1p-26, 1) : d.logUniform(1, 0x1p60);
    const double wideLo = wide * d.uniform(-0x1p-53, 0x1p-53);
    const fast::DD w2 = fast::fastTwoSum(wide, wideLo);
    logShort.add(logRatio(fast::logShort(w2), logq(q(w2.hi) + q(w2.lo))));
    const double small = d.logUniform(0x1p-30, 0.5);
    sinhTable.add(rel(fast::taylorValue(fast::sinhTaylorTable, small), sinhq(q(small))));
    const double moderate = d.logUniform(0x1p-30, 0.549);
    tanhTable.add(
        rel(fast::taylorValue(fast::tanhTaylorTable, moderate), tanhq(q(moderate))));
    const double unit = d.logUniform(0x1p-30, 1);
    atanTable.add(rel(taylor(fast::atanTaylorTable, unit), atanq(q(unit))));
    const double over = d.logUniform(1, 0x1p30);
    const double inverse = 1 / over;
    const double inverseLo = std::fma(-inverse, over, 1) / over;
    atanTable.add(
        rel(taylor(fast::atanTaylorTable, inverse, inverseLo), atanq(1 / q(over))));
    // asin of a double and of a square root's double-double.
    const double y = d.logUniform(0x1p-30, 0.5);
    asinTable.add(rel(taylor(fast::asinTable, y), asinq(q(y))));
    const double square = d.logUniform(0x1p-54, 0.25);
    const double root = std::sqrt(square);
    const double remainder = std::fma(-root, root, square);
    asinTable.add(rel(taylor(fast::asinTable, root, remainder / (2 * root)),
                      asinq(sqrtq(q(square)))));
    const double below1 = d.chance() < 0.5 ? d.logUniform(0x1p-30, 1) : d.uniform(0, 1);
    coshTable.add(
        rel(fast::taylorValue(fast::coshTaylorTable, below1), coshq(q(below1))));
  }
  std::printf("%-16s %14s %14s %8s\n", "kernel", "worst rel err", "bound", "ratio");
  for (const Worst &k : {expFast, logFast, logShort, asinTable, atanTable, sinhTable,
                         coshTable, tanhTable})
    std::printf("%-16s %14.3g %14.3g %8.3f\n", k.name, k.worst, k.bound,
                k.worst / k.bound);
}

bool selected(const Options &o, std::string_view name) {
  return o.only.empty() || std::find(o.only.begin(), o.only.end(), name) != o.only.end();
}

Options parse(int argc, char **argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--count")
      o.count = std::atol(next().c_str());
    else if (a == "--hard-count")
      o.hardCount = std::atol(next().c_str());
    else if (a == "--cases")
      o.casesPath = next();
    else if (a == "--hard")
      o.hardPath = next();
    else if (a == "--sample")
      o.samplePath = next();
    else if (a == "--kernels")
      o.kernels = true;
    else if (a == "--only") {
      std::string list = next();
      for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        o.only.push_back(list.substr(start, comma - start));
        start = comma + 1;
      }
    } else {
      std::fprintf(stderr, "unknown option %s\n", argv[i]);
      std::exit(2);
    }
  }
  return o;
}

} // namespace

int main(int argc, char **argv) {
  const Options o = parse(argc, argv);
  if (o.kernels) {
    measureKernels(o.count);
    return 0;
  }
  std::FILE *cases = o.casesPath.empty() ? nullptr : std::fopen(o.casesPath.c_str(), "w");
  std::FILE *sample =
      o.samplePath.empty() ? nullptr : std::fopen(o.samplePath.c_str(), "w");
  std::FILE *hard = o.hardPath.empty() ? nullptr : std::fopen(o.hardPath.c_str(), "w");
  std::printf("%-10s %9s %8s %12s %10s %9s %7s %9s\n", "function", "values", "raised",
              "worst ulps", "slow path", "share", "wrong", "quad-tie");
  int failures = 0;
  const std::vector<Reference> refs = references();
  for (const CatalogueFunction &entry : catalogueFunctions()) {
    if (!selected(o, entry.name))
      continue;
    const auto ref = std::find_if(refs.begin(), refs.end(), [&](const Reference &r) {
      return r.unary == entry.unary && r.binary == entry.binary;
    });
    if (ref == refs.end()) {
      std::printf("%-10s has no reference\n", entry.name.data());
      ++failures;
      continue;
    }
    const auto seed = static_cast<std::uint64_t>(2 + (ref - refs.begin()));
    const Function f{&entry, &*ref, seed};
    const Totals t = check(f, o.count, cases, sample, o.samplePerFunction, seed);
    std::printf("%-10s %9ld %8ld %12.6f %10ld %8.5f%% %7ld %9ld\n", f.name(), t.values,
                t.raised, t.worst, t.slow,
                100.0 * static_cast<double>(t.slow) / static_cast<double>(o.count),
                t.wrong, t.undecided);
    std::fflush(stdout);
    failures += t.wrong != 0;
    if (hard != nullptr) {
      for (const Hard &h : searchHard(f, o.hardCount, o.hardPerFunction, seed + 1000)) {
        writeArgs(hard, f, h.args);
        std::fprintf(stderr, "hard %s %.17g %.17g at %.3g ulp from a boundary\n",
                     f.name(), h.args.x, h.args.z, h.distance);
      }
      std::fflush(hard);
    }
  }
  for (std::FILE *file : {cases, sample, hard})
    if (file != nullptr)
      std::fclose(file);
  return failures == 0 ? 0 : 1;
}
