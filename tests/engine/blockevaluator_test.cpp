// Every class of op of the table runs over a block as Evaluate runs it, row
// by row: the call flavours with their conversions at the machine's
// boundary (a finite argument beyond single precision, an extended result
// beyond the double range), routines that raise errors, comparisons with
// NaN, divisors that are not finite, values nothing reads, and the ops that
// read no column at all (32- and 80-bit variables, calls without
// arguments), which one failure fails for every row.

#include "blockoutcome.h"
#include "enginetestsupport.h"

#include "engine/blockevaluator.h"
#include "engine/errors.h"
#include "engine/nodefactory.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

namespace quorvex::test {
namespace {

constexpr Float inf = std::numeric_limits<Float>::infinity();
constexpr Float nan = std::numeric_limits<Float>::quiet_NaN();

template <class T> T ident(T x) {
  return x;
}
template <class T> T one(T) {
  return 1;
}
template <class T> T digits2(T x, T y) {
  return x * 10 + y;
}
template <class T> T digits3(T x, T y, T z) {
  return x * 100 + y * 10 + z;
}
template <class T> T refuseNegative(T x) {
  if (x < 0)
    throw ECalcError("Domain check failure in test function");
  return x;
}
Float80 beyondDoubles(Float80 x) {
  return x * 1e300L;
}
Float80 hugeConstant() {
  return 1e400L;
}

using F = TExprVirtMachNodeFactory;
using N = TExprNode;

TEST(BlockEvaluator, EveryOpClassAsEvaluateGivesIt) {
  // The storage of x and y, read from columns; w holds 3.
  Float xValue = 0, yValue = 0;
  const Float32 tenth32 = 0.1f;
  const Float80 beyond80 = 1e400L;
  struct Row {
    const char *what;
    // x and y are read from columns, w holds 3.
    std::function<void(F &, N *x, N *y, N *w)> make;
  };
  const Row rows[] = {
      {"CallUnary32", [](F &f, N *x, N *, N *) { f.CallUnary32(&ident<Float32>, x); }},
      {"CallUnary32 of an argument it ignores",
       [](F &f, N *x, N *, N *) { f.CallUnary32(&one<Float32>, x); }},
      {"CallUnary64", [](F &f, N *x, N *, N *) { f.CallUnary64(&ident<Float64>, x); }},
      {"CallUnary80", [](F &f, N *x, N *, N *) { f.CallUnary80(&beyondDoubles, x); }},
      {"CallBinary32",
       [](F &f, N *x, N *y, N *) { f.CallBinary32(&digits2<Float32>, y, x); }},
      {"CallBinary80",
       [](F &f, N *x, N *, N *w) { f.CallBinary80(&digits2<Float80>, w, x); }},
      {"CallTernary",
       [](F &f, N *x, N *, N *w) { f.CallTernary(&digits3<Float>, w, x, w); }},
      {"CallTernary32",
       [](F &f, N *x, N *y, N *w) { f.CallTernary32(&digits3<Float32>, x, w, y); }},
      {"CallTernary64",
       [](F &f, N *x, N *y, N *w) { f.CallTernary64(&digits3<Float64>, x, y, w); }},
      {"CallTernary80",
       [](F &f, N *x, N *y, N *) { f.CallTernary80(&digits3<Float80>, y, x, y); }},
      {"a routine's error",
       [](F &f, N *x, N *, N *) { f.Add(f.CallUnary(&refuseNegative<Float>, x), x); }},
      {"compare",
       [](F &f, N *x, N *y, N *w) {
         f.Add(f.Add(f.Compare(x, y), f.Compare(x, w)), f.Compare(w, y));
       }},
      {"divisors",
       [](F &f, N *x, N *y, N *w) {
         f.Add(f.Add(f.Divide(w, x), f.Divide(x, y)), f.Divide(x, w));
       }},
      {"a divisor that is not finite",
       [](F &f, N *x, N *y, N *) { f.Divide(f.Const64(1), f.Multiply(x, y)); }},
      {"signs and differences",
       [](F &f, N *x, N *y, N *) {
         f.Subtract(f.Negate(x), f.Multiply(y, f.Negate(y)));
       }},
      {"a value nothing reads",
       [](F &f, N *x, N *y, N *w) {
         f.Divide(x, y);
         f.Multiply(w, x);
       }},
      {"the same operation on other constants",
       [](F &f, N *x, N *, N *) {
         f.Add(f.Multiply(x, f.Const64(2)), f.Multiply(x, f.Const64(3)));
       }},
      {"a sub-expression written twice",
       [&](F &f, N *x, N *y,
           N *) { f.Add(f.Divide(x, y), f.Divide(f.Var64(&xValue), f.Var64(&yValue))); }},
      {"a column alone", [](F &, N *, N *, N *) {}},
      {"32-bit variable",
       [&](F &f, N *x, N *, N *) { f.Multiply(f.Var32(&tenth32), x); }},
      {"80-bit variable beyond range",
       [&](F &f, N *x, N *, N *) { f.Multiply(f.Var80(&beyond80), x); }},
      {"call without arguments failing",
       [](F &f, N *x, N *, N *) { f.Add(x, f.CallFloat80(&hugeConstant)); }},
      {"no column read", [](F &f, N *, N *, N *w) { f.Multiply(w, f.Const64(2)); }},
  };
  const Float values[] = {0.1, -2, 0, -0.0, 1e300, 3e38, 5e-324, 7, -inf, inf, nan};
  std::vector<Float> xs, ys;
  for (const Float x : values)
    for (const Float y : values) {
      xs.push_back(x);
      ys.push_back(y);
    }
  for (const Row &row : rows) {
    SCOPED_TRACE(row.what);
    TCompiledEvaluator evaluator;
    Float &x = xValue, &y = yValue, w = 3;
    F factory;
    // In this order, so that the program that adds nothing ends in y.
    N *wNode = factory.Var64(&w);
    N *xNode = factory.Var64(&x);
    N *yNode = factory.Var64(&y);
    row.make(factory, xNode, yNode, wNode);
    factory.Generate(evaluator.Machine);

    Float *columnVariables[] = {&x, &y};
    const Float *columns[] = {xs.data(), ys.data()};
    BlockEvaluator block(evaluator, columnVariables);
    std::vector<Float> results(xs.size());
    fuzz::RecordingSink sink;
    block.evaluate(columns, xs.size(), results.data(), sink);
    EXPECT_TRUE(sink.inOrder);

    for (std::size_t i = 0; i < xs.size(); ++i) {
      x = xs[i];
      y = ys[i];
      const fuzz::RowOutcome expected = fuzz::evaluateOutcome(evaluator);
      const fuzz::RowOutcome actual = sink.outcome(results, i);
      EXPECT_EQ(actual, expected)
          << i << ": " << actual.value << " / " << actual.message << ", expected "
          << expected.value << " / " << expected.message;
    }
  }
}

} // namespace
} // namespace quorvex::test
