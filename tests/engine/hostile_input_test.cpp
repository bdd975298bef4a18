// Hostile formulas and values: deep nesting, very long texts, every byte,
// extreme numbers and many names. Each must end in a value or a clean error
// of the calculator's own classes, never a crash.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/numberconversion.h"
#include "engine/parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using test::Calc;
using test::capture;
using test::Outcome;
using test::SeparatorScope;

const std::string nestedTooDeeply = "Parse error: Expression nested too deeply";
const std::string tooLong = "Parse error: Expression too long";
const std::string factorExpected = "Parse error: Factor expected";

std::string repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i)
    out.append(piece);
  return out;
}

std::string nested(std::string_view open, std::string_view inner, std::size_t depth) {
  return repeat(open, depth) + std::string(inner) + repeat(")", depth);
}

// "(twice(" pairs: two levels each.
std::string mixed(std::size_t pairs) {
  return repeat("(twice(", pairs) + "1" + repeat("))", pairs);
}

// The value of "(1+(1+ ... 1)*2)*2" with the same double arithmetic.
double doublings(std::size_t depth) {
  double v = 1;
  for (std::size_t i = 0; i < depth; ++i)
    v = (1 + v) * 2;
  return v;
}

struct Expected {
  bool ok;
  Float value;
  std::string message;
};
Expected value(Float v) {
  return {true, v, ""};
}
Expected error(std::string message) {
  return {false, 0, std::move(message)};
}

void expectOutcome(const Outcome &got, const Expected &want, const std::string &where) {
  EXPECT_NE(got.errorClass, "foreign") << where << ": " << got.message;
  ASSERT_EQ(got.ok, want.ok) << where << ": " << got.message.substr(0, 200);
  if (want.ok)
    EXPECT_EQ(got.value, want.value) << where;
  else
    EXPECT_EQ(got.message, want.message) << where;
}

// --- nesting --------------------------------------------------------------------

TEST(HostileNesting, JustBelowAndJustAboveTheBound) {
  const std::size_t bound = TExprCompileParser::maxNesting;
  struct Row {
    std::string formula;
    Expected expected;
    const char *what;
  };
  const Row rows[] = {
      {nested("(", "1", bound), value(1), "parentheses at the bound"},
      {nested("(", "1", bound + 1), error(nestedTooDeeply), "parentheses past the bound"},
      {nested("twice(", "1", bound), value(std::ldexp(1.0, 256)), "calls at the bound"},
      {nested("twice(", "1", bound + 1), error(nestedTooDeeply), "calls past the bound"},
      {mixed(bound / 2), value(std::ldexp(1.0, 128)), "mixed at the bound"},
      {"(" + mixed(bound / 2) + ")", error(nestedTooDeeply), "mixed past the bound"},
      {nested("sub(1;", "0", bound), value(0), "second arguments at the bound"},
      {nested("sub(1;", "0", bound + 1), error(nestedTooDeeply),
       "second arguments past the bound"},
      {nested("-(", "1", bound), value(1), "signed parentheses at the bound"},
      {repeat("(1+", bound) + "1" + repeat(")*2", bound), value(doublings(bound)),
       "sums inside parentheses at the bound"},
      // Depth, not count, is bounded: many parentheses side by side are fine.
      {repeat("(1)+", 10000) + "0", value(10000), "wide, not deep"},
      {nested("(", "1", 100000), error(nestedTooDeeply), "100000 balanced parentheses"},
      {repeat("(", 100000), error(nestedTooDeeply), "100000 unclosed parentheses"},
      {repeat(")", 100000), error(factorExpected), "100000 closing parentheses"},
      {"1" + repeat(")", 100000), value(1), "closing parentheses as trailing text"},
      {repeat("twice(", 100000), error(nestedTooDeeply), "100000 unclosed calls"},
      // A function name without "(" opens no level, so at the bound it is
      // reported as such.
      {nested("(", "twice", bound),
       error("Parse error: '(' and function's first parameter expected"),
       "function name without arguments at the bound"},
      {repeat("(", bound - 1) + "sub(1;2",
       error("Parse error: ')' to close function's parameters expected"),
       "unclosed call at the bound"},
  };
  for (const Row &row : rows) {
    Calc calc;
    expectOutcome(calc.Run(row.formula), row.expected, row.what);
    // The evaluator is still usable after a refusal.
    EXPECT_EQ(calc.value("1+1"), 2) << row.what;
  }
}

TEST(HostileNesting, TheBoundIsPerFormulaNotCumulative) {
  Calc calc;
  const std::string atBound = nested("(", "1", 256);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calc.value(atBound), 1);
    EXPECT_EQ(calc.error(nested("(", "1", 257)), nestedTooDeeply);
  }
}

// --- long flat formulas ------------------------------------------------------------

TEST(HostileLength, LongRunsOfSignsCompileWithoutRecursion) {
  const struct {
    std::string formula;
    Float value;
  } rows[] = {
      {repeat("-", 500000) + "1", 1},
      {repeat("-", 499999) + "1", -1},
      {repeat("+-", 250000) + "2", 2},
      {"3*" + repeat("-", 500001) + "2", -6},
  };
  for (const auto &row : rows) {
    Calc calc;
    EXPECT_EQ(calc.value(row.formula), row.value) << row.formula.size();
    EXPECT_LE(calc.Evaluator.Machine.CodeList.size(), 2u);
  }
}

TEST(HostileLength, TwoHundredThousandTermSum) {
  std::string formula;
  formula.reserve(1500000);
  Float expected = 0;
  for (int i = 1; i <= 200000; ++i) {
    const int term = i % 97;
    if (i > 1)
      formula += (i % 3 == 0) ? '-' : '+';
    formula += std::to_string(term);
    expected += (i % 3 == 0 && i > 1) ? -term : term;
  }
  ASSERT_LT(formula.size(), TCompiledEvaluator::maxExpressionLength);
  Calc calc;
  EXPECT_EQ(calc.value(formula), expected);
  EXPECT_EQ(calc.Evaluator.Machine.CodeList.size(), 199999u);
  EXPECT_EQ(calc.Evaluator.Evaluate(), expected); // and again
}

TEST(HostileLength, LongProductAndComparisonChains) {
  Calc calc;
  EXPECT_EQ(calc.value("1" + repeat("*1", 50000)), 1);
  EXPECT_EQ(calc.value("2" + repeat("/1", 50000)), 2);
  // 1<1 is 0, 0<1 is 1, and so on, alternating.
  EXPECT_EQ(calc.value("1" + repeat("<1", 20001)), 0);
  EXPECT_EQ(calc.value("1" + repeat("<1", 20000)), 1);
}

TEST(HostileLength, FormulasAroundTheLengthBound) {
  const std::size_t bound = TCompiledEvaluator::maxExpressionLength;
  ASSERT_EQ(bound, 1048576u);
  // Long terms keep the node count modest while the text fills the bound.
  const std::size_t termCount = (bound - 1) / 11;
  const std::string terms = repeat("1000000000+", termCount) + "1";
  ASSERT_EQ(terms.size(), bound);
  const struct {
    std::string formula;
    Expected expected;
    const char *what;
  } rows[] = {
      {"1" + std::string(bound - 1, ' '), value(1), "padded to the bound"},
      {"1" + std::string(bound, ' '), error(tooLong), "padded one past the bound"},
      {terms, value(static_cast<double>(termCount) * 1e9 + 1), "a sum filling the bound"},
      {terms + "+1", error(tooLong), "a sum one past the bound"},
      {std::string(bound * 2, '('), error(tooLong), "two MiB of parentheses"},
      // Text ends at its first zero byte; what follows does not count.
      {"7" + std::string(1, '\0') + std::string(bound * 2, 'x'), value(7),
       "long tail after a zero byte"},
  };
  for (const auto &row : rows) {
    Calc calc;
    expectOutcome(calc.Run(row.formula), row.expected, row.what);
    if (!row.expected.ok) {
      // Compiling it again reports the same error again.
      expectOutcome(calc.Run(row.formula), row.expected, row.what);
      EXPECT_FALSE(calc.Evaluator.Machine.HasProgram());
    }
  }
}

// --- bytes ---------------------------------------------------------------------------

bool isBinaryOperator(unsigned char b) {
  return b == '+' || b == '-' || b == '*' || b == '/' || b == '<' || b == '>' || b == '=';
}
bool isNameStart(unsigned char b) {
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_';
}

// What a formula of one byte gives, worked out from the grammar.
Expected aloneExpected(unsigned char b) {
  if (b >= '0' && b <= '9')
    return value(b - '0');
  if (isNameStart(b))
    return error("Parse error: Unknown symbol: '" + std::string(1, static_cast<char>(b)) +
                 "'");
  return error(factorExpected);
}

// What "1" followed by one byte gives.
Expected afterNumberExpected(unsigned char b, char separator) {
  if (b >= '0' && b <= '9')
    return value(10 + (b - '0'));
  if (isBinaryOperator(b))
    return error(factorExpected);
  if (b == '.' && separator != '.')
    return error("'1.' is not a valid floating point value");
  return value(1); // blanks, a separator, "e", names and stray bytes
}

TEST(HostileBytes, EveryByteAloneAndAfterANumber) {
  for (char separator : {'.', ','}) {
    SeparatorScope scope(separator);
    for (unsigned b = 1; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      const std::string alone(1, static_cast<char>(b));
      Calc calc;
      expectOutcome(calc.Run(alone), aloneExpected(byte),
                    "byte " + std::to_string(b) + " alone, separator " + separator);
      expectOutcome(calc.Run("1" + alone), afterNumberExpected(byte, separator),
                    "byte " + std::to_string(b) + " after 1, separator " + separator);
    }
  }
}

TEST(HostileBytes, ZeroByteEndsTheText) {
  using namespace std::string_literals;
  const struct {
    std::string formula;
    Expected expected;
  } rows[] = {
      {"1+2\0+3"s, value(3)},
      {"\0"s + "1", error(factorExpected)},
      {"1+\0"s + "2", error(factorExpected)},
      {"(1\0)"s, error("Parse error: ')' expected")},
      {"\0"s, error(factorExpected)},
  };
  for (const auto &row : rows) {
    Calc calc;
    expectOutcome(calc.Run(row.formula), row.expected, "formula with a zero byte");
  }
}

TEST(HostileBytes, Utf8AndOtherUnicodeTexts) {
  const struct {
    const char *formula;
    Expected expected;
    const char *what;
  } rows[] = {
      {"\xC3\xA9", error(factorExpected), "e acute"},
      {"2\xC3\xA9", value(2), "number then e acute"},
      {"x\xC3\xA9", value(5), "variable then e acute"},
      {"\xCF\x80", error(factorExpected), "pi letter"},
      {"\xEF\xBB\xBF"
       "1",
       error(factorExpected), "byte-order mark first"},
      {"1\xEF\xBB\xBF", value(1), "byte-order mark last"},
      {"\xC2\xA0"
       "1",
       error(factorExpected), "no-break space first"},
      {"1\xC2\xA0+2", value(1), "no-break space inside"},
      {"2\xE2\x88\x92"
       "1",
       value(2), "minus sign character"},
      {"2\xC3\x97"
       "3",
       value(2), "multiplication sign character"},
      {"\xFF\xFE"
       "1",
       error(factorExpected), "reversed byte-order mark"},
  };
  for (const auto &row : rows) {
    Calc calc;
    calc.bind("x", 5);
    expectOutcome(calc.Run(row.formula), row.expected, row.what);
  }
}

TEST(HostileBytes, HundredThousandCharacterIdentifier) {
  std::string name = repeat("aB_9", 25000);
  ASSERT_EQ(name.size(), 100000u);
  Calc calc;
  EXPECT_EQ(calc.error(name + "+1"), "Parse error: Unknown symbol: '" + name + "'");
  calc.bind(name, 4);
  EXPECT_EQ(calc.value(name + "*2"), 8);
  std::string upper = name;
  for (char &c : upper)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 32);
  EXPECT_EQ(calc.value(upper), 4);
}

// --- numbers ---------------------------------------------------------------------------

struct NumberRow {
  std::string text; // written with "." as separator
  Expected formula; // the text as a whole formula
  Expected cell;    // the text as a value cell, rounded to Float
};

std::string invalidMessage(const std::string &text) {
  return "'" + text + "' is not a valid floating point value";
}

std::vector<NumberRow> numberRows() {
  const Float dmin = std::numeric_limits<Float>::denorm_min();
  const std::string overflow = "Floating point overflow";
  const std::string bigInteger = "1" + std::string(99999, '0');
  const std::string paddedInteger = std::string(99999, '0') + "7";
  const std::string tinyFraction = "0." + std::string(99998, '0') + "1";
  const std::string thirds = "0." + std::string(100000, '3');
  const std::string longOne = "1." + std::string(100000, '0');
  const std::string nines = std::string(400, '9');
  return {
      {"1e5000", error(invalidMessage("1e5000")), error(invalidMessage("1e5000"))},
      {"-1e5000", error(invalidMessage("1e5000")), error(invalidMessage("-1e5000"))},
      {"1e99999999999999999999", error(invalidMessage("1e99999999999999999999")),
       error(invalidMessage("1e99999999999999999999"))},
      {"1e-400", value(0), value(0)},
      {"4.9e-324", value(dmin), value(dmin)},
      {"-4.9e-324", value(-dmin), value(-dmin)},
      {"1.2.3", value(1.2), error(invalidMessage("1.2.3"))},
      {"1..2", value(1), error(invalidMessage("1..2"))},
      {"2e", value(2), value(2)},
      {"2e+", value(2), value(2)},
      {"1e400", error(overflow), error(overflow)},
      {bigInteger, error(invalidMessage(bigInteger)), error(invalidMessage(bigInteger))},
      {paddedInteger, value(7), value(7)},
      {tinyFraction, value(0), value(0)},
      {thirds, value(1.0 / 3), value(1.0 / 3)},
      {longOne, value(1), value(1)},
      {nines, error(overflow), error(overflow)},
  };
}

std::string withSeparator(std::string text, char separator) {
  for (char &c : text)
    if (c == '.')
      c = separator;
  return text;
}

Expected withSeparator(Expected expected, char separator) {
  expected.message = withSeparator(expected.message, separator);
  return expected;
}

TEST(HostileNumbers, AsFormulasAndAsValueCellsInBothSeparators) {
  for (char separator : {'.', ','}) {
    SeparatorScope scope(separator);
    for (const NumberRow &row : numberRows()) {
      const std::string text = withSeparator(row.text, separator);
      const std::string where = text.substr(0, 40) + " with " + separator;
      Calc calc;
      expectOutcome(calc.Run(text), withSeparator(row.formula, separator),
                    "formula " + where);
      expectOutcome(capture([&] { return valueTextToFloat(text); }),
                    withSeparator(row.cell, separator), "cell " + where);
    }
  }
}

TEST(HostileNumbers, TheOtherSeparatorIsRefused) {
  SeparatorScope scope(',');
  const std::pair<const char *, const char *> formulaRows[] = {
      {"1.2.3", "1.2"}, {"1..2", "1."}, {"4.9e-324", "4.9e-324"}, {"2.5", "2.5"}};
  for (const auto &[formula, token] : formulaRows) {
    Calc calc;
    EXPECT_EQ(calc.error(formula), invalidMessage(token)) << formula;
  }
  for (const char *text : {"1.2.3", "1..2", "4.9e-324", "2.5", "1,2.5"}) {
    const Outcome outcome = capture([&] { return valueTextToFloat(text); });
    EXPECT_EQ(outcome.message, invalidMessage(text)) << text;
  }
}

// --- names
// ---------------------------------------------------------------------------------

TEST(HostileNames, TenThousandVariablesBoundAndFound) {
  Calc calc;
  std::string sum;
  Float expected = 0;
  for (int i = 0; i < 10000; ++i) {
    const std::string name = "v" + std::to_string(i);
    calc.bind(name, i);
    sum += (i ? "+" : "") + name;
    expected += i;
  }
  EXPECT_EQ(calc.Evaluator.LocalContext.Map().Count(), 10000u);
  EXPECT_EQ(calc.value(sum), expected);
  EXPECT_EQ(calc.value("V9999-V0"), 9999);
  EXPECT_EQ(calc.error("v10000"), "Parse error: Unknown symbol: 'v10000'");
  const Outcome duplicate = capture([&] {
    calc.bind("V5000", 1);
    return 0.0;
  });
  EXPECT_EQ(duplicate.message, "Duplicate hash list entry: V5000");
}

TEST(HostileNames, NamesDifferingOnlyInCase) {
  Calc calc;
  calc.bind("abc", 1);
  for (const char *other : {"ABC", "Abc", "aBC"}) {
    const Outcome outcome = capture([&] {
      calc.bind(other, 2);
      return 0.0;
    });
    EXPECT_EQ(outcome.message, std::string("Duplicate hash list entry: ") + other);
  }
  EXPECT_EQ(calc.value("aBc + ABC"), 2);
  // A function and a constant shadowed by case-different variables.
  calc.bind("TWICE", 7);
  calc.bind("pI", 8);
  EXPECT_EQ(calc.value("twice(1)"), 7);
  EXPECT_EQ(calc.value("PI"), 8);
}

} // namespace
} // namespace quorvex
