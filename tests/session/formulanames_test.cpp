// What the formula box offers while a formula is typed: the names that
// complete a prefix, where the caret stands in the grammar, the
// parentheses it marks, and the note on a function that failed.

#include "session/caretcontext.h"
#include "session/formulanames.h"
#include "session/functionfailure.h"
#include "session/parenthesismarks.h"
#include "session/variablelist.h"

#include "mathlib/catalogue.h"
#include "separatorguard.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvex;

namespace {

FormulaNames namesWith(const char *assign) {
  TVariableList list;
  list.Assign(assign);
  FormulaNames names;
  names.setVariables(list);
  return names;
}

// "name:kind" for each completion, kinds v, f, c.
std::string listed(const FormulaNames &names, std::string_view prefix) {
  std::string out;
  for (const FormulaNames::Name &name : names.completions(prefix)) {
    out += out.empty() ? "" : " ";
    out += std::string(name.name) + ":" + "vfc"[int(name.kind)];
  }
  return out;
}

} // namespace

TEST(FormulaNames, VariablesComeFirstAndHideWhatTheyAreNamedLike) {
  // "Sin" hides the function in any case, as Compute would; the second
  // "sa" and "2x", which no formula can name, are not offered.
  const FormulaNames names = namesWith("tau;Sin;sa;SA;2x");
  EXPECT_EQ(listed(names, "si"), "Sin:v sinh:f");
  EXPECT_EQ(listed(names, "SQRT2"), "sqrt2:c sqrt2pi:c");
  EXPECT_EQ(listed(names, "sa"), "sa:v");
  EXPECT_EQ(listed(names, "2"), "");
  EXPECT_EQ(names.completions("").size(),
            3 + catalogueFunctions().size() + catalogueConstants().size() - 1);
  EXPECT_EQ(names.function("SIN"), nullptr);
  ASSERT_NE(names.function("Power"), nullptr);
  EXPECT_EQ(names.function("Power")->name, "power");
  EXPECT_EQ(names.function("pi"), nullptr); // a constant
}

TEST(CaretContext, NameAndCallAtEveryPlace) {
  const FormulaNames names = namesWith("x;y");
  const struct {
    const char *formula;
    std::size_t caret;
    const char *name; // the name the caret is in, "" for none
    const char *call; // the call's function, "" for none
    std::size_t argument;
  } rows[] = {
      {"power(x;(1+y))", 0, "", "", 0},
      {"power(x;(1+y))", 3, "power", "", 0},
      {"power(x;(1+y))", 6, "", "power", 0},
      {"power(x;(1+y))", 7, "x", "power", 0},
      {"power(x;(1+y))", 9, "", "power", 1},
      {"power(x;(1+y))", 13, "", "power", 1},
      {"power(x;(1+y))", 14, "", "", 0},
      {"sin(power(2;cos(x", 17, "x", "cos", 0},
      {"sin(power(2;cos(x)", 18, "", "power", 1},
      {"sin(1;2;3", 9, "", "sin", 2}, // too many arguments still count
      {"x(1;2", 5, "", "", 0},        // a variable is no call
      {"2e5+sq", 6, "sq", "", 0},     // the "e" of a number is no name
      {"(1;2", 4, "", "", 0},         // ";" in grouping parentheses
      {"2 $ pow(", 8, "", "", 0},     // no function is named "pow"
  };
  for (const auto &row : rows) {
    const CaretContext context = caretContext(row.formula, row.caret, names);
    const std::string where =
        std::string(row.formula) + " at " + std::to_string(row.caret);
    const std::string name =
        context.name
            ? std::string(row.formula).substr(context.name->offset, context.name->length)
            : "";
    EXPECT_EQ(name, row.name) << where;
    EXPECT_EQ(context.call ? std::string(context.call->function->name) : "", row.call)
        << where;
    EXPECT_EQ(context.call ? context.call->argument : 0, row.argument) << where;
  }
}

TEST(ParenthesisMarks, AtTheCaretItsPartnerAndTheUnmatched) {
  const struct {
    const char *formula;
    std::size_t caret;
    int atCaret, partner; // -1 for none
    std::vector<std::size_t> unmatched;
  } rows[] = {
      {"(1+(2))", 0, 0, 6, {}}, // after the caret when none is before
      {"(1+(2))", 4, 3, 5, {}}, // before the caret first
      {"(1+(2))", 7, 6, 0, {}},    {"(1+(2)", 1, 0, -1, {0}}, // unmatched: no partner
      {"1)+(2", 2, 1, -1, {1, 3}}, {"1+2", 1, -1, -1, {}},
  };
  for (const auto &row : rows) {
    const ParenthesisMarks marks = parenthesisMarks(row.formula, row.caret);
    const std::string where =
        std::string(row.formula) + " at " + std::to_string(row.caret);
    EXPECT_EQ(marks.atCaret ? int(*marks.atCaret) : -1, row.atCaret) << where;
    EXPECT_EQ(marks.partner ? int(*marks.partner) : -1, row.partner) << where;
    EXPECT_EQ(marks.unmatched, row.unmatched) << where;
  }
}

TEST(FunctionFailure, NoteWritesTheValuesWithTheSeparator) {
  const SeparatorGuard comma(',');
  FunctionFailure failure;
  failure.function = FormulaNames().function("arcsin");
  failure.arguments = {2.5, 0};
  failure.refusal = EMathFuncError::Reason::DomainCheck;
  failure.message = "Domain check failure in Kerrowin";
  EXPECT_EQ(functionFailureNote(failure, ','),
            "arcsin(2,5): outside the domain |x| <= 1");
  failure.refusal.reset();
  failure.message = "Invalid floating point operation";
  EXPECT_EQ(functionFailureNote(failure, ','),
            "arcsin(2,5): Invalid floating point operation; its domain: |x| <= 1");
  const auto upper = [](const char *, const char *text) {
    std::string out(text);
    for (char &c : out)
      c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
  };
  EXPECT_EQ(functionFailureNote(failure, '.', upper),
            "arcsin(2.5): Invalid floating point operation; ITS DOMAIN: |X| <= 1");
}
