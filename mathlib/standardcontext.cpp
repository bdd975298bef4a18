#include "standardcontext.h"

#include "elementary.h"
#include "hyperbolic.h"
#include "trigonometric.h"

#include "engine/floattypes.h"
#include "engine/numberconversion.h"

#include <iterator>
#include <memory>
#include <string_view>

namespace quorvex {

namespace {

struct NamedConstant {
  std::string_view name;
  Float80 value; // rounded to Float once, when registered
};

struct NamedUnary {
  std::string_view name;
  TExprUnaryFuncSym::Function func;
};

struct NamedBinary {
  std::string_view name;
  TExprBinaryFuncSym::Function func;
};

// Registration order matters only for the hash map's trees; names are
// registered exactly as written here and found without regard to case.
constexpr NamedConstant Constants[] = {
    {"pi", 3.14159265358979323873L},
    {"bernstein", 0.280169499023869133055L},
    {"cbrt2", 1.25992104989487316486L},
    {"cbrt3", 1.44224957030740838255L},
    {"cbrt10", 2.15443469003188372126L},
    {"cbrt100", 4.64158883361277889304L},
    {"cbrtPi", 1.46459188756152326304L},
    {"catalan", 0.915965594177219015156L},
    {"pion2", 1.57079632679489661936L},
    {"pion3", 1.04719755119659774624L},
    {"pion4", 0.785398163397448309628L},
    {"sqrt2", 1.41421356237309504898L},
    {"sqrt3", 1.73205080756887729325L},
    {"sqrt5", 2.23606797749978969598L},
    {"sqrt10", 3.16227766016837933197L},
    {"sqrtpi", 1.77245385090551602720L},
    {"sqrt2pi", 2.50662827463100050225L},
    {"twopi", 6.28318530717958647703L},
    {"threepi", 9.42477796076937971576L},
    {"ln2", 0.693147180559945309320L},
    {"ln10", 2.30258509299404568382L},
    {"lnpi", 1.14472988584940017418L},
    {"log2", 0.301029995663981195280L},
    {"log3", 0.477121254719662437265L},
    {"logpi", 0.497149872694133854341L},
    {"loge", 0.434294481903251827700L},
    {"Nconst", 2.71828182845904523543L},
    {"hln2pi", 0.918938533204672741695L},
    // Deliberately 15 significant digits only: formulas written against
    // this constant depend on the value exactly as published.
    {"inv2pi", 0.159154943091895000005L},
    {"twotopower63", 9223372036854775808.0L},
    {"goldenmean", 1.61803398874989484799L},
    {"eulermascheroni", 0.577215664901532860616L},
    {"deg", 57.2957795130823208732L},
    // Physical constants keep their historical published values.
    {"amu", 1.6606e-27L},
    {"avog", 6.0225e23L},
    {"boltz", 1.3805e-23L},
    {"echarge", 1.602189e-19L},
    {"emass", 9.11e-31L},
    {"evolt", 1.602e-19L}, // one electron volt in joules
    {"farad", 96480.56L},
    {"gas", 8.31441L},
    {"neutron", 1.6748e-27L},
    {"planck", 6.626e-34L},
    {"proton", 1.6725e-27L},
    {"light", 2.9979e8L},
    {"gravity", 9.80665L},
    {"pressure", 101325.0L},
    {"stefan", 5.67032e-8L},
    {"bohr", 5.2917706e-11L},
};

constexpr NamedUnary UnaryFunctions[] = {
    {"sin", math::Sin},
    {"cos", math::Cos},
    {"exp", math::Exp},
    {"ln", math::Ln},
    {"square", math::Square},
    {"sqrt", math::Sqrt},
    {"abs", math::Abs},
    {"tan", math::Tan},
    {"arctan", math::ArcTan},
    {"logbase10", math::LogBase10},
    {"logbase2", math::LogBase2},
    {"cot", math::Cot},
    {"sec", math::Sec},
    {"csc", math::Csc},
    {"arcsin", math::ArcSin},
    {"arccos", math::ArcCos},
    {"arccot", math::ArcCot},
    {"arcsec", math::ArcSec},
    {"arccsc", math::ArcCsc},
    {"cosh", math::Cosh},
    {"coth", math::Coth},
    {"csch", math::Csch},
    {"sech", math::Sech},
    {"sinh", math::Sinh},
    {"tanh", math::Tanh},
    {"arccosh", math::ArcCosh},
    {"arccoth", math::ArcCoth},
    {"arccsch", math::ArcCsch},
    {"arcsech", math::ArcSech},
    {"arcsinh", math::ArcSinh},
    {"arctanh", math::ArcTanh},
    {"coversine", math::Coversine},
    {"exsecans", math::Exsecans},
    {"haversine", math::Haversine},
    {"versine", math::Versine},
};

// The formula's first argument is passed first.
constexpr NamedBinary BinaryFunctions[] = {
    {"power", math::Power},
    {"pythag", math::Pythag},
    {"logbasen", math::LogBaseN},
    {"arctan2", math::ArcTan2},
};

static_assert(std::size(Constants) == 49);
static_assert(std::size(UnaryFunctions) + std::size(BinaryFunctions) == 39);

// Freed at exit with the symbols it owns; null if no formula was evaluated.
std::unique_ptr<TExprHashContext> standardContext;

void fill(TExprHashContext &context) {
  for (const NamedConstant &c : Constants)
    context.Add(std::make_unique<TExprConstSym>(c.name, roundToFloat(c.value)));
  for (const NamedUnary &f : UnaryFunctions)
    context.Add(std::make_unique<TExprUnaryFuncSym>(f.name, f.func));
  for (const NamedBinary &f : BinaryFunctions)
    context.Add(std::make_unique<TExprBinaryFuncSym>(f.name, f.func));
}

} // namespace

TExprHashContext &StandardContext() {
  if (standardContext)
    return *standardContext;
  // Stored before filling, so that a failure part-way (out of memory)
  // leaves the partly filled context to be returned by later calls rather
  // than a second one being built over it.
  standardContext = std::make_unique<TExprHashContext>(false, 100);
  fill(*standardContext);
  return *standardContext;
}

} // namespace quorvex
