// The accuracy check of the math routines against quad precision, run by
// hand (it is not a test: a million arguments per function take minutes):
//
//   cmake --build build --target quorvex_mathcheck
//   build/tools/quorvex_mathcheck [--count N] [--only sin,exp] [--cases FILE]
//                                 [--hard FILE --hard-count N] [--sample FILE]
//                                 [--kernels]
//
// For every function of the standard context it draws N arguments (one
// million by default) over the whole domain: log-uniform magnitudes with
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
// --kernels measures the fast kernels' own relative errors against the
// bounds they use.

#include "mathlib/elementary.h"
#include "mathlib/hyperbolic.h"
#include "mathlib/kernels.h"
#include "mathlib/libquadmath.h"
#include "mathlib/quadprecision.h"
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
  double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
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

Quad q(double v) { return static_cast<Quad>(v); }
Quad versineQ(Quad x) { const Quad s = sinq(x / 2); return 2 * s * s; }

struct Function {
  const char *name;
  bool binary;
  std::function<Args(Draw &)> draw;
  std::function<double(const Args &)> ours;
  std::function<Quad(const Args &)> exact;
};

constexpr double Two63 = 9223372036854775808.0;
constexpr double Pi = 3.141592653589793;

// Guarded trigonometric arguments: log-uniform up to 2^63, next to
// multiples of pi/2, and within a few periods.
Args guardedTrig(Draw &d) {
  const double c = d.chance();
  if (c < 0.45)
    return {d.signedLog(0x1p-30, Two63)};
  if (c < 0.8)
    return {d.nearMultiple(Pi / 2, 0x1p40)};
  return {d.uniform(-8, 8)};
}

Args anyTrig(Draw &d) {
  const double c = d.chance();
  if (c < 0.35)
    return {d.signedLog(0x1p-30, 0x1p12)};
  if (c < 0.6)
    return {d.signedLog(0x1p12, 0x1p1023)};
  if (c < 0.85)
    return {d.nearMultiple(Pi / 2, 0x1p60)};
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

double signOf(double x) { return std::signbit(x) ? -1 : 1; }

std::vector<Function> functions() {
  using A = const Args &;
  return {
      {"sin", false, anyTrig, [](A a) { return math::Sin(a.x); }, [](A a) { return sinq(q(a.x)); }},
      {"cos", false, anyTrig, [](A a) { return math::Cos(a.x); }, [](A a) { return cosq(q(a.x)); }},
      {"tan", false, guardedTrig, [](A a) { return math::Tan(a.x); }, [](A a) { return tanq(q(a.x)); }},
      {"cot", false, guardedTrig, [](A a) { return math::Cot(a.x); },
       [](A a) { return cosq(q(a.x)) / sinq(q(a.x)); }},
      {"sec", false, guardedTrig, [](A a) { return math::Sec(a.x); },
       [](A a) { return 1 / cosq(q(a.x)); }},
      {"csc", false, guardedTrig, [](A a) { return math::Csc(a.x); },
       [](A a) { return 1 / sinq(q(a.x)); }},
      // 1 - cos x = 2 sin^2(x/2) and 1 - sin x = (cos x)^2/(1 + sin x): no
      // cancellation in quad either.
      {"versine", false, guardedTrig, [](A a) { return math::Versine(a.x); },
       [](A a) { return versineQ(q(a.x)); }},
      {"haversine", false, guardedTrig, [](A a) { return math::Haversine(a.x); },
       [](A a) { return versineQ(q(a.x)) / 2; }},
      {"coversine", false, guardedTrig, [](A a) { return math::Coversine(a.x); },
       [](A a) {
         const Quad s = sinq(q(a.x)), c = cosq(q(a.x));
         return s > 0 ? c * c / (1 + s) : 1 - s;
       }},
      {"exsecans", false, guardedTrig, [](A a) { return math::Exsecans(a.x); },
       [](A a) { return versineQ(q(a.x)) / cosq(q(a.x)); }},
      {"exp", false,
       [](Draw &d) {
         return d.chance() < 0.6 ? Args{d.uniform(-746, 710)} : Args{d.signedLog(0x1p-60, 746)};
       },
       [](A a) { return math::Exp(a.x); }, [](A a) { return expq(q(a.x)); }},
      {"ln", false, positives, [](A a) { return math::Ln(a.x); }, [](A a) { return logq(q(a.x)); }},
      {"logbase2", false, positives, [](A a) { return math::LogBase2(a.x); },
       [](A a) { return log2q(q(a.x)); }},
      {"logbase10", false, positives, [](A a) { return math::LogBase10(a.x); },
       [](A a) { return log10q(q(a.x)); }},
      {"logbasen", true,
       [](Draw &d) {
         Args a{positives(d).x, positives(d).x};
         if (a.x == 1)
           a.x = 2;
         return a;
       },
       [](A a) { return math::LogBaseN(a.x, a.z); },
       [](A a) { return logq(q(a.z)) / logq(q(a.x)); }},
      {"power", true, powers, [](A a) { return math::Power(a.x, a.z); },
       [](A a) {
         const Quad r = powq(fabsq(q(a.x)), q(a.z));
         const bool odd = a.x < 0 && std::fmod(std::fabs(a.z), 2) == 1;
         return odd ? -r : r;
       }},
      {"pythag", true,
       [](Draw &d) {
         const double x = d.signedLog(0x1p-1074, 0x1p1023);
         return Args{x, d.sign() * std::fabs(x) * d.logUniform(0x1p-60, 0x1p60)};
       },
       [](A a) { return math::Pythag(a.x, a.z); },
       [](A a) { return sqrtq(q(a.x) * q(a.x) + q(a.z) * q(a.z)); }},
      {"arctan", false, [](Draw &d) { return Args{d.signedLog(0x1p-40, 0x1p80)}; },
       [](A a) { return math::ArcTan(a.x); }, [](A a) { return atanq(q(a.x)); }},
      {"arctan2", true,
       [](Draw &d) {
         return Args{d.signedLog(0x1p-1074, 0x1p1023), d.signedLog(0x1p-1074, 0x1p1023)};
       },
       [](A a) { return math::ArcTan2(a.x, a.z); },
       [](A a) { return atan2q(q(a.x), q(a.z)); }},
      {"arcsin", false, unitInterval, [](A a) { return math::ArcSin(a.x); },
       [](A a) { return asinq(q(a.x)); }},
      {"arccos", false, unitInterval, [](A a) { return math::ArcCos(a.x); },
       [](A a) { return acosq(q(a.x)); }},
      {"arccot", false, [](Draw &d) { return Args{d.signedLog(0x1p-40, 0x1p80)}; },
       [](A a) { return math::ArcCot(a.x); }, [](A a) { return atanq(1 / q(a.x)); }},
      {"arcsec", false, beyondOne, [](A a) { return math::ArcSec(a.x); },
       [](A a) {
         const Quad m = fabsq(q(a.x));
         return atan2q(sqrtq((m - 1) * (m + 1)), q(signOf(a.x)));
       }},
      {"arccsc", false, beyondOne, [](A a) { return math::ArcCsc(a.x); },
       [](A a) {
         const Quad m = fabsq(q(a.x));
         return atan2q(q(signOf(a.x)), sqrtq((m - 1) * (m + 1)));
       }},
      {"cosh", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 711)}; },
       [](A a) { return math::Cosh(a.x); }, [](A a) { return coshq(q(a.x)); }},
      {"sinh", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 711)}; },
       [](A a) { return math::Sinh(a.x); }, [](A a) { return sinhq(q(a.x)); }},
      {"tanh", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 25)}; },
       [](A a) { return math::Tanh(a.x); }, [](A a) { return tanhq(q(a.x)); }},
      {"coth", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 25)}; },
       [](A a) { return math::Coth(a.x); }, [](A a) { return 1 / tanhq(q(a.x)); }},
      {"csch", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 750)}; },
       [](A a) { return math::Csch(a.x); }, [](A a) { return 1 / sinhq(q(a.x)); }},
      {"sech", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 750)}; },
       [](A a) { return math::Sech(a.x); }, [](A a) { return 1 / coshq(q(a.x)); }},
      {"arcsinh", false, [](Draw &d) { return Args{d.signedLog(0x1p-30, 0x1p1023)}; },
       [](A a) { return math::ArcSinh(a.x); }, [](A a) { return asinhq(q(a.x)); }},
      {"arccosh", false,
       [](Draw &d) { return Args{d.chance() < 0.5 ? 1 + std::exp2(-d.uniform(0, 52)) : d.logUniform(1, 0x1p1023)}; },
       [](A a) { return math::ArcCosh(a.x); }, [](A a) { return acoshq(q(a.x)); }},
      {"arctanh", false, unitInterval, [](A a) { return math::ArcTanh(a.x); },
       [](A a) { return atanhq(q(a.x)); }},
      // atanh(1/x) would lose 1/x's rounding next to |x| = 1.
      {"arccoth", false, beyondOne, [](A a) { return math::ArcCoth(a.x); },
       [](A a) { return q(signOf(a.x)) * log1pq(2 / (fabsq(q(a.x)) - 1)) / 2; }},
      {"arcsech", false,
       [](Draw &d) { return Args{d.chance() < 0.5 ? d.logUniform(0x1p-1074, 1) : 1 - std::exp2(-d.uniform(1, 53))}; },
       [](A a) { return math::ArcSech(a.x); },
       [](A a) {
         const Quad w = q(a.x);
         return log1pq(((1 - w) + sqrtq((1 - w) * (1 + w))) / w);
       }},
      {"arccsch", false, [](Draw &d) { return Args{d.signedLog(0x1p-1074, 0x1p1023)}; },
       [](A a) { return math::ArcCsch(a.x); }, [](A a) { return asinhq(1 / q(a.x)); }},
      {"sqrt", false, [](Draw &d) { return Args{d.logUniform(0x1p-1074, 0x1p1023)}; },
       [](A a) { return math::Sqrt(a.x); }, [](A a) { return sqrtq(q(a.x)); }},
      {"square", false, [](Draw &d) { return Args{d.signedLog(0x1p-600, 0x1p511)}; },
       [](A a) { return math::Square(a.x); }, [](A a) { return q(a.x) * q(a.x); }},
      {"abs", false, [](Draw &d) { return Args{d.signedLog(0x1p-1074, 0x1p1023)}; },
       [](A a) { return math::Abs(a.x); }, [](A a) { return fabsq(q(a.x)); }},
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
  const unsigned long long before = quad::SlowPathCount();
  try {
    o.value = f.ours(a);
  } catch (const Exception &) {
    o.raised = true;
  }
  o.slow = quad::SlowPathCount() != before;
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
  if (f.binary)
    std::fprintf(out, "%s,%.17g,%.17g\n", f.name, a.x, a.z);
  else
    std::fprintf(out, "%s,%.17g,\n", f.name, a.x);
}

// A case for verify_math_cases.py: the arguments and our result, or "!"
// when we raised an error.
void writeCase(std::FILE *out, const Function &f, const Args &a, const Outcome &o) {
  char z[32] = "";
  if (f.binary)
    std::snprintf(z, sizeof z, "%.17g", a.z);
  if (o.raised)
    std::fprintf(out, "%s,%.17g,%s,!\n", f.name, a.x, z);
  else if (f.binary)
    std::fprintf(out, "%s,%.17g,%.17g,%.17g\n", f.name, a.x, a.z, o.value);
  else
    std::fprintf(out, "%s,%.17g,,%.17g\n", f.name, a.x, o.value);
}

struct Totals {
  long values = 0, raised = 0, slow = 0, wrong = 0, undecided = 0;
  double worst = 0;
};

// The million-argument check of one function.
Totals check(const Function &f, long count, std::FILE *cases, std::FILE *sample, int sampleCount,
             std::uint64_t seed) {
  Draw d(seed);
  Totals t;
  for (long i = 0; i < count; ++i) {
    const Args a = f.draw(d);
    const Outcome o = run(f, a);
    const Quad exact = f.exact(a);
    const double rounded = static_cast<double>(exact);
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
    const double err = static_cast<double>(fabsq(q(o.value) - exact) / ulpOf(exact));
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
std::vector<Hard> searchHard(const Function &f, long count, int keep, std::uint64_t seed) {
  Draw d(seed);
  std::vector<Hard> found;
  for (long i = 0; i < count; ++i) {
    const Args a = f.draw(d);
    const Outcome o = run(f, a);
    if (!o.slow || o.raised)
      continue;
    const Quad exact = f.exact(a);
    if (static_cast<double>(exact) == 0 || std::fabs(static_cast<double>(exact)) < 0x1p-1022)
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

// --- the kernels' own errors -------------------------------------------------

void measureKernels(long count) {
  Draw d(99);
  struct Worst {
    const char *name;
    double bound;
    double worst = 0;
  };
  Worst w[] = {{"ExpFast", fast::ExpFastEps}, {"LogFast", fast::LogFastEps},
               {"LogDD", fast::LogDDEps},     {"SinhTaylor", fast::SinhTaylorEps},
               {"Log1p", fast::Log1pEps},     {"SinOf", fast::SinCosEps},
               {"CosOf", fast::SinCosEps},    {"Atan", fast::AtanEps},
               {"LogShort", 1}, {"OffsetAsin", fast::AsinEps},
               {"ExpBoth", fast::ExpFastEps}, {"OffsetAtan", fast::AtanTaylorEps},
               {"TanhTaylor", fast::TanhTaylorEps}, {"Log2Short", 1},
               {"CoshTaylor", fast::CoshTaylorEps}};
  const auto rel = [](const fast::DD &v, Quad exact) {
    return static_cast<double>(fabsq((q(v.hi) + q(v.lo) - exact) / exact));
  };
  for (long i = 0; i < count; ++i) {
    const double x = d.uniform(-745, 709);
    const fast::ExpScaled e = fast::ExpFast(x);
    w[0].worst = std::max(w[0].worst, rel(e.m, expq(q(x)) / ldexpq(1, e.k)));
    const fast::ExpPair pair = fast::ExpBoth(x);
    w[10].worst = std::max(w[10].worst, rel({pair.plusHead, pair.plusRest},
                                            expq(q(x)) / ldexpq(1, pair.k)));
    w[10].worst = std::max(w[10].worst, rel({pair.minusHead, pair.minusRest},
                                            expq(-q(x)) * ldexpq(1, pair.k)));
    // ... and of a double-double argument, as power passes it.
    const double big = d.sign() * d.uniform(256, 745);
    const double bigLo = d.uniform(-0x1.8p-43, 0x1.8p-43);
    const fast::ExpScaled eb = fast::ExpFast(big, bigLo);
    w[0].worst = std::max(w[0].worst, rel(eb.m, expq(q(big) + q(bigLo)) / ldexpq(1, eb.k)));
    const double p = positives(d).x;
    w[1].worst = std::max(w[1].worst, rel(fast::LogFast(p), logq(q(p))));
    // LogShort against its own bound eps |v| + abs: the ratio.
    const auto logRatio = [&](const fast::BoundedLog &l, Quad exact) {
      const Quad err = fabsq(q(l.v.hi) + q(l.v.lo) - exact);
      return static_cast<double>(err / (q(l.eps) * fabsq(q(l.v.hi)) + q(l.abs)));
    };
    w[8].worst = std::max(w[8].worst, logRatio(fast::LogShort(p), logq(q(p))));
    w[13].worst = std::max(w[13].worst, logRatio(fast::Log2Short(p), log2q(q(p))));
    // ... and of a double-double at least 2^-26 from 1.
    const double wide = d.chance() < 0.5 ? 1 + d.logUniform(0x1p-26, 1) : d.logUniform(1, 0x1p60);
    const double wideLo = wide * d.uniform(-0x1p-53, 0x1p-53);
    const fast::DD w2 = fast::FastTwoSum(wide, wideLo);
    w[8].worst = std::max(w[8].worst, logRatio(fast::LogShort(w2), logq(q(w2.hi) + q(w2.lo))));
    const double lo = p * d.uniform(-0x1p-53, 0x1p-53);
    if (std::fabs(p - 1) >= 0x1p-26)
      w[2].worst = std::max(w[2].worst, rel(fast::LogDD({p, lo}), logq(q(p) + q(lo))));
    const double small = d.logUniform(0x1p-30, 0.5);
    w[3].worst = std::max(w[3].worst, rel(fast::TaylorValue(fast::SinhTaylorTable, small), sinhq(q(small))));
    const double moderate = d.logUniform(0x1p-30, 0.549);
    w[12].worst = std::max(w[12].worst, rel(fast::TaylorValue(fast::TanhTaylorTable, moderate), tanhq(q(moderate))));
    const double u = d.logUniform(0x1p-60, 0x1p60);
    w[4].worst = std::max(w[4].worst, rel(fast::Log1p({u, 0}), log1pq(q(u))));
    const double s = d.logUniform(0x1p-27, 0x1p1023);
    const fast::TrigReduced t = fast::ReduceTrig(s);
    const fast::DD sv = fast::SinOf(t), cv = fast::CosOf(t);
    const Quad sq = sinq(q(s)), cq = cosq(q(s));
    // Only where the reduction's absolute error is negligible.
    if (fabsq(sq) > ldexpq(1, -40))
      w[5].worst = std::max(w[5].worst, rel(sv, sq));
    if (fabsq(cq) > ldexpq(1, -40))
      w[6].worst = std::max(w[6].worst, rel(cv, cq));
    const double a = d.logUniform(0x1p-30, 1);
    w[7].worst = std::max(w[7].worst, rel(fast::Atan({a, 0}), atanq(q(a))));
    const double unit = d.logUniform(0x1p-30, 1);
    w[11].worst = std::max(w[11].worst, rel(fast::OffsetTaylor(fast::AtanTaylorTable, {0, 0}, 1, unit, 0), atanq(q(unit))));
    const double over = d.logUniform(1, 0x1p30);
    const double inverse = 1 / over;
    const double inverseLo = std::fma(-inverse, over, 1) / over;
    w[11].worst = std::max(w[11].worst, rel(fast::OffsetTaylor(fast::AtanTaylorTable, {0, 0}, 1, inverse, inverseLo),
                                            atanq(1 / q(over))));
    // asin of a double and of a square root's double-double.
    const double y = d.logUniform(0x1p-30, 0.5);
    w[9].worst = std::max(w[9].worst, rel(fast::OffsetTaylor(fast::AsinTable, {0, 0}, 1, y, 0), asinq(q(y))));
    const double square = d.logUniform(0x1p-54, 0.25);
    const double root = std::sqrt(square);
    const double remainder = std::fma(-root, root, square);
    w[9].worst = std::max(w[9].worst, rel(fast::OffsetTaylor(fast::AsinTable, {0, 0}, 1, root, remainder / (2 * root)),
                                          asinq(sqrtq(q(square)))));
    const double below1 = d.chance() < 0.5 ? d.logUniform(0x1p-30, 1) : d.uniform(0, 1);
    w[14].worst = std::max(w[14].worst, rel(fast::TaylorValue(fast::CoshTaylorTable, below1), coshq(q(below1))));
  }
  std::printf("%-8s %14s %14s %8s\n", "kernel", "worst rel err", "bound", "ratio");
  for (const Worst &k : w)
    std::printf("%-8s %14.3g %14.3g %8.3f\n", k.name, k.worst, k.bound, k.worst / k.bound);
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
  std::FILE *sample = o.samplePath.empty() ? nullptr : std::fopen(o.samplePath.c_str(), "w");
  std::FILE *hard = o.hardPath.empty() ? nullptr : std::fopen(o.hardPath.c_str(), "w");
  std::printf("%-10s %9s %8s %12s %10s %9s %7s %9s\n", "function", "values", "raised",
              "worst ulps", "slow path", "share", "wrong", "quad-tie");
  int failures = 0;
  std::uint64_t seed = 1;
  for (const Function &f : functions()) {
    ++seed;
    if (!selected(o, f.name))
      continue;
    const Totals t = check(f, o.count, cases, sample, o.samplePerFunction, seed);
    std::printf("%-10s %9ld %8ld %12.6f %10ld %8.5f%% %7ld %9ld\n", f.name, t.values, t.raised,
                t.worst, t.slow, 100.0 * static_cast<double>(t.slow) / static_cast<double>(o.count),
                t.wrong, t.undecided);
    std::fflush(stdout);
    failures += t.wrong != 0;
    if (hard != nullptr) {
      for (const Hard &h : searchHard(f, o.hardCount, o.hardPerFunction, seed + 1000)) {
        writeArgs(hard, f, h.args);
        std::fprintf(stderr, "hard %s %.17g %.17g at %.3g ulp from a boundary\n", f.name,
                     h.args.x, h.args.z, h.distance);
      }
      std::fflush(hard);
    }
  }
  for (std::FILE *file : {cases, sample, hard})
    if (file != nullptr)
      std::fclose(file);
  return failures == 0 ? 0 : 1;
}
