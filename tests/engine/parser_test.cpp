// The compile parser: precedence, association, signs, comparisons and the
// exact node recipes, trailing text and the parse error messages.

#include "enginetestsupport.h"

#include "engine/contexts.h"
#include "engine/errors.h"
#include "engine/lexer.h"
#include "engine/nodefactory.h"
#include "engine/parser.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using test::Calc;
using test::SeparatorScope;

// A factory that builds nothing of its own but writes down every call, so
// the order and wiring of the parser's requests can be compared as text.
// Node arguments appear as #n, n being the index of the call that made them.
class RecordingFactory final : public TExprNodeFactory {
public:
  std::map<const void *, std::string> Names; // addresses -> names for Var64
  std::vector<std::string> Calls;

  TExprNode *Var32(const Float32 *a) override { return record("Var32(" + name(a) + ")"); }
  TExprNode *Var64(const Float64 *a) override { return record("Var64(" + name(a) + ")"); }
  TExprNode *Var80(const Float80 *a) override { return record("Var80(" + name(a) + ")"); }
  TExprNode *Const32(Float32 v) override { return record("Const32(" + num(v) + ")"); }
  TExprNode *Const64(Float64 v) override { return record("Const64(" + num(v) + ")"); }
  TExprNode *Const80(Float80 v) override {
    return record("Const80(" + num(static_cast<double>(v)) + ")");
  }
  TExprNode *CallFloat(CallFunction<Flavour::Generic, 0>) override {
    return record("CallFloat");
  }
  TExprNode *CallFloat32(CallFunction<Flavour::F32, 0>) override {
    return record("CallFloat32");
  }
  TExprNode *CallFloat64(CallFunction<Flavour::F64, 0>) override {
    return record("CallFloat64");
  }
  TExprNode *CallFloat80(CallFunction<Flavour::F80, 0>) override {
    return record("CallFloat80");
  }
  TExprNode *CallUnary(CallFunction<Flavour::Generic, 1>, TExprNode *x) override {
    return record("CallUnary(" + id(x) + ")");
  }
  TExprNode *CallUnary32(CallFunction<Flavour::F32, 1>, TExprNode *x) override {
    return record("CallUnary32(" + id(x) + ")");
  }
  TExprNode *CallUnary64(CallFunction<Flavour::F64, 1>, TExprNode *x) override {
    return record("CallUnary64(" + id(x) + ")");
  }
  TExprNode *CallUnary80(CallFunction<Flavour::F80, 1>, TExprNode *x) override {
    return record("CallUnary80(" + id(x) + ")");
  }
  TExprNode *CallBinary(CallFunction<Flavour::Generic, 2>, TExprNode *x,
                        TExprNode *y) override {
    return record("CallBinary(" + id(x) + "," + id(y) + ")");
  }
  TExprNode *CallBinary32(CallFunction<Flavour::F32, 2>, TExprNode *x,
                          TExprNode *y) override {
    return record("CallBinary32(" + id(x) + "," + id(y) + ")");
  }
  TExprNode *CallBinary64(CallFunction<Flavour::F64, 2>, TExprNode *x,
                          TExprNode *y) override {
    return record("CallBinary64(" + id(x) + "," + id(y) + ")");
  }
  TExprNode *CallBinary80(CallFunction<Flavour::F80, 2>, TExprNode *x,
                          TExprNode *y) override {
    return record("CallBinary80(" + id(x) + "," + id(y) + ")");
  }
  TExprNode *CallTernary(CallFunction<Flavour::Generic, 3>, TExprNode *, TExprNode *,
                         TExprNode *) override {
    return record("CallTernary");
  }
  TExprNode *CallTernary32(CallFunction<Flavour::F32, 3>, TExprNode *, TExprNode *,
                           TExprNode *) override {
    return record("CallTernary32");
  }
  TExprNode *CallTernary64(CallFunction<Flavour::F64, 3>, TExprNode *, TExprNode *,
                           TExprNode *) override {
    return record("CallTernary64");
  }
  TExprNode *CallTernary80(CallFunction<Flavour::F80, 3>, TExprNode *, TExprNode *,
                           TExprNode *) override {
    return record("CallTernary80");
  }
  TExprNode *Add(TExprNode *l, TExprNode *r) override { return binary("Add", l, r); }
  TExprNode *Subtract(TExprNode *l, TExprNode *r) override {
    return binary("Subtract", l, r);
  }
  TExprNode *Multiply(TExprNode *l, TExprNode *r) override {
    return binary("Multiply", l, r);
  }
  TExprNode *Divide(TExprNode *l, TExprNode *r) override {
    return binary("Divide", l, r);
  }
  TExprNode *Negate(TExprNode *x) override { return record("Negate(" + id(x) + ")"); }
  TExprNode *Compare(TExprNode *l, TExprNode *r) override {
    return binary("Compare", l, r);
  }

  TExprNode *last() const { return nodes_.empty() ? nullptr : nodes_.back().get(); }

private:
  struct Node final : TExprNode {
    explicit Node(std::size_t index) : Index(index) {}
    std::size_t Index;
  };

  TExprNode *record(std::string call) {
    Calls.push_back(std::move(call));
    nodes_.push_back(std::make_unique<Node>(nodes_.size()));
    return nodes_.back().get();
  }
  TExprNode *binary(const char *op, TExprNode *l, TExprNode *r) {
    return record(std::string(op) + "(" + id(l) + "," + id(r) + ")");
  }
  static std::string id(TExprNode *node) {
    return "#" + std::to_string(static_cast<Node *>(node)->Index);
  }
  static std::string num(double v) {
    char buffer[64];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr};
  }
  std::string name(const void *address) const {
    const auto it = Names.find(address);
    return it == Names.end() ? "?" : it->second;
  }

  std::vector<std::unique_ptr<Node>> nodes_;
};

Float xSlot = 0;

// Parses text with a recording factory; x is a variable, twice and sub are
// functions, k2 a constant.
std::vector<std::string> record(std::string_view text) {
  TExprHashContext variables(false, 7);
  variables.Add(std::make_unique<TExprVar64Sym>("x", &xSlot));
  TExprSetContext context(false);
  context.Add(test::testContext());
  context.Add(variables);

  TExprSimpleLexer lexer(text);
  RecordingFactory factory;
  factory.Names[&xSlot] = "x";
  TExprCompileParser parser(lexer, factory);
  parser.Context = &context;
  TExprNode *root = parser.Compile();
  EXPECT_EQ(root, factory.last()) << "the root is not the last node made: " << text;
  return factory.Calls;
}

using Calls = std::vector<std::string>;

TEST(ParserNodes, WorkedExampleMakesTheCallsInOrder) {
  EXPECT_EQ(record("-x*2 <> 1"),
            (Calls{"Var64(x)", "Negate(#0)", "Const64(2)", "Multiply(#1,#2)",
                   "Const64(1)", "Compare(#3,#4)", "Multiply(#5,#5)"}));
}

TEST(ParserNodes, EveryComparisonFollowsItsRecipe) {
  struct Row {
    const char *text;
    Calls tail; // the calls after Const64(1) #0, Const64(2) #1
  };
  const Row rows[] = {
      {"1 = 2", {"Compare(#0,#1)", "Multiply(#2,#2)", "Const32(1)", "Subtract(#4,#3)"}},
      {"1 <> 2", {"Compare(#0,#1)", "Multiply(#2,#2)"}},
      {"1 < 2",
       {"Compare(#0,#1)", "Multiply(#2,#2)", "Subtract(#3,#2)", "Const32(2)",
        "Divide(#4,#5)"}},
      {"1 > 2",
       {"Compare(#0,#1)", "Multiply(#2,#2)", "Add(#2,#3)", "Const32(2)",
        "Divide(#4,#5)"}},
      {"1 <= 2",
       {"Compare(#0,#1)", "Multiply(#2,#2)", "Add(#2,#3)", "Const32(2)", "Divide(#4,#5)",
        "Const32(1)", "Subtract(#7,#6)"}},
      {"1 >= 2",
       {"Compare(#0,#1)", "Multiply(#2,#2)", "Subtract(#3,#2)", "Const32(2)",
        "Divide(#4,#5)", "Const32(1)", "Subtract(#7,#6)"}},
  };
  for (const Row &row : rows) {
    Calls expected{"Const64(1)", "Const64(2)"};
    expected.insert(expected.end(), row.tail.begin(), row.tail.end());
    EXPECT_EQ(record(row.text), expected) << row.text;
  }
}

TEST(ParserNodes, ChainedComparisonUsesTheFirstResultAsLeftOperand) {
  EXPECT_EQ(record("1<2<3"),
            (Calls{"Const64(1)", "Const64(2)", "Compare(#0,#1)", "Multiply(#2,#2)",
                   "Subtract(#3,#2)", "Const32(2)", "Divide(#4,#5)", "Const64(3)",
                   "Compare(#6,#7)", "Multiply(#8,#8)", "Subtract(#9,#8)", "Const32(2)",
                   "Divide(#10,#11)"}));
}

TEST(ParserNodes, OperatorsAssociateToTheLeft) {
  struct Row {
    const char *text;
    Calls calls;
  };
  const Row rows[] = {
      {"1/2*3",
       {"Const64(1)", "Const64(2)", "Divide(#0,#1)", "Const64(3)", "Multiply(#2,#3)"}},
      {"1-2+3",
       {"Const64(1)", "Const64(2)", "Subtract(#0,#1)", "Const64(3)", "Add(#2,#3)"}},
      {"1+2*3",
       {"Const64(1)", "Const64(2)", "Const64(3)", "Multiply(#1,#2)", "Add(#0,#3)"}},
      {"-x*2", {"Var64(x)", "Negate(#0)", "Const64(2)", "Multiply(#1,#2)"}},
      {"--x", {"Var64(x)"}},
      {"+-+x", {"Var64(x)", "Negate(#0)"}},
      {"2*-x", {"Const64(2)", "Var64(x)", "Negate(#1)", "Multiply(#0,#2)"}},
      {"-(1+2)", {"Const64(1)", "Const64(2)", "Add(#0,#1)", "Negate(#2)"}},
      {"k2", {"Const64(2)"}},
      {"twice(x)", {"Var64(x)", "CallUnary(#0)"}},
      {"sub(x;1)", {"Var64(x)", "Const64(1)", "CallBinary(#0,#1)"}},
      {"twice(twice(x))", {"Var64(x)", "CallUnary(#0)", "CallUnary(#1)"}},
      {"x(2)", {"Var64(x)"}},
  };
  for (const Row &row : rows)
    EXPECT_EQ(record(row.text), row.calls) << row.text;
}

struct ValueRow {
  const char *formula;
  Float value;
};

TEST(ParserValues, PrecedenceSignsAndComparisons) {
  const ValueRow rows[] = {
      {"4 * 5 * 6 / 1 * 2 * 3", 720},
      {"8/4/2", 1},
      {"2*3/4*5", 7.5},
      {"1-2+3", 2},
      {"1+2*3", 7},
      {"(1+2)*3", 9},
      {"10-2-3", 5},
      {"-2*3", -6},
      {"2*-3", -6},
      {"2--3", 5},
      {"--3", 3},
      {"+-+3", -3},
      {"-(1+2)", -3},
      {"-(-4)", 4},
      {"2<-1", 0},
      {"- - - 2", -2},
      {"1+1 = 2", 1},
      {"1 <> 1", 0},
      {"2 < 1", 0},
      {"1 <= 1", 1},
      {"2 > 1", 1},
      {"1 >= 2", 0},
      {"1 < 2 < 3", 1},
      {"3 > 2 > 1", 0},
      {"1 = 1 = 1", 1},
      {"2 = 1", 0},
      {"1 <> 2", 1},
      {"1 < 2", 1},
      {"2 <= 1", 0},
      {"1 > 2", 0},
      {"2 >= 1", 1},
      {"1 <= 2", 1},
      {"2 >= 2", 1},
      {"1+2 < 2+2", 1},
      {"-1 < -0.5", 1},
      {"0 = -0", 1},
      {"((((1))))", 1},
      {"twice(twice(3))", 12},
      {"sub(10;3)", 7},
      {"sub(3;10)", -7},
      {"sub(1<2; 3>4)", 1},
      {"twice(-2)*3", -12},
      {"Pi", 3.141592653589793},
      {"ten*k2", 20},
      {"TEN/K2", 5},
  };
  Calc calc;
  for (const ValueRow &row : rows)
    EXPECT_EQ(calc.value(row.formula), row.value) << row.formula;
}

TEST(ParserValues, TrailingTextIsIgnored) {
  const ValueRow rows[] = {
      {"2^3", 2},
      {"2x", 2},
      {"2(3)", 2},
      {"1 2", 1},
      {"1+2)", 3},
      {"k2(5)", 2},
      {"Pi(2)", 3.141592653589793},
      {"1+2 ; comment", 3},
      {"7 # note", 7},
      {"5,5", 5},
      {"1.2.3", 1.2},
      {"1..2", 1},
      {"3 ) (", 3},
      {"4 !", 4},
  };
  Calc calc;
  for (const ValueRow &row : rows)
    EXPECT_EQ(calc.value(row.formula), row.value) << row.formula;
}

TEST(ParserValues, VariableBeforeParenthesisIsTheVariable) {
  Calc calc;
  calc.bind("x", 5);
  EXPECT_EQ(calc.value("x(2)"), 5);
}

// The slots of variables a, b and c, bound once per calculator.
struct Abc {
  explicit Abc(Calc &calc)
      : a(calc.bind("a", 0)), b(calc.bind("b", 0)), c(calc.bind("c", 0)) {}
  Float &a, &b, &c;
};

// Stores every triple of values in a, b and c and calls check with it.
template <std::size_t N, class Check>
void forEachTriple(const Abc &slots, const Float (&values)[N], Check check) {
  Float &a = slots.a, &b = slots.b, &c = slots.c;
  for (Float va : values)
    for (Float vb : values)
      for (Float vc : values) {
        a = va;
        b = vb;
        c = vc;
        check(va, vb, vc);
      }
}

// Formulas must agree bit for bit with the same arithmetic in C++ over a
// grid of values.
TEST(ParserValues, DifferentialAgainstCpp) {
  using Fn = std::function<Float(Float, Float, Float)>;
  const auto truth = [](bool b) { return b ? 1.0 : 0.0; };
  const std::pair<const char *, Fn> rows[] = {
      {"a/b*c", [](Float a, Float b, Float c) { return (a / b) * c; }},
      {"a*b/c", [](Float a, Float b, Float c) { return (a * b) / c; }},
      {"a-b+c", [](Float a, Float b, Float c) { return (a - b) + c; }},
      {"a-b-c", [](Float a, Float b, Float c) { return (a - b) - c; }},
      {"a/b/c", [](Float a, Float b, Float c) { return (a / b) / c; }},
      {"a+b*c", [](Float a, Float b, Float c) { return a + b * c; }},
      {"-a*b", [](Float a, Float b, Float) { return (-a) * b; }},
      {"a*-b-c", [](Float a, Float b, Float c) { return a * -b - c; }},
      {"a--b", [](Float a, Float b, Float) { return a - (-b); }},
      {"-(a-b)/c", [](Float a, Float b, Float c) { return -(a - b) / c; }},
      {"sub(a;b)*c", [](Float a, Float b, Float c) { return (a - b) * c; }},
      {"twice(a+b)-c", [](Float a, Float b, Float c) { return 2 * (a + b) - c; }},
      {"a<b", [&](Float a, Float b, Float) { return truth(a < b); }},
      {"a>b", [&](Float a, Float b, Float) { return truth(a > b); }},
      {"a<=b", [&](Float a, Float b, Float) { return truth(a <= b); }},
      {"a>=b", [&](Float a, Float b, Float) { return truth(a >= b); }},
      {"a=b", [&](Float a, Float b, Float) { return truth(a == b); }},
      {"a<>b", [&](Float a, Float b, Float) { return truth(a != b); }},
      {"a<b<c", [&](Float a, Float b, Float c) { return truth(truth(a < b) < c); }},
      {"a+b>=c*a", [&](Float a, Float b, Float c) { return truth(a + b >= c * a); }},
  };
  const Float values[] = {3, -2.5, 0.1, 7, 1e-3, -1e5, 3};
  Calc calc;
  const Abc slots(calc);
  // Named copies: a lambda may not capture structured bindings in clang 14.
  for (const auto &row : rows)
    forEachTriple(slots, values, [&](Float va, Float vb, Float vc) {
      const auto &[formula, cpp] = row;
      EXPECT_EQ(calc.value(formula), cpp(va, vb, vc))
          << formula << " a=" << va << " b=" << vb << " c=" << vc;
    });
}

// Formulas written two ways must give the same value or the same error.
TEST(ParserValues, EquivalentFormulasAgree) {
  const std::pair<const char *, const char *> rows[] = {
      {"a/b*c", "(a/b)*c"}, {"a*b/c", "(a*b)/c"},
      {"a-b+c", "(a-b)+c"}, {"-a*b", "(-a)*b"},
      {"a--b", "a+b"},      {"+-+a", "-a"},
      {"a<b<c", "(a<b)<c"}, {"a<=b", "(a<b)+(a=b)"},
      {"a>=b", "1-(a<b)"},  {"a<>b", "1-(a=b)"},
      {"a>b", "b<a"},       {"twice(a)", "a+a"},
      {"sub(a;b)", "a-b"},  {"sub(a<b;c)", "(a<b)-c"},
      {"((a))", "a"},
  };
  const Float values[] = {-1, 0, 2.5, 1e10};
  Calc calc;
  const Abc slots(calc);
  for (const auto &row : rows)
    forEachTriple(slots, values, [&](Float va, Float vb, Float vc) {
      const auto &[left, right] = row;
      // Faults count too: both ways must fail alike (b = 0 divides).
      const test::Outcome l = calc.Run(left);
      const test::Outcome r = calc.Run(right);
      EXPECT_EQ(l.ok, r.ok) << left << " vs " << right;
      EXPECT_EQ(l.message, r.message) << left << " vs " << right;
      if (l.ok && r.ok) {
        EXPECT_EQ(l.value, r.value)
            << left << " vs " << right << " a=" << va << " b=" << vb << " c=" << vc;
      }
    });
}

struct ErrorRow {
  const char *formula;
  char separator;
  const char *message;
};

TEST(ParserErrors, EveryMessage) {
  const std::string factor = "Parse error: Factor expected";
  const std::string paren = "Parse error: ')' expected";
  const std::string open = "Parse error: '(' and function's first parameter expected";
  const std::string semicolon = "Parse error: ';' and another parameter expected";
  const std::string close = "Parse error: ')' to close function's parameters expected";
  const ErrorRow rows[] = {
      {"", '.', factor.c_str()},
      {"   ", '.', factor.c_str()},
      {"1 == 1", '.', factor.c_str()},
      {"(", '.', factor.c_str()},
      {"()", '.', factor.c_str()},
      {"1+", '.', factor.c_str()},
      {")", '.', factor.c_str()},
      {".5", '.', factor.c_str()},
      {",5", '.', factor.c_str()},
      {"1*", '.', factor.c_str()},
      {"1/", '.', factor.c_str()},
      {"-", '.', factor.c_str()},
      {"*2", '.', factor.c_str()},
      {"1<", '.', factor.c_str()},
      {"1 < = 2", '.', factor.c_str()},
      {"1 => 2", '.', factor.c_str()},
      {"1 =< 2", '.', factor.c_str()},
      {"2*(3+)", '.', factor.c_str()},
      {"twice()", '.', factor.c_str()},
      {"sub(;2)", '.', factor.c_str()},
      {"^2", '.', factor.c_str()},
      {"(1", '.', paren.c_str()},
      {"(1;2)", '.', paren.c_str()},
      {"((1)", '.', paren.c_str()},
      {"(1 2)", '.', paren.c_str()},
      {"twice", '.', open.c_str()},
      {"twice 2", '.', open.c_str()},
      {"1+twice*2", '.', open.c_str()},
      {"sub(1)", '.', semicolon.c_str()},
      {"sub(1,2)", '.', semicolon.c_str()},
      {"sub(1,2)", ',', semicolon.c_str()},
      {"sub(1 2)", '.', semicolon.c_str()},
      {"twice(1;2)", '.', close.c_str()},
      {"twice(1", '.', close.c_str()},
      {"sub(1;2", '.', close.c_str()},
      {"sub(1;2;3)", '.', close.c_str()},
      {"Foo", '.', "Parse error: Unknown symbol: 'Foo'"},
      {"1+fOO_2*3", '.', "Parse error: Unknown symbol: 'fOO_2'"},
      {"twice(y)", '.', "Parse error: Unknown symbol: 'y'"},
      {"1e400", '.', "Floating point overflow"},
      {"1e5000", '.', "'1e5000' is not a valid floating point value"},
      {"1.5", ',', "'1.5' is not a valid floating point value"},
      {"2+2.", ',', "'2.' is not a valid floating point value"},
  };
  for (const ErrorRow &row : rows) {
    SeparatorScope separator(row.separator);
    Calc calc;
    EXPECT_EQ(calc.error(row.formula), row.message)
        << "'" << row.formula << "' separator " << row.separator;
  }
}

TEST(ParserErrors, ParseErrorsAreExprEvalErrors) {
  const char *formulas[] = {"", "(1", "Foo", "twice", "sub(1)", "twice(1;2)"};
  for (const char *formula : formulas) {
    Calc calc;
    EXPECT_EQ(calc.Run(formula).errorClass, "EExprEvalError") << formula;
  }
}

TEST(ParserErrors, CommaInsideArgumentsIsOneNumberUnderCommaSeparator) {
  SeparatorScope separator(',');
  Calc calc;
  EXPECT_EQ(calc.value("twice(2,5)"), 5);
  EXPECT_EQ(calc.value("sub(2,5;0,5)"), 2);
}

TEST(ParserErrors, NoContextMeansEveryNameIsUnknown) {
  TExprSimpleLexer lexer("1+Abc");
  TExprVirtMachNodeFactory factory;
  TExprCompileParser parser(lexer, factory);
  try {
    parser.Compile();
    FAIL() << "no error";
  } catch (const EExprEvalError &error) {
    EXPECT_STREQ(error.what(), "Parse error: Unknown symbol: 'Abc'");
  }
}

TEST(ParserErrors, SymbolFieldsAreRestoredAfterAFailedCompile) {
  TExprSym &twiceSym = *test::testContext().Find("twice");
  Calc calc;
  EXPECT_EQ(calc.error("twice(twice(1;2))"),
            "Parse error: ')' to close function's parameters expected");
  EXPECT_EQ(twiceSym.Lexer, nullptr);
  EXPECT_EQ(twiceSym.Parser, nullptr);
  EXPECT_EQ(twiceSym.Factory, nullptr);
  EXPECT_EQ(calc.value("twice(twice(1))"), 4);
}

} // namespace
} // namespace quorvex
