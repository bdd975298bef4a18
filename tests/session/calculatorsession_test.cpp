#include "session/calculatorsession.h"

#include "engine/errors.h"
#include "separatorguard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

using Lines = std::vector<std::string>;

// Sets the Assign box, applies it, and types the value cells in row order.
void declare(TCalculatorSession &s, std::string_view assign,
             const std::vector<std::string> &values) {
  s.SetAssignText(assign);
  s.ApplyVariableList();
  for (std::size_t i = 0; i < values.size(); ++i)
    s.Grid().SetCell(1, static_cast<int>(i + 1), values[i]);
}

const char *const startFormula = "5.22 - 5.44E-4 * (x - 817)";

} // namespace

TEST(CalculatorSession, StartUpState) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  EXPECT_EQ(s.FormulaText(), startFormula);
  EXPECT_EQ(s.AssignText(), "x");
  EXPECT_TRUE(s.VariableList().Empty()); // "x" is not read until applied
  EXPECT_EQ(s.Grid().RowCount(), 2);
  EXPECT_EQ(s.Grid().Cell(0, 1), "x");
  EXPECT_EQ(s.Grid().Cell(1, 1), "2");
  EXPECT_EQ(s.Grid().QuantityText(), "1");
  EXPECT_EQ(s.ResultText(), "");
  EXPECT_TRUE(s.Memo1().Empty());
  EXPECT_TRUE(s.Memo2().Empty());
  EXPECT_EQ(s.ComputeCount(), 0);
  EXPECT_TRUE(s.Preference().IntermediateResult());
  EXPECT_TRUE(s.PrintSource().Empty());
}

TEST(CalculatorSession, StartUpStateComputes) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.Compute();
  EXPECT_EQ(s.ResultText(), "5.66336");
  EXPECT_EQ(s.Memo1().Lines(), (Lines{"Formula: F = 5.22 - 5.44E-4 * (x - 817)", "x: 2",
                                      "F value: 5.66336"}));
  EXPECT_EQ(s.Memo2().Lines(),
            (Lines{"- - 1 - - - - - - - - -", "Formula: F = 5.22 - 5.44E-4 * (x - 817)",
                   "x: 2", "Y value: 5.66336"}));
  EXPECT_EQ(s.ComputeCount(), 1);
  EXPECT_EQ(s.VariableValues(), std::vector<Float>{2.0});
}

TEST(CalculatorSession, CommaLocaleStartUp) {
  SeparatorGuard comma(',');
  TCalculatorSession s;
  EXPECT_EQ(s.FormulaText(), "5,22 - 5,44E-4 * (x - 817)");
  EXPECT_EQ(s.Compute(), 5.66336);
  EXPECT_EQ(s.ResultText(), "5,66336");
  EXPECT_EQ(s.Memo1().Line(2), "F value: 5,66336");
}

TEST(CalculatorSession, TwoComputationsAreNumberedOneAndTwo) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.Compute();
  s.Grid().SetCell(1, 1, "3");
  s.Compute();
  EXPECT_EQ(s.ResultText(), "5.662816");
  EXPECT_EQ(
      s.Memo2().Lines(),
      (Lines{"- - 1 - - - - - - - - -", "Formula: F = 5.22 - 5.44E-4 * (x - 817)", "x: 2",
             "Y value: 5.66336", "- - 2 - - - - - - - - -",
             "Formula: F = 5.22 - 5.44E-4 * (x - 817)", "x: 3", "Y value: 5.662816"}));
  EXPECT_EQ(s.Memo1().Lines(), (Lines{"Formula: F = 5.22 - 5.44E-4 * (x - 817)", "x: 3",
                                      "F value: 5.662816"}));
  EXPECT_EQ(s.ComputeCount(), 2);
}

namespace {

struct FailureCase {
  const char *what;
  char separator;
  const char *assign;
  std::vector<std::string> values;
  const char *formula;
  const char *message; // nullptr: any message
};

const FailureCase failureCases[] = {
    {"only spaces", '.', "x", {"  "}, "x", "'  ' is not a valid floating point value"},
    {"leading tab", '.', "x", {"\t2"}, "x", "'\t2' is not a valid floating point value"},
    {"trailing tab", '.', "x", {"2\t"}, "x", "'2\t' is not a valid floating point value"},
    {"comma in a point locale",
     '.',
     "x",
     {"2,5"},
     "x",
     "'2,5' is not a valid floating point value"},
    {"point in a comma locale",
     ',',
     "x",
     {"2.5"},
     "x",
     "'2.5' is not a valid floating point value"},
    {"thousands separator",
     '.',
     "x",
     {"1,000"},
     "x",
     "'1,000' is not a valid floating point value"},
    {"bad second value",
     '.',
     "x;y",
     {"1", "y"},
     "x",
     "'y' is not a valid floating point value"},
    {"beyond double", '.', "x", {"1E400"}, "x", "Floating point overflow"},
    {"duplicate, other case",
     '.',
     "x;X",
     {"1", "2"},
     "x",
     "Duplicate hash list entry: X"},
    {"duplicate, same case", '.', "x;x", {"1", "2"}, "x", "Duplicate hash list entry: x"},
    // Each name is bound as its cell converts: the grid's order decides.
    {"duplicate before a bad value",
     '.',
     "x;X;y",
     {"1", "2", "a"},
     "x",
     "Duplicate hash list entry: X"},
    {"bad value before a duplicate",
     '.',
     "x;y;X",
     {"1", "a", "2"},
     "x",
     "'a' is not a valid floating point value"},
    {"unknown name", '.', "x", {"1"}, "y+1", "Parse error: Unknown symbol: 'y'"},
    {"empty list binds nothing", '.', "", {}, "x*2", "Parse error: Unknown symbol: 'x'"},
    {"empty formula", '.', "x", {"1"}, "", nullptr},
    {"division by zero", '.', "x", {"0"}, "1/x", "Floating point division by zero"},
    {"zero by zero", '.', "x", {"0"}, "x/x", "Invalid floating point operation"},
    {"result beyond double", '.', "x", {"1E300"}, "x*x", "Floating point overflow"},
};

} // namespace

TEST(CalculatorSession, FailuresLeaveTheDocumentedState) {
  for (const FailureCase &c : failureCases) {
    SCOPED_TRACE(c.what);
    SeparatorGuard separator(c.separator);
    TCalculatorSession s;
    s.Compute(); // one earlier record in the session log
    const Lines sessionBefore = s.Memo2().Lines();

    declare(s, c.assign, c.values);
    s.SetFormulaText(c.formula);
    try {
      s.Compute();
      ADD_FAILURE() << "Compute succeeded with " << s.ResultText();
    } catch (const Exception &e) {
      if (c.message)
        EXPECT_EQ(std::string(e.what()), c.message);
      else
        EXPECT_STRNE(e.what(), "");
    }
    EXPECT_EQ(s.ResultText(), "");
    EXPECT_TRUE(s.Memo1().Empty());
    EXPECT_EQ(s.Memo2().Lines(), sessionBefore);
    EXPECT_EQ(s.ComputeCount(), 1);
    // The list was applied before the failure.
    EXPECT_EQ(s.Grid().RowCount(),
              static_cast<int>(std::max<std::size_t>(s.VariableList().Count(), 1)) + 1);

    // The next success continues the numbering.
    declare(s, "", {});
    s.SetFormulaText("1+1");
    EXPECT_EQ(s.Compute(), 2);
    EXPECT_EQ(s.Memo2().Line(4), "- - 2 - - - - - - - - -");
  }
}

TEST(CalculatorSession, PrintSourceAfterFailure) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.Compute();
  s.SetFormulaText("1/0");
  EXPECT_THROW(s.Compute(), EZeroDivide);
  EXPECT_TRUE(s.PrintSource().Empty());
  s.ToggleAllSessionResults();
  EXPECT_EQ(s.PrintSource().Count(), 4u);
  EXPECT_EQ(&s.PrintSource(), &s.Memo2());
}

TEST(CalculatorSession, SuccessfulComputations) {
  const struct {
    const char *what;
    const char *assign;
    std::vector<std::string> values;
    const char *formula;
    const char *result;
  } cases[] = {
      {"no variables", "", {}, "1+2", "3"},
      {"entry a=5 is named a", "a=5", {}, "a", "2"},
      {"a variable hides a constant", "pi", {"3"}, "pi*2", "6"},
      {"names ignore case", "x", {"4"}, "X*2", "8"},
      {"text after the expression is ignored", "", {}, "2 3", "2"},
      {"negative zero shows 0", "", {}, "-0", "0"},
      {"underflowing value binds zero", "x", {"1E-400"}, "x", "0"},
      {"spaces around a value", "x", {"  -2.5 "}, "x", "-2.5"},
      {"exponent without digits", "x", {"2e"}, "x", "2"},
      {"lone separator is zero", "x", {"."}, "x+1", "1"},
      {"values stay with rows", "b;a", {"3", "4"}, "a-b", "1"},
      {"empty value cell becomes 2", "x", {""}, "x", "2"},
      // cosh magnifies its argument's error 37 times: a double off shows.
      {"number is nearest double",
       "",
       {},
       "cosh(37.25051514915938)",
       "7.52771523172809E15"},
      {"cell is nearest double",
       "x",
       {"37.25051514915938"},
       "cosh(x)",
       "7.52771523172809E15"},
      {"utf-8 after the expression reaches the log",
       "x",
       {"3"},
       "x+1 \xE2\x80\x94 \xCE\xB1",
       "4"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    SeparatorGuard point('.');
    TCalculatorSession s;
    declare(s, c.assign, c.values);
    s.SetFormulaText(c.formula);
    try {
      s.Compute();
    } catch (const Exception &e) {
      ADD_FAILURE() << e.what();
    }
    EXPECT_EQ(s.ResultText(), c.result);
    EXPECT_EQ(s.Memo1().Line(0), std::string("Formula: F = ") + c.formula);
  }
}

TEST(CalculatorSession, LogsQuoteValuesAsTyped) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  declare(s, "x;y", {" 1.50 ", "1E-400"});
  s.SetFormulaText("x+y");
  s.Compute();
  EXPECT_EQ(s.Memo1().Lines(),
            (Lines{"Formula: F = x+y", "x:  1.50 ", "y: 1E-400", "F value: 1.5"}));
  EXPECT_EQ(s.VariableValues(), (std::vector<Float>{1.5, 0.0}));
}

TEST(CalculatorSession, EmptyListLogsNoVariableLines) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  declare(s, ";;", {});
  s.SetFormulaText("2*3");
  s.Compute();
  EXPECT_EQ(s.Memo1().Lines(), (Lines{"Formula: F = 2*3", "F value: 6"}));
}

TEST(CalculatorSession, StandardFunctionsAreAttached) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  declare(s, "p;k;m;n", {"1000", "0.05", "12", "10"});
  s.SetFormulaText("p*power((1+k/m);(m*n))");
  const Float value = s.Compute();
  EXPECT_NEAR(value, 1000 * std::pow(1 + 0.05 / 12, 120), 1e-9);
}

TEST(CalculatorSession, ComputeReappliesTheAssignText) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.SetAssignText("x;y"); // typed but not yet applied
  s.SetFormulaText("x+y");
  EXPECT_EQ(s.Compute(), 4); // both cells filled with "2" by the apply
  EXPECT_EQ(s.Grid().QuantityText(), "2");
}

TEST(CalculatorSession, KeyPressesAndExits) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.Compute();
  ASSERT_FALSE(s.ResultText().empty());
  s.SetAssignText("a;b");
  EXPECT_FALSE(s.TypeInAssign(U'a')); // typed characters pass but clear
  EXPECT_EQ(s.ResultText(), "");
  EXPECT_EQ(s.VariableList().Count(), 1u); // still the applied "x"
  EXPECT_TRUE(s.TypeInAssign(13));         // Enter is swallowed and applies
  EXPECT_EQ(s.VariableList().Count(), 2u);

  s.SetFormulaText("a+b");
  s.Compute();
  EXPECT_FALSE(s.TypeInFormula(U'x'));
  EXPECT_FALSE(s.ResultText().empty()); // the formula box filters nothing
  s.SetAssignText("c;a;b");
  EXPECT_TRUE(s.TypeInFormula(13));
  EXPECT_EQ(s.ResultText(), "");
  EXPECT_EQ(s.Grid().Cell(0, 1), "c");

  s.Compute();
  s.SetAssignText("");
  s.LeaveFormula();
  EXPECT_EQ(s.ResultText(), "");
  EXPECT_EQ(s.Grid().QuantityText(), "1");
}

TEST(CalculatorSession, PlaceholderValueIsResetOnApply) {
  TCalculatorSession s;
  s.SetAssignText("");
  s.ApplyVariableList();
  s.Grid().SetCell(1, 1, "9");
  s.ApplyVariableList();
  EXPECT_EQ(s.Grid().Cell(1, 1), "2");
}

TEST(CalculatorSession, SessionLogCanBeSwitchedOffButStillCounts) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.SetKeepSessionLog(false);
  s.Compute();
  s.Compute();
  EXPECT_TRUE(s.Memo2().Empty());
  EXPECT_EQ(s.Memo1().Count(), 3u);
  EXPECT_EQ(s.ComputeCount(), 2);
}

TEST(ReportPreference, ClicksSwapTheCheckedItem) {
  TReportPreference p;
  EXPECT_TRUE(p.IntermediateResult());
  EXPECT_FALSE(p.AllSessionResults());
  p.ToggleIntermediateResult();
  EXPECT_FALSE(p.IntermediateResult());
  EXPECT_TRUE(p.AllSessionResults());
  p.ToggleIntermediateResult();
  EXPECT_TRUE(p.IntermediateResult());
  EXPECT_FALSE(p.AllSessionResults());
  for (int i = 0; i < 5; ++i) {
    p.ToggleAllSessionResults();
    EXPECT_NE(p.IntermediateResult(), p.AllSessionResults());
  }
  EXPECT_TRUE(p.AllSessionResults());
}

TEST(CalculatorSession, AFailureTellsWhereItFailed) {
  using Kind = FailurePlace::Kind;
  const struct {
    const char *assign;
    std::vector<std::string> values;
    const char *formula;
    Kind kind;
    std::size_t offset, length; // of the formula's bytes
    int row;
  } rows[] = {
      {"x;y", {"1", "abc"}, "x", Kind::ValueCell, 0, 0, 2},
      {"x", {"1E400"}, "x", Kind::ValueCell, 0, 0, 1},
      {"x", {"1"}, "1 + nosuch*x", Kind::Formula, 4, 6, 0},
      {"x", {"1"}, "(x", Kind::Formula, 2, 0, 0},
      {"x", {"1"}, "1e999 + x", Kind::Formula, 0, 5, 0},
      {"x;X", {"1", "2"}, "x", Kind::Nowhere, 0, 0, 0},
      {"x", {"0"}, "1/x", Kind::Formula, 0, 3, 0},
  };
  SeparatorGuard point('.');
  for (const auto &row : rows) {
    SCOPED_TRACE(row.formula);
    TCalculatorSession s;
    declare(s, row.assign, row.values);
    s.SetFormulaText(row.formula);
    EXPECT_ANY_THROW(s.Compute());
    const FailurePlace &place = s.LastFailure();
    EXPECT_EQ(place.kind, row.kind);
    EXPECT_EQ(place.formulaBytes.offset, row.offset);
    EXPECT_EQ(place.formulaBytes.length, row.length);
    EXPECT_EQ(place.row, row.row);
    s.SetAssignText("");
    s.SetFormulaText("1");
    s.Compute();
    EXPECT_EQ(s.LastFailure().kind, Kind::Nowhere);
  }
}

// A fault while the program runs points at the operation that faulted: an
// operator with both its operands, a function call with its arguments. The
// message is the one the fault always had.
TEST(CalculatorSession, ARuntimeFaultPointsAtItsOperation) {
  std::string terms;
  for (int i = 0; i < 2000; ++i)
    terms += "sqrt(x+" + std::to_string(i) + ")*2 + ";
  const std::string deep = terms + "(x+1)/(x-1) + " + terms + "x";
  const struct {
    std::string formula;
    const char *value; // of x
    const char *part;
    const char *message;
  } rows[] = {
      {"1/0", "1", "1/0", "Floating point division by zero"},
      {"2 + sqrt(0-1)", "1", "sqrt(0-1)", "Invalid floating point operation"},
      {"power(0;0-1)*x", "1", "power(0;0-1)", "Power function: Result is infinite"},
      {"3*(2 + ln(x))", "0", "ln(x)", "Floating point division by zero"},
      {deep, "1", "(x+1)/(x-1)", "Floating point division by zero"},
      // The machine runs some ops two at a time; the fault is pinned to the
      // one that raised it, first or second.
      {"x + 1E200*1E200", "1", "1E200*1E200", "Floating point overflow"},
      {"1E200*1E200 + x", "1", "1E200*1E200", "Floating point overflow"},
      {"x*x - (x < 0/x)", "0", "0/x", "Invalid floating point operation"},
  };
  SeparatorGuard point('.');
  for (const auto &row : rows) {
    SCOPED_TRACE(row.formula.substr(0, 40));
    TCalculatorSession s;
    declare(s, "x", {row.value});
    s.SetFormulaText(row.formula);
    try {
      s.Compute();
      ADD_FAILURE() << "computed";
    } catch (const Exception &error) {
      EXPECT_STREQ(error.what(), row.message);
    }
    const FailurePlace &place = s.LastFailure();
    ASSERT_EQ(place.kind, FailurePlace::Kind::Formula);
    EXPECT_EQ(row.formula.substr(place.formulaBytes.offset, place.formulaBytes.length),
              row.part);
    EXPECT_EQ(place.formulaBytes.offset, row.formula.find(row.part));
  }
}

TEST(CalculatorSession, IgnoredTextIsReportedOrRefused) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  s.SetAssignText("");
  s.SetFormulaText("10 % 3");
  EXPECT_EQ(s.Compute(), 10);
  EXPECT_EQ(s.IgnoredText(), "% 3");
  EXPECT_EQ(ignoredTextNote(s.IgnoredText()), "Ignored text after the formula: '% 3'");
  s.SetFormulaText("2 ");
  s.Compute();
  EXPECT_EQ(s.IgnoredText(), "");

  s.SetRefuseIgnoredText(true);
  s.SetFormulaText("2^3");
  try {
    s.Compute();
    ADD_FAILURE() << "refused text computed";
  } catch (const ETrailingTextError &e) {
    EXPECT_STREQ(e.what(), "Unexpected text after the formula: '^3'");
  }
  EXPECT_EQ(s.LastFailure().kind, FailurePlace::Kind::Formula);
  EXPECT_EQ(s.LastFailure().formulaBytes.offset, 1u);
  EXPECT_EQ(s.LastFailure().formulaBytes.length, 2u);
  EXPECT_EQ(s.ComputeCount(), 2);
  EXPECT_TRUE(s.Memo1().Empty());
  EXPECT_EQ(s.ResultText(), "");
}

// The preview reads the Assign text as the next Compute would apply it,
// which decides whether a name takes an argument list.
TEST(CalculatorSession, IgnoredTextStartAsTheBoxesStand) {
  constexpr std::size_t none = std::string::npos;
  const struct {
    const char *assign, *formula;
    std::size_t start;
  } rows[] = {
      {"x", "2x", 1},        {"x", "x(2)", 1},   {"", "sin (1) x", 8},
      {"sin", "sin (1)", 4}, {"x;X", "x 1", 2},  {"x", "1 + x", none},
      {"", "x(2)", none},    {"x", "2*(", none},
  };
  for (const auto &row : rows) {
    TCalculatorSession s;
    s.SetAssignText(row.assign);
    s.SetFormulaText(row.formula);
    EXPECT_EQ(s.IgnoredTextStart().value_or(none), row.start) << row.formula;
    EXPECT_TRUE(s.VariableList().Empty()) << "the preview applied the list";
  }
}

TEST(CalculatorSession, ResultGoesStaleWhenAnInputChanges) {
  SeparatorGuard point('.');
  TCalculatorSession s;
  EXPECT_FALSE(s.ResultIsStale()); // nothing shown
  declare(s, "x;y", {"1", "2"});
  s.SetFormulaText("x+y");
  s.Compute();
  EXPECT_FALSE(s.ResultIsStale());

  s.SetFormulaText("x-y");
  EXPECT_TRUE(s.ResultIsStale());
  s.SetFormulaText("x+y"); // back to what was computed
  EXPECT_FALSE(s.ResultIsStale());
  s.Grid().SetCell(1, 2, "5");
  EXPECT_TRUE(s.ResultIsStale());
  s.Grid().SetCell(1, 2, "2");
  s.SetAssignText("x;y;z");
  EXPECT_TRUE(s.ResultIsStale());
  s.ApplyVariableList(); // a new row as well
  s.SetAssignText("x;y");
  EXPECT_TRUE(s.ResultIsStale());
  s.Compute();
  EXPECT_FALSE(s.ResultIsStale());
  s.SetFormulaText("1/0");
  EXPECT_ANY_THROW(s.Compute());
  EXPECT_FALSE(s.ResultIsStale()); // empty: nothing to mistake
}

TEST(CalculatorSession, ResultFormatRewritesTheResultButNotTheLogs) {
  SeparatorGuard comma(',');
  TCalculatorSession s;
  s.SetAssignText("");
  s.SetFormulaText("1/3");
  s.Compute();
  s.SetResultFormat({Notation::Scientific, 3});
  EXPECT_EQ(s.ResultText(), "3,33E-1");
  s.SetFormulaText("-4,7E-5");
  s.Compute();
  EXPECT_EQ(s.ResultText(), "-4,70E-5");
  s.SetResultFormat({Notation::Engineering, 2});
  EXPECT_EQ(s.ResultText(), "-47E-6");
  EXPECT_EQ(s.ComputeCount(), 2);
  EXPECT_EQ(s.Memo2().Lines().back(), "Y value: -4,7E-5");
  EXPECT_EQ(s.Memo1().Lines().back(), "F value: -4,7E-5");
  // A cleared box stays empty; the value is still there for other views.
  s.ClearResult();
  s.SetResultFormat({});
  EXPECT_EQ(s.ResultText(), "");
  EXPECT_EQ(s.LastResult(), -4.7e-5);
}
