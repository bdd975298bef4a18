#pragma once

// Runs formulas the way the calculator does: a fresh compiled evaluator with
// the standard context attached and the variables bound by address.

#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex::mathtest {

using Variables = std::vector<std::pair<std::string, Float>>;

// Value of formula, with variables {name, value}.
inline Float evaluate(std::string_view formula, const Variables &variables = {}) {
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  for (const auto &[name, value] : variables)
    evaluator.AddVariable(name, &value);
  evaluator.Compile(formula);
  return evaluator.Evaluate();
}

// The message of the error the formula raises, or "" when it succeeds.
inline std::string errorOf(std::string_view formula, const Variables &variables = {}) {
  try {
    evaluate(formula, variables);
  } catch (const std::exception &error) {
    return error.what();
  }
  return "";
}

// Number of representable doubles between a and b; +0 and -0 coincide.
inline std::int64_t ulpDistance(Float a, Float b) {
  const auto ordinal = [](Float d) {
    const auto bits = std::bit_cast<std::int64_t>(d);
    return bits < 0 ? -(bits & INT64_MAX) : bits;
  };
  return std::llabs(ordinal(a) - ordinal(b));
}

inline constexpr const char *domainError = "Domain check failure in Kerrowin";
inline constexpr const char *powerInfinite = "Power function: Result is infinite";
inline constexpr const char *powerComplex = "Power function: Result is complex";
inline constexpr const char *zeroDivide = "Floating point division by zero";
inline constexpr const char *invalid = "Invalid floating point operation";
inline constexpr const char *overflow = "Floating point overflow";

struct ValueCase {
  const char *formula;
  Float expected;
  int ulps; // 0: exactly this double, the sign of zero included
};

struct ErrorCase {
  const char *formula;
  const char *message;
};

template <std::size_t N> void expectValues(const ValueCase (&cases)[N]) {
  for (const ValueCase &c : cases) {
    const std::string error = errorOf(c.formula);
    if (!error.empty()) {
      ADD_FAILURE() << c.formula << " raised " << error;
      continue;
    }
    const Float value = evaluate(c.formula);
    if (c.ulps == 0) // the sign of a zero too
      EXPECT_EQ(std::bit_cast<std::uint64_t>(value),
                std::bit_cast<std::uint64_t>(c.expected))
          << c.formula << " gave " << value << ", expected " << c.expected;
    else
      EXPECT_LE(ulpDistance(value, c.expected), c.ulps)
          << c.formula << " gave " << value << ", expected " << c.expected;
  }
}

template <std::size_t N> void expectErrors(const ErrorCase (&cases)[N]) {
  for (const ErrorCase &c : cases)
    EXPECT_EQ(errorOf(c.formula), c.message) << c.formula;
}

} // namespace quorvex::mathtest
