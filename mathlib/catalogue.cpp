#include "catalogue.h"

#include "algebraic.h"
#include "exponential.h"
#include "hyperbolic.h"
#include "inversehyperbolic.h"
#include "inversetrigonometric.h"
#include "power.h"
#include "trigonometric.h"

#include <iterator>

namespace quorvex {

namespace {

constexpr CatalogueConstant constants[] = {
#define QUORVEX_CONSTANT(name, value, meaning, definition)                               \
  {name, value, meaning, definition},
#define QUORVEX_FUNCTION(...)
#include "catalogue.def"
};

constexpr CatalogueFunction functions[] = {
#define QUORVEX_CONSTANT(...)
#define QUORVEX_FUNCTION(name, arguments, routine, family, domain, description)          \
  {name, arguments, routine, family, domain, description},
#include "catalogue.def"
};

static_assert(std::size(constants) == 49);
static_assert(std::size(functions) == 39);

} // namespace

std::span<const CatalogueConstant> catalogueConstants() noexcept {
  return constants;
}
std::span<const CatalogueFunction> catalogueFunctions() noexcept {
  return functions;
}

} // namespace quorvex
