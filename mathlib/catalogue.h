#pragma once

#include "engine/floattypes.h"

#include <cstddef>
#include <span>
#include <string_view>

// The standard context's constants and functions as one catalogue, in
// registration order (catalogue.def): what the standard context registers,
// what quorvex-eval --list, the manual pages and the user guide print, and
// what the tests and the accuracy tool go through. Its texts are English,
// marked for translation with the context "Catalogue".

namespace quorvex {

// The groups the user guide lists the functions in, in its order; not the
// families the routines' files are named for.
enum class GuideGroup {
  Algebraic,
  Transcendental,
  Trigonometric,
  OtherTrigonometric,
  Hyperbolic,
  OtherHyperbolic,
  Miscellaneous,
};

struct CatalogueGroup {
  GuideGroup group;
  std::string_view name; // as the guide heads it: "Other trigonometric"
};

struct CatalogueConstant {
  std::string_view name;
  Float80 value; // registered rounded to the nearest Float
  std::string_view meaning;
  // A formula that computes the constant from its meaning with the
  // context's functions, or empty for a measured physical constant.
  std::string_view definition;
  std::string_view
      guide; // the meaning as the user guide writes it, HTML; empty: the meaning
};

struct CatalogueFunction {
  using Unary = Float (*)(Float);
  using Binary = Float (*)(Float, Float);

  constexpr CatalogueFunction(std::string_view name, std::string_view arguments,
                              Unary routine, std::string_view family, GuideGroup group,
                              std::string_view domain, std::string_view description,
                              std::string_view guide)
      : name(name), arguments(arguments), unary(routine), family(family), group(group),
        domain(domain), description(description), guide(guide) {}
  constexpr CatalogueFunction(std::string_view name, std::string_view arguments,
                              Binary routine, std::string_view family, GuideGroup group,
                              std::string_view domain, std::string_view description,
                              std::string_view guide)
      : name(name), arguments(arguments), binary(routine), family(family), group(group),
        domain(domain), description(description), guide(guide) {}

  std::string_view name;
  std::string_view arguments; // as written in a formula: "x", "x; z"
  // The routine the symbol calls: one of the two is set. The binary one
  // takes the formula's first argument first.
  Unary unary = nullptr;
  Binary binary = nullptr;
  std::string_view family; // the file that holds the routine: mathlib/<family>.cpp
  GuideGroup group;
  std::string_view domain; // the arguments that give a value
  std::string_view description;
  std::string_view guide; // the user guide's paragraph, HTML, after name and arguments

  constexpr std::size_t argumentCount() const noexcept {
    return binary != nullptr ? 2 : 1;
  }
};

std::span<const CatalogueConstant> catalogueConstants() noexcept;
std::span<const CatalogueFunction> catalogueFunctions() noexcept;
// Every group, in the guide's order.
std::span<const CatalogueGroup> catalogueGroups() noexcept;

} // namespace quorvex
