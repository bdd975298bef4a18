#pragma once

#include "engine/floattypes.h"

#include <cstddef>
#include <span>
#include <string_view>

// The standard context's constants and functions as one catalogue, in
// registration order (catalogue.def): what the standard context registers,
// what quorvex-eval --list and the manual pages print, and what the tests
// and the accuracy tool go through.

namespace quorvex {

struct CatalogueConstant {
  std::string_view name;
  Float80 value; // registered rounded to the nearest Float
  std::string_view meaning;
  // A formula that computes the constant from its meaning with the
  // context's functions, or empty for a measured physical constant.
  std::string_view definition;
};

struct CatalogueFunction {
  using Unary = Float (*)(Float);
  using Binary = Float (*)(Float, Float);

  constexpr CatalogueFunction(std::string_view name, std::string_view arguments,
                              Unary routine, std::string_view family,
                              std::string_view domain, std::string_view description)
      : name(name), arguments(arguments), unary(routine), family(family), domain(domain),
        description(description) {}
  constexpr CatalogueFunction(std::string_view name, std::string_view arguments,
                              Binary routine, std::string_view family,
                              std::string_view domain, std::string_view description)
      : name(name), arguments(arguments), binary(routine), family(family), domain(domain),
        description(description) {}

  std::string_view name;
  std::string_view arguments; // as written in a formula: "x", "x; z"
  // The routine the symbol calls: one of the two is set. The binary one
  // takes the formula's first argument first.
  Unary unary = nullptr;
  Binary binary = nullptr;
  std::string_view family; // the file that holds the routine: mathlib/<family>.cpp
  std::string_view domain; // the arguments that give a value
  std::string_view description;

  constexpr std::size_t argumentCount() const noexcept {
    return binary != nullptr ? 2 : 1;
  }
};

std::span<const CatalogueConstant> catalogueConstants() noexcept;
std::span<const CatalogueFunction> catalogueFunctions() noexcept;

} // namespace quorvex
