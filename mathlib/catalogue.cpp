#include "catalogue.h"

#include "algebraic.h"
#include "engine/translationmark.h"
#include "exponential.h"
#include "hyperbolic.h"
#include "inversehyperbolic.h"
#include "inversetrigonometric.h"
#include "power.h"
#include "trigonometric.h"

namespace quorvex {

namespace {

constexpr CatalogueConstant constants[] = {
#define QUORVEX_CONSTANT(name, value, meaning, definition, guide)                        \
  {name, value, meaning, definition, guide},
#define QUORVEX_FUNCTION(...)
#include "catalogue.def"
};

constexpr CatalogueFunction functions[] = {
#define QUORVEX_CONSTANT(...)
#define QUORVEX_FUNCTION(name, arguments, routine, family, group, domain, description,   \
                         guide)                                                          \
  {name, arguments, routine, family, GuideGroup::group, domain, description, guide},
#include "catalogue.def"
};

constexpr CatalogueGroup groups[] = {
    {GuideGroup::Algebraic, QV_TRANSLATE_NOOP("Catalogue", "Algebraic")},
    {GuideGroup::Transcendental, QV_TRANSLATE_NOOP("Catalogue", "Transcendental")},
    {GuideGroup::Trigonometric, QV_TRANSLATE_NOOP("Catalogue", "Trigonometric")},
    {GuideGroup::OtherTrigonometric,
     QV_TRANSLATE_NOOP("Catalogue", "Other trigonometric")},
    {GuideGroup::Hyperbolic, QV_TRANSLATE_NOOP("Catalogue", "Hyperbolic")},
    {GuideGroup::OtherHyperbolic, QV_TRANSLATE_NOOP("Catalogue", "Other hyperbolic")},
    {GuideGroup::Miscellaneous, QV_TRANSLATE_NOOP("Catalogue", "Miscellaneous")},
};

} // namespace

std::span<const CatalogueConstant> catalogueConstants() noexcept {
  return constants;
}
std::span<const CatalogueFunction> catalogueFunctions() noexcept {
  return functions;
}
std::span<const CatalogueGroup> catalogueGroups() noexcept {
  return groups;
}

} // namespace quorvex
