// The compiled evaluator's life cycle: fresh, compiled, failed, recompiled.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/parser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorvex {
namespace {

using test::Calc;
using test::capture;
using test::Outcome;

const char *const noProgram = "List index out of bounds (0)";

Outcome evaluate(TCompiledEvaluator &evaluator) {
  return capture([&] { return evaluator.Evaluate(); });
}

Outcome compile(TCompiledEvaluator &evaluator, std::string_view text) {
  return capture([&] {
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
    EXPECT_EQ(calc.value("2+2"), 4);
  }
}

TEST(EvaluatorLifeCycle, AFailedCompileDropsTheEarlierProgram) {
  Calc calc;
  EXPECT_EQ(calc.value("5"), 5);
  EXPECT_FALSE(compile(calc.Evaluator, "5+").ok);
  EXPECT_EQ(evaluate(calc.Evaluator).message, noProgram);
  EXPECT_EQ(calc.value("5"), 5);
}

TEST(EvaluatorLifeCycle, SameTextIsNotParsedAgain) {
  Calc calc;
  EXPECT_EQ(calc.value("pi"), 3.141592653589793);
  const auto *firstConst = calc.Evaluator.Machine.ConstList.front();
  // A variable added now would hide the constant, but only for a new text.
  calc.bind("pi", 1);
  calc.Evaluator.Compile("pi");
  EXPECT_EQ(calc.Evaluator.Machine.ConstList.front(), firstConst);
  EXPECT_EQ(calc.Evaluator.Evaluate(), 3.141592653589793);
  EXPECT_EQ(calc.value("pi "), 1);
  EXPECT_EQ(calc.value("PI"), 1);
}

TEST(EvaluatorLifeCycle, ADifferentTextReplacesTheProgram) {
  Calc calc;
  calc.bind("x", 3);
  EXPECT_EQ(calc.value("2*x+1"), 7);
  EXPECT_EQ(calc.value("x-1"), 2);
  EXPECT_EQ(calc.Evaluator.Machine.CodeList.size(), 2u);
  EXPECT_EQ(calc.Evaluator.Expression(), "x-1");
}

TEST(EvaluatorVariables, ReadThroughTheirAddressesOnEveryRun) {
  Calc calc;
  Float &x = calc.bind("x", 3);
  calc.Evaluator.Compile("2*x+1");
  EXPECT_EQ(calc.Evaluator.Evaluate(), 7);
  x = 4;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 9);
  x = -0.5;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 0);
}

TEST(EvaluatorVariables, NamesIgnoreCaseAndDuplicatesAreRefused) {
  Calc calc;
  calc.bind("x", 2);
  EXPECT_EQ(calc.value("X*2"), 4);
  const Outcome outcome = capture([&] {
    calc.bind("X", 5);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EStringHashMapError");
  EXPECT_EQ(outcome.message, "Duplicate hash list entry: X");
  EXPECT_EQ(calc.value("x+0"), 2);
  EXPECT_EQ(calc.Evaluator.LocalContext.Map().Count(), 1u);
}

TEST(EvaluatorVariables, NullAddressIsAProgrammingError) {
  TCompiledEvaluator evaluator;
  const Outcome outcome = capture([&] {
    evaluator.AddVariable("x", nullptr);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EAssertionFailed");
  EXPECT_EQ(outcome.message.rfind("Assertion failure (", 0), 0u) << outcome.message;
  EXPECT_EQ(evaluator.LocalContext.Find("x"), nullptr);
}

TEST(EvaluatorVariables, FaultThenCleanRunOfTheSameMachine) {
  Calc calc;
  Float &x = calc.bind("x", 0);
  EXPECT_EQ(calc.error("1/x"), "Floating point division by zero");
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
  EXPECT_EQ(calc.value("2 3"), 2);
  EXPECT_EQ(calc.value("\t 2 *\n3 "), 6);
}

// Where reading stopped: the first byte after the formula that is not a
// blank, or none. A zero byte ends the text the lexer reads.
TEST(EvaluatorPositions, IgnoredTextStartsAfterTheLastTokenRead) {
  constexpr std::size_t none = std::string::npos;
  const struct {
    std::string formula;
    std::size_t offset;
  } rows[] = {
      {"2^3", 1},
      {"2x", 1},
      {"10 % 3", 3},
      {"1+2)", 3},
      {"1 2", 2},
      {"k2 \t(5)", 4},
      {"twice(1) ;c", 9},
      {"2", none},
      {"2 \t\n", none},
      {"(1)", none},
      {"1 < 2", none},
      {std::string("2 \0junk", 7), 2},
      {std::string("2+1\0", 4), 3},
  };
  for (const auto &row : rows) {
    Calc calc;
    ASSERT_TRUE(calc.Run(row.formula).ok) << row.formula;
    EXPECT_EQ(calc.Evaluator.IgnoredTextOffset().value_or(none), row.offset)
        << row.formula;
  }
  // A failed compile reports none; the unchanged text keeps its answer.
  Calc calc;
  calc.Evaluator.Compile("2x");
  calc.Evaluator.Compile("2x");
  EXPECT_EQ(calc.Evaluator.IgnoredTextOffset(), 1u);
  EXPECT_FALSE(calc.Run("2*(").ok);
  EXPECT_FALSE(calc.Evaluator.IgnoredTextOffset());
}

// Every error raised while the formula is read carries the span of the
// token it arose at; the message stays as it was.
TEST(EvaluatorPositions, ReadingErrorsPointAtTheirToken) {
  const std::string deep = std::string(300, '(') + "1";
  const struct {
    std::string formula;
    char separator;
    std::size_t offset, length;
  } rows[] = {
      {"", '.', 0, 0},
      {"1+", '.', 2, 0},
      {"1 == 1", '.', 3, 1},
      {"(1;2)", '.', 2, 1},
      {"((1)", '.', 4, 0},
      {"1+fOO_2*3", '.', 2, 5},
      {"twice 2", '.', 6, 1},
      {"1+twice<=2", '.', 7, 2},
      {"twice(1;2)", '.', 7, 1},
      {"sub(1)", '.', 5, 1},
      {"2+\xCE\xB1", '.', 2, 1},
      {"1e400", '.', 0, 5},
      {" 1.5", ',', 1, 3},
      {"2 + 2.", ',', 4, 2},
      {deep, '.', TExprCompileParser::maxNesting, 1},
  };
  for (const auto &row : rows) {
    test::SeparatorScope separator(row.separator);
    Calc calc;
    try {
      calc.Evaluator.Compile(row.formula);
      ADD_FAILURE() << row.formula << " compiled";
    } catch (const Exception &error) {
      ASSERT_TRUE(error.span()) << row.formula << ": " << error.what();
      EXPECT_EQ(error.span()->offset, row.offset) << row.formula;
      EXPECT_EQ(error.span()->length, row.length) << row.formula;
    }
  }
  // The length limit, checked before reading, has no place in the text.
  for (const std::string &formula :
       {std::string(TCompiledEvaluator::maxExpressionLength + 1, '1')}) {
    Calc calc;
    try {
      calc.Evaluator.Compile(formula);
      calc.Evaluator.Evaluate();
      ADD_FAILURE() << "no error";
    } catch (const Exception &error) {
      EXPECT_FALSE(error.span()) << error.what();
    }
  }
}

} // namespace
} // namespace quorvex
