#pragma once

// A formula of the standard context over x, y and z, bound to values[0..2],
// as the block evaluator's differential checks compile it twice: once for
// the block, once for Evaluate row by row.

#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <string>

namespace quorvex::fuzz {

struct ThreeVariables {
  Float values[3] = {};
  TCompiledEvaluator evaluator;

  explicit ThreeVariables(const std::string &formula) {
    evaluator.ExternalContexts.Add(StandardContext());
    evaluator.AddVariable("x", &values[0]);
    evaluator.AddVariable("y", &values[1]);
    evaluator.AddVariable("z", &values[2]);
    try {
      evaluator.Compile(formula);
    } catch (const Exception &) {
      // The machine has no program: every row fails as Evaluate does then.
    }
  }
};

} // namespace quorvex::fuzz
