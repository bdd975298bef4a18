#pragma once

// Runs formulas the way the calculator does: a fresh compiled evaluator with
// the standard context attached and the variables bound by address.

#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex::mathtest {

// Value of formula, with variables {name, value}.
inline Float Evaluate(std::string_view formula,
                      const std::vector<std::pair<std::string, Float>> &variables = {}) {
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  for (const auto &[name, value] : variables)
    evaluator.AddVariable(name, &value);
  evaluator.Compile(formula);
  return evaluator.Evaluate();
}

// The message of the error the formula raises, or "" when it succeeds.
inline std::string ErrorOf(std::string_view formula,
                           const std::vector<std::pair<std::string, Float>> &variables = {}) {
  try {
    Evaluate(formula, variables);
  } catch (const std::exception &error) {
    return error.what();
  }
  return "";
}

} // namespace quorvex::mathtest
