// The compiled evaluator's life cycle: fresh, compiled, failed, recompiled.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/evaluator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorvex {
namespace {

using test::Calc;
using test::Capture;
using test::Outcome;

const char *const noProgram = "List index out of bounds (0)";

Outcome evaluate(TCompiledEvaluator &evaluator) {
  return Capture([&] { return evaluator.Evaluate(); });
}

Outcome compile(TCompiledEvaluator &evaluator, std::string_view text) {
  return Capture([&] {
    evaluator.Compile(text);
    return 0.0;
  });
}

TEST(EvaluatorLifeCycle, FreshEvaluatorHasNoProgram) {
  TCompiledEvaluator evaluator;
  EXPECT_EQ(evaluator.Expression(), "");
  EXPECT_EQ(evaluator.LocalContext.Map().BucketCount(), 127u);
  EXPECT_EQ(evaluator.ExternalContexts.Count(), 0u);
  EXPECT_FALSE(evaluator.ExternalContexts.OwnsContexts);
  EXPECT_FALSE(evaluator.SearchContext.OwnsContexts);
  const Outcome outcome = evaluate(evaluator);
  EXPECT_EQ(outcome.errorClass, "EListError");
  EXPECT_EQ(outcome.message, noProgram);
}

TEST(EvaluatorLifeCycle, EmptyTextOnAFreshEvaluatorIsParsed) {
  TCompiledEvaluator evaluator;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const Outcome outcome = compile(evaluator, "");
    EXPECT_EQ(outcome.errorClass, "EExprEvalError") << attempt;
    EXPECT_EQ(outcome.message, "Parse error: Factor expected") << attempt;
  }
  EXPECT_EQ(evaluate(evaluator).message, noProgram);
}

// Compiling the text of a failed compile again reports its error again
// instead of returning early with an empty machine.
TEST(EvaluatorLifeCycle, RepeatingAFailedTextReportsTheSameError) {
  const std::pair<const char *, const char *> rows[] = {
      {"1+", "Parse error: Factor expected"},
      {"(1", "Parse error: ')' expected"},
      {"nosuch", "Parse error: Unknown symbol: 'nosuch'"},
      {"twice", "Parse error: '(' and function's first parameter expected"},
      {"1e400", "Floating point overflow"},
      {"1e5000", "'1e5000' is not a valid floating point value"},
  };
  for (const auto &[text, message] : rows) {
    Calc calc;
    calc.Evaluator.Compile("1");
    for (int attempt = 0; attempt < 3; ++attempt) {
      const Outcome outcome = compile(calc.Evaluator, text);
      EXPECT_EQ(outcome.message, message) << text << " attempt " << attempt;
      EXPECT_EQ(calc.Evaluator.Expression(), text);
      EXPECT_FALSE(calc.Evaluator.Machine.HasProgram()) << text;
      EXPECT_EQ(evaluate(calc.Evaluator).message, noProgram) << text;
    }
    EXPECT_EQ(calc.Value("2+2"), 4);
  }
}

TEST(EvaluatorLifeCycle, AFailedCompileDropsTheEarlierProgram) {
  Calc calc;
  EXPECT_EQ(calc.Value("5"), 5);
  EXPECT_FALSE(compile(calc.Evaluator, "5+").ok);
  EXPECT_EQ(evaluate(calc.Evaluator).message, noProgram);
  EXPECT_EQ(calc.Value("5"), 5);
}

TEST(EvaluatorLifeCycle, SameTextIsNotParsedAgain) {
  Calc calc;
  EXPECT_EQ(calc.Value("pi"), 3.141592653589793);
  const auto *firstConst = calc.Evaluator.Machine.ConstList.front();
  // A variable added now would hide the constant, but only for a new text.
  calc.Bind("pi", 1);
  calc.Evaluator.Compile("pi");
  EXPECT_EQ(calc.Evaluator.Machine.ConstList.front(), firstConst);
  EXPECT_EQ(calc.Evaluator.Evaluate(), 3.141592653589793);
  EXPECT_EQ(calc.Value("pi "), 1);
  EXPECT_EQ(calc.Value("PI"), 1);
}

TEST(EvaluatorLifeCycle, ADifferentTextReplacesTheProgram) {
  Calc calc;
  calc.Bind("x", 3);
  EXPECT_EQ(calc.Value("2*x+1"), 7);
  EXPECT_EQ(calc.Value("x-1"), 2);
  EXPECT_EQ(calc.Evaluator.Machine.CodeList.size(), 2u);
  EXPECT_EQ(calc.Evaluator.Expression(), "x-1");
}

TEST(EvaluatorVariables, ReadThroughTheirAddressesOnEveryRun) {
  Calc calc;
  Float &x = calc.Bind("x", 3);
  calc.Evaluator.Compile("2*x+1");
  EXPECT_EQ(calc.Evaluator.Evaluate(), 7);
  x = 4;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 9);
  x = -0.5;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 0);
}

TEST(EvaluatorVariables, NamesIgnoreCaseAndDuplicatesAreRefused) {
  Calc calc;
  calc.Bind("x", 2);
  EXPECT_EQ(calc.Value("X*2"), 4);
  const Outcome outcome = Capture([&] {
    calc.Bind("X", 5);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EStringHashMapError");
  EXPECT_EQ(outcome.message, "Duplicate hash list entry: X");
  EXPECT_EQ(calc.Value("x+0"), 2);
  EXPECT_EQ(calc.Evaluator.LocalContext.Map().Count(), 1u);
}

TEST(EvaluatorVariables, NullAddressIsAProgrammingError) {
  TCompiledEvaluator evaluator;
  const Outcome outcome = Capture([&] {
    evaluator.AddVariable("x", nullptr);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EAssertionFailed");
  EXPECT_EQ(outcome.message.rfind("Assertion failure (", 0), 0u) << outcome.message;
  EXPECT_EQ(evaluator.LocalContext.Find("x"), nullptr);
}

TEST(EvaluatorVariables, FaultThenCleanRunOfTheSameMachine) {
  Calc calc;
  Float &x = calc.Bind("x", 0);
  EXPECT_EQ(calc.Error("1/x"), "Floating point division by zero");
  x = 2;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 0.5);
}

TEST(EvaluatorContexts, AttachedAfterCompileCountsOnlyForANewText) {
  TExprHashContext extra(false, 7);
  extra.Add(std::make_unique<TExprConstSym>("late", 9));
  TCompiledEvaluator evaluator;
  EXPECT_EQ(compile(evaluator, "late").message, "Parse error: Unknown symbol: 'late'");
  evaluator.ExternalContexts.Add(extra);
  evaluator.Compile("late");
  EXPECT_EQ(evaluator.Evaluate(), 9);
}

TEST(EvaluatorContexts, LaterAttachedContextsWin) {
  TExprHashContext a(false, 7), b(false, 7);
  a.Add(std::make_unique<TExprConstSym>("k", 1));
  b.Add(std::make_unique<TExprConstSym>("k", 2));
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(a);
  evaluator.ExternalContexts.Add(b);
  evaluator.Compile("k");
  EXPECT_EQ(evaluator.Evaluate(), 2);
  EXPECT_EQ(evaluator.SearchContext.Count(), 2u);
  EXPECT_EQ(&evaluator.SearchContext.Context(0), &evaluator.ExternalContexts);
  EXPECT_EQ(&evaluator.SearchContext.Context(1), &evaluator.LocalContext);
}

TEST(EvaluatorContexts, EvaluatorLeavesAttachedContextsAlive) {
  auto context = std::make_unique<TExprHashContext>(false, 7);
  context->Add(std::make_unique<TExprConstSym>("k", 3));
  for (int round = 0; round < 3; ++round) {
    TCompiledEvaluator evaluator;
    evaluator.ExternalContexts.Add(*context);
    evaluator.Compile("k*2");
    EXPECT_EQ(evaluator.Evaluate(), 6);
  }
  EXPECT_NE(context->Find("K"), nullptr);
}

TEST(EvaluatorValues, TrailingTextAndWhitespace) {
  Calc calc;
  EXPECT_EQ(calc.Value("2 3"), 2);
  EXPECT_EQ(calc.Value("\t 2 *\n3 "), 6);
}

} // namespace
} // namespace quorvex
