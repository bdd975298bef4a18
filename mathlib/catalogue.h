#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// What the user reads about the standard context's names: a short
// description of every constant and function and, for functions, the
// arguments and the domain. quorvex-eval --list and the manual pages print
// it; the names, their spelling and the argument counts are exactly those
// the standard context registers (a test compares the two), in its order.

namespace quorvex {

struct CatalogueConstant {
  std::string_view name;
  std::string_view description;
};

struct CatalogueFunction {
  std::string_view name;
  std::string_view arguments; // as written in a formula: "x", "x; z"
  std::string_view domain;    // the arguments that give a value
  std::string_view description;

  std::size_t ArgumentCount() const noexcept;
};

std::span<const CatalogueConstant> catalogueConstants() noexcept;
std::span<const CatalogueFunction> catalogueFunctions() noexcept;

} // namespace quorvex
