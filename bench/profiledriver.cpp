// A fixed amount of work for callgrind, whose instruction counts are stable
// where wall-clock times are not:
//   valgrind --tool=callgrind quorvex_profile F5 evaluate 100000
// runs F5's Evaluate 100000 times (or Compile, with "compile").

#include "benchcommon.h"
#include "benchcontext.h"

#include "engine/evaluator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace quorvex;
using namespace quorvex::bench;

namespace {

void prepare(TCompiledEvaluator &evaluator, const BenchFormula &formula,
             std::vector<double> &values) {
  bindFormula(evaluator, formula, values, benchContext());
  evaluator.Compile(formula.ours);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s F1..F7 evaluate|compile count\n", argv[0]);
    return 2;
  }
  const BenchFormula *formula = nullptr;
  for (const BenchFormula &f : benchFormulas())
    if (f.name == argv[1])
      formula = &f;
  const long count = std::atol(argv[3]);
  if (formula == nullptr || count <= 0) {
    std::fprintf(stderr, "unknown formula or bad count\n");
    return 2;
  }
  std::vector<double> values = initialValues(*formula);
  double sink = 0;
  if (std::strcmp(argv[2], "compile") == 0) {
    for (long i = 0; i < count; ++i) {
      TCompiledEvaluator evaluator;
      prepare(evaluator, *formula, values);
      sink += static_cast<double>(evaluator.Machine.CodeList.size());
    }
  } else {
    TCompiledEvaluator evaluator;
    prepare(evaluator, *formula, values);
    Nudger nudge(values[0]);
    for (long i = 0; i < count; ++i) {
      nudge();
      sink += evaluator.Evaluate();
    }
  }
  std::printf("%g\n", sink);
  return 0;
}
