#include "catalogue.h"

#include <algorithm>
#include <iterator>

namespace quorvex {

namespace {

// Plain ASCII: the texts go to terminals of any encoding and into roff.
// Angles are in radians throughout; "about" marks where a result leaves the
// double range rather than a domain check.
constexpr CatalogueConstant Constants[] = {
    {"pi", "pi, the ratio of a circle's circumference to its diameter"},
    {"bernstein", "Bernstein's constant"},
    {"cbrt2", "cube root of 2"},
    {"cbrt3", "cube root of 3"},
    {"cbrt10", "cube root of 10"},
    {"cbrt100", "cube root of 100"},
    {"cbrtPi", "cube root of pi"},
    {"catalan", "Catalan's constant"},
    {"pion2", "pi/2"},
    {"pion3", "pi/3"},
    {"pion4", "pi/4"},
    {"sqrt2", "square root of 2"},
    {"sqrt3", "square root of 3"},
    {"sqrt5", "square root of 5"},
    {"sqrt10", "square root of 10"},
    {"sqrtpi", "square root of pi"},
    {"sqrt2pi", "square root of 2*pi"},
    {"twopi", "2*pi"},
    {"threepi", "3*pi"},
    {"ln2", "natural logarithm of 2"},
    {"ln10", "natural logarithm of 10"},
    {"lnpi", "natural logarithm of pi"},
    {"log2", "base-10 logarithm of 2 (logbase2 is the function)"},
    {"log3", "base-10 logarithm of 3"},
    {"logpi", "base-10 logarithm of pi"},
    {"loge", "base-10 logarithm of e"},
    {"Nconst", "e, the base of the natural logarithm"},
    {"hln2pi", "half the natural logarithm of 2*pi"},
    {"inv2pi", "1/(2*pi), to 15 significant digits only"},
    {"twotopower63", "2 to the power 63"},
    {"goldenmean", "the golden ratio"},
    {"eulermascheroni", "the Euler-Mascheroni constant"},
    {"deg", "degrees per radian, 180/pi: sin(30/deg) is 0.5"},
    {"amu", "atomic mass unit (kg)"},
    {"avog", "Avogadro constant (1/mol)"},
    {"boltz", "Boltzmann constant (J/K)"},
    {"echarge", "electron charge (C)"},
    {"emass", "electron mass (kg)"},
    {"evolt", "electron volt (J)"},
    {"farad", "Faraday constant (C/mol)"},
    {"gas", "gas constant (J/(mol K))"},
    {"neutron", "neutron mass (kg)"},
    {"planck", "Planck constant (J s)"},
    {"proton", "proton mass (kg)"},
    {"light", "speed of light (m/s)"},
    {"gravity", "standard gravitational acceleration (m/s^2)"},
    {"pressure", "normal atmospheric pressure (N/m^2)"},
    {"stefan", "Stefan-Boltzmann constant (W/(m^2 K^4))"},
    {"bohr", "Bohr radius (m)"},
};

constexpr CatalogueFunction Functions[] = {
    {"sin", "x", "any x", "sine"},
    {"cos", "x", "any x", "cosine"},
    {"exp", "x", "x up to about 709.78", "e raised to the power x"},
    {"ln", "x", "x > 0", "natural logarithm"},
    {"square", "x", "|x| up to about 1.34e154", "x*x"},
    {"sqrt", "x", "x >= 0", "square root"},
    {"abs", "x", "any x", "absolute value"},
    {"tan", "x", "|x| <= 2^63", "tangent"},
    {"arctan", "x", "any x", "inverse tangent, in (-pi/2, pi/2)"},
    {"logbase10", "x", "x > 0", "base-10 logarithm"},
    {"logbase2", "x", "x > 0", "base-2 logarithm"},
    {"cot", "x", "0 < |x| <= 2^63", "cotangent, 1/tan x"},
    {"sec", "x", "|x| <= 2^63", "secant, 1/cos x"},
    {"csc", "x", "0 < |x| <= 2^63", "cosecant, 1/sin x"},
    {"arcsin", "x", "|x| <= 1", "inverse sine, in [-pi/2, pi/2]"},
    {"arccos", "x", "|x| <= 1", "inverse cosine, in [0, pi]"},
    {"arccot", "x", "x <> 0", "inverse cotangent, arctan(1/x)"},
    {"arcsec", "x", "|x| >= 1", "inverse secant"},
    {"arccsc", "x", "|x| >= 1", "inverse cosecant"},
    {"cosh", "x", "|x| up to about 710.48", "hyperbolic cosine"},
    {"coth", "x", "x <> 0", "hyperbolic cotangent"},
    {"csch", "x", "x <> 0", "hyperbolic cosecant"},
    {"sech", "x", "any x", "hyperbolic secant"},
    {"sinh", "x", "|x| up to about 710.48", "hyperbolic sine"},
    {"tanh", "x", "any x", "hyperbolic tangent"},
    {"arccosh", "x", "x >= 1", "inverse hyperbolic cosine"},
    {"arccoth", "x", "|x| > 1", "inverse hyperbolic cotangent"},
    {"arccsch", "x", "x <> 0", "inverse hyperbolic cosecant"},
    {"arcsech", "x", "0 < x <= 1", "inverse hyperbolic secant"},
    {"arcsinh", "x", "any x", "inverse hyperbolic sine"},
    {"arctanh", "x", "|x| < 1", "inverse hyperbolic tangent"},
    {"coversine", "x", "|x| <= 2^63", "1 - sin x"},
    {"exsecans", "x", "|x| <= 2^63", "sec x - 1"},
    {"haversine", "x", "|x| <= 2^63", "(1 - cos x)/2"},
    {"versine", "x", "|x| <= 2^63", "1 - cos x"},
    {"power", "x; z", "x > 0; x = 0 and z >= 0; x < 0 and whole z",
     "x raised to the power z"},
    {"pythag", "h; v", "any h and v", "hypotenuse, sqrt(h*h + v*v)"},
    {"logbasen", "base; x", "base > 0, base <> 1, x > 0", "logarithm of x to the base"},
    {"arctan2", "x; z", "any x and z", "angle of the point (z, x), in (-pi, pi]"},
};

} // namespace

std::size_t CatalogueFunction::ArgumentCount() const noexcept {
  return 1 + static_cast<std::size_t>(std::count(arguments.begin(), arguments.end(), ';'));
}

std::span<const CatalogueConstant> catalogueConstants() noexcept { return Constants; }
std::span<const CatalogueFunction> catalogueFunctions() noexcept { return Functions; }

} // namespace quorvex
