#include "functionbench.h"

#include "benchcommon.h"
#include "benchcontext.h"

#include "engine/errors.h"
#include "engine/evaluator.h"

#include <muParser.h>

#include <cmath>
#include <string>
#include <vector>

namespace quorvex::bench {

namespace {

// Column names of the function table.
constexpr const char *cDoubleColumn = "C double";

using Native = double (*)(const volatile double *);

// A function row as a one-call formula: ours, the peer's spelling, the
// variables, and the C library's double function as the native yardstick.
BenchFormula row(const char *name, const char *ours, const char *peer,
                 std::vector<BenchVariable> variables, Native native) {
  return {name, ours, peer, std::move(variables), native, true};
}

const std::vector<BenchFormula> &functionRows() {
  static const std::vector<BenchFormula> rows = {
      row("sin", "sin(x)", "sin(x)", {{"x", 0.7}},
          [](const volatile double *v) { return std::sin(v[0]); }),
      row("cos", "cos(x)", "cos(x)", {{"x", 1.3}},
          [](const volatile double *v) { return std::cos(v[0]); }),
      row("tan", "tan(x)", "tan(x)", {{"x", 0.9}},
          [](const volatile double *v) { return std::tan(v[0]); }),
      row("exp", "exp(x)", "exp(x)", {{"x", 1.3}},
          [](const volatile double *v) { return std::exp(v[0]); }),
      row("ln", "ln(x)", "ln(x)", {{"x", 2.5}},
          [](const volatile double *v) { return std::log(v[0]); }),
      row("logbase10", "logbase10(x)", "log10(x)", {{"x", 2.5}},
          [](const volatile double *v) { return std::log10(v[0]); }),
      row("logbase2", "logbase2(x)", "log2(x)", {{"x", 2.5}},
          [](const volatile double *v) { return std::log2(v[0]); }),
      row("arctan", "arctan(x)", "atan(x)", {{"x", 0.6}},
          [](const volatile double *v) { return std::atan(v[0]); }),
      row("arctan2", "arctan2(y;x)", "atan2(y,x)", {{"y", 1.3}, {"x", 0.7}},
          [](const volatile double *v) { return std::atan2(v[0], v[1]); }),
      row("arcsin", "arcsin(x)", "asin(x)", {{"x", 0.4}},
          [](const volatile double *v) { return std::asin(v[0]); }),
      row("arccos", "arccos(x)", "acos(x)", {{"x", 0.4}},
          [](const volatile double *v) { return std::acos(v[0]); }),
      row("power", "power(x;z)", "x^z", {{"x", 2.3}, {"z", 1.5}},
          [](const volatile double *v) { return std::pow(v[0], v[1]); }),
      row("pythag", "pythag(x;y)", "sqrt(x*x+y*y)", {{"x", 3.1}, {"y", 4.2}},
          [](const volatile double *v) { return std::hypot(v[0], v[1]); }),
      row("sinh", "sinh(x)", "sinh(x)", {{"x", 0.8}},
          [](const volatile double *v) { return std::sinh(v[0]); }),
      row("cosh", "cosh(x)", "cosh(x)", {{"x", 0.8}},
          [](const volatile double *v) { return std::cosh(v[0]); }),
      row("tanh", "tanh(x)", "tanh(x)", {{"x", 0.8}},
          [](const volatile double *v) { return std::tanh(v[0]); }),
      row("arcsinh", "arcsinh(x)", "asinh(x)", {{"x", 0.8}},
          [](const volatile double *v) { return std::asinh(v[0]); }),
      row("arccosh", "arccosh(x)", "acosh(x)", {{"x", 1.8}},
          [](const volatile double *v) { return std::acosh(v[0]); }),
      row("arctanh", "arctanh(x)", "atanh(x)", {{"x", 0.4}},
          [](const volatile double *v) { return std::atanh(v[0]); }),
  };
  return rows;
}

std::string label(const BenchFormula &f) {
  return "fn " + f.ours;
}

void ours(benchmark::State &state, const BenchFormula &formula, TExprContext *context) {
  try {
    std::vector<double> values = initialValues(formula);
    TCompiledEvaluator evaluator;
    bindFormula(evaluator, formula, values, *context);
    evaluator.Compile(formula.ours);
    if (!confirmAgreement(state, formula, evaluator.Evaluate()))
      return;
    Nudger nudge(values[0]);
    for (auto _ : state) {
      nudge();
      benchmark::DoNotOptimize(evaluator.Evaluate());
    }
  } catch (const Exception &e) {
    failBenchmark(state, formula.name + ": " + e.message());
  }
}

void peer(benchmark::State &state, const BenchFormula &formula, bool optimize) {
  try {
    std::vector<double> values = initialValues(formula);
    mu::Parser parser;
    parser.EnableOptimizer(optimize);
    for (std::size_t i = 0; i < values.size(); ++i)
      parser.DefineVar(formula.variables[i].name, &values[i]);
    parser.SetExpr(formula.peer);
    if (!confirmAgreement(state, formula, parser.Eval()))
      return;
    Nudger nudge(values[0]);
    for (auto _ : state) {
      nudge();
      benchmark::DoNotOptimize(parser.Eval());
    }
  } catch (const mu::Parser::exception_type &e) {
    failBenchmark(state, formula.name + ": " + e.GetMsg());
  }
}

} // namespace

void registerFunctionBenchmarks() {
  for (const BenchFormula &f : functionRows()) {
    benchmark::RegisterBenchmark(benchName(label(f), oursColumn).c_str(), ours, f,
                                 &benchContext());
    benchmark::RegisterBenchmark(benchName(label(f), cDoubleColumn).c_str(), ours, f,
                                 &doubleContext());
    benchmark::RegisterBenchmark(benchName(label(f), peerOptimizedColumn).c_str(), peer,
                                 f, true);
    benchmark::RegisterBenchmark(benchName(label(f), peerPlainColumn).c_str(), peer, f,
                                 false);
  }
}

bool printFunctionTable(const MedianCollector &medians, std::FILE *out) {
  std::fprintf(out,
               "\nOne function call per formula, ns per Evaluate. C double: our engine "
               "calling the C library's double function of the same meaning.\n\n");
  std::fprintf(out, "%-22s %8s %9s %12s %13s %8s  %-18s %s\n", "formula", "ours",
               cDoubleColumn, "peer opt on", "peer opt off", "ratio", "goal", "met");
  std::fprintf(out, "%s\n", std::string(104, '-').c_str());
  bool allMet = true;
  for (const BenchFormula &f : functionRows()) {
    const std::string l = label(f);
    const double o = medians.median(benchName(l, oursColumn));
    const double c = medians.median(benchName(l, cDoubleColumn));
    const double on = medians.median(benchName(l, peerOptimizedColumn));
    const double off = medians.median(benchName(l, peerPlainColumn));
    const double ratio = o / c;
    const bool met = !std::isnan(ratio) && ratio <= 2.0;
    allMet = allMet && met;
    std::fprintf(out, "%-22s %8.1f %9.1f %12.1f %13.1f %8.2f  %-18s %s\n", f.ours.c_str(),
                 o, c, on, off, ratio, "<= 2.00 x C double",
                 std::isnan(ratio) ? ""
                 : met             ? "yes"
                                   : "NO");
  }
  return allMet;
}

} // namespace quorvex::bench
