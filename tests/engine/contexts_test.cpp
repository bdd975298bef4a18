// Symbols and contexts: what each symbol kind compiles to, case rules of
// hash contexts, the search order of set contexts and hiding.

#include "enginetestsupport.h"

#include "engine/contexts.h"
#include "engine/errors.h"
#include "engine/symbols.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorvex {
namespace {

using test::Calc;
using test::capture;
using test::Outcome;

Float identity(Float x) {
  return x;
}
Float first(Float x, Float) {
  return x;
}

TExprHashContext &holding(TExprHashContext &context, const char *name, Float value) {
  context.Add(std::make_unique<TExprConstSym>(name, value));
  return context;
}

Float valueOf(const TExprContext &context, const char *name) {
  TExprSym *symbol = context.Find(name);
  return symbol == nullptr ? -1 : symbol->Evaluate();
}

TEST(HashContext, CaseInsensitiveFindsEverySpellingAndRefusesAnother) {
  TExprHashContext context(false, 100);
  TExprSym &sin = context.Add(std::make_unique<TExprUnaryFuncSym>("Sin", &identity));
  for (const char *spelling : {"Sin", "SIN", "sin", "sIn"})
    EXPECT_EQ(context.Find(spelling), &sin) << spelling;
  const Outcome outcome = capture([&] {
    context.Add(std::make_unique<TExprUnaryFuncSym>("SIN", &identity));
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EStringHashMapError");
  EXPECT_EQ(outcome.message, "Duplicate hash list entry: SIN");
  EXPECT_EQ(context.Find("sin"), &sin);
  EXPECT_EQ(context.Map().Count(), 1u);
}

TEST(HashContext, CaseSensitiveKeepsTwoEntries) {
  TExprHashContext context(true, 100);
  holding(context, "x", 1);
  holding(context, "X", 2);
  EXPECT_EQ(valueOf(context, "x"), 1);
  EXPECT_EQ(valueOf(context, "X"), 2);
  EXPECT_EQ(context.Find("y"), nullptr);
}

TEST(SetContext, LaterMembersHideEarlierOnes) {
  TExprHashContext a(false, 7), b(false, 7);
  holding(a, "shared", 1);
  holding(a, "onlyA", 10);
  holding(b, "shared", 2);
  holding(b, "onlyB", 20);
  TExprSetContext set(false);
  set.Add(a);
  set.Add(b);
  EXPECT_EQ(valueOf(set, "shared"), 2);
  EXPECT_EQ(valueOf(set, "SHARED"), 2);
  EXPECT_EQ(valueOf(set, "onlyA"), 10);
  EXPECT_EQ(valueOf(set, "onlyB"), 20);
  EXPECT_EQ(set.Find("none"), nullptr);
  // Adding A again puts it last: it now wins.
  set.Add(a);
  EXPECT_EQ(set.Count(), 3u);
  EXPECT_EQ(valueOf(set, "shared"), 1);
  EXPECT_EQ(valueOf(set, "onlyB"), 20);
  EXPECT_EQ(&set.Context(0), &a);
  EXPECT_EQ(&set.Context(1), &b);
  EXPECT_EQ(&set.Context(2), &a);
}

TEST(SetContext, EmptySetFindsNothing) {
  TExprSetContext set(false);
  EXPECT_EQ(set.Find("x"), nullptr);
  EXPECT_EQ(set.Count(), 0u);
}

TEST(SetContext, IndexOutOfRangeIsTheListError) {
  TExprHashContext a(false, 7);
  TExprSetContext set(false);
  set.Add(a);
  for (std::size_t index : {std::size_t{1}, std::size_t{5}}) {
    const Outcome outcome = capture([&] {
      set.Context(index);
      return 0.0;
    });
    EXPECT_EQ(outcome.errorClass, "EListError") << index;
    EXPECT_EQ(outcome.message,
              "List index out of bounds (" + std::to_string(index) + ")");
  }
}

class CountingContext final : public TExprContext {
public:
  explicit CountingContext(int &destroyed) : destroyed_(destroyed) {}
  ~CountingContext() override { ++destroyed_; }
  TExprSym *Find(std::string_view) const override { return nullptr; }

private:
  int &destroyed_;
};

TEST(SetContext, OwningSetFreesItsMembersAndANonOwningOneDoesNot) {
  int destroyed = 0;
  {
    TExprSetContext owning(true);
    owning.Add(std::make_unique<CountingContext>(destroyed));
    owning.Add(std::make_unique<CountingContext>(destroyed));
    EXPECT_EQ(owning.Count(), 2u);
  }
  EXPECT_EQ(destroyed, 2);
  CountingContext member(destroyed);
  {
    TExprSetContext borrowing(false);
    borrowing.Add(member);
  }
  EXPECT_EQ(destroyed, 2);
}

TEST(Symbols, ConstantsAndVariablesHaveValuesFunctionsDoNot) {
  Float slot = 4;
  TExprConstSym constant("c", 2.5);
  TExprVar64Sym variable("v", &slot);
  TExprUnaryFuncSym unary("u", &identity);
  TExprBinaryFuncSym binary("b", &first);
  EXPECT_EQ(constant.Evaluate(), 2.5);
  EXPECT_EQ(variable.Evaluate(), 4);
  slot = 5;
  EXPECT_EQ(variable.Evaluate(), 5);
  EXPECT_FALSE(capture([&] { return unary.Evaluate(); }).ok);
  EXPECT_FALSE(capture([&] { return binary.Evaluate(); }).ok);
  EXPECT_EQ(constant.Name, "c");
  EXPECT_EQ(constant.Lexer, nullptr);
}

TEST(Symbols, NullAddressOrFunctionIsAProgrammingError) {
  const Outcome outcomes[] = {
      capture([] {
        TExprVar64Sym symbol("v", nullptr);
        return 0.0;
      }),
      capture([] {
        TExprUnaryFuncSym symbol("u", nullptr);
        return 0.0;
      }),
      capture([] {
        TExprBinaryFuncSym symbol("b", nullptr);
        return 0.0;
      }),
  };
  for (const Outcome &outcome : outcomes) {
    EXPECT_EQ(outcome.errorClass, "EAssertionFailed");
    EXPECT_EQ(outcome.message.rfind("Assertion failure (", 0), 0u) << outcome.message;
    EXPECT_NE(outcome.message.find(", line "), std::string::npos) << outcome.message;
  }
}

TEST(Symbols, AVariableHidesAFunctionOrConstantOfTheSameName) {
  Calc calc;
  calc.bind("twice", 8);
  calc.bind("PI", 3);
  EXPECT_EQ(calc.value("twice(1)"), 8); // "(1)" is trailing text
  EXPECT_EQ(calc.value("pi"), 3);
  EXPECT_EQ(calc.value("sub(pi;1)"), 2);
}

TEST(Symbols, ConstantDoesNotConsumeTheFollowingParenthesis) {
  Calc calc;
  EXPECT_EQ(calc.value("ten(2)"), 10);
  EXPECT_EQ(calc.value("ten (2) + 1"), 10);
}

TEST(Symbols, NamesThatAreNotIdentifiersCanBeAddedButNotNamed) {
  TExprHashContext context(false, 7);
  holding(context, "1abc", 42);
  holding(context, "a b", 43);
  Calc calc;
  calc.Evaluator.ExternalContexts.Add(context);
  EXPECT_EQ(calc.value("1abc"), 1);
  EXPECT_EQ(calc.error("a b"), "Parse error: Unknown symbol: 'a'");
  EXPECT_EQ(valueOf(context, "1ABC"), 42);
}

TEST(Symbols, FunctionArgumentsAreFullComparisons) {
  Calc calc;
  calc.bind("x", 3);
  EXPECT_EQ(calc.value("sub(x>2; -x<=3)"), 0);
  EXPECT_EQ(calc.value("twice(sub(twice(x); 1) = 5)"), 2);
  EXPECT_EQ(calc.value("twice((x))"), 6);
}

} // namespace
} // namespace quorvex
