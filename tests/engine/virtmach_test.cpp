// The virtual machine and node factory: program shapes, execution,
// floating-point faults and the number flavours at the machine's boundary.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/nodefactory.h"
#include "engine/virtmach.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using test::Calc;
using test::capture;
using test::Outcome;

constexpr Float inf = std::numeric_limits<Float>::infinity();
constexpr Float nan = std::numeric_limits<Float>::quiet_NaN();
constexpr Float dmax = std::numeric_limits<Float>::max();
constexpr Float dmin = std::numeric_limits<Float>::denorm_min();

struct ShapeRow {
  const char *formula;
  const char *listing;
  const char *inputs = "x"; // the variables read, in order of first use
};

TEST(VirtMachShape, ProgramsHaveTheExpectedOps) {
  const ShapeRow rows[] = {
      {"2*x+1", "c0 = 2\nc1 = 1\nVar64 r0 <- v0\nMul r1 <- c0, r0\nAdd r2 <- r1, c1\n"},
      {"7", "c0 = 7\n", ""},
      {"x", "Var64 r0 <- v0\n"},
      {"-(-4)", "c0 = 4\nNeg r0 <- c0\nNeg r1 <- r0\n", ""},
      {"--4", "c0 = 4\n", ""},
      // One node used twice is one op whose slot both operands point at.
      {"x<>1", "c0 = 1\nVar64 r0 <- v0\nCmp r1 <- r0, c0\nMul r2 <- r1, r1\n"},
      // The same sub-expression written twice is computed twice.
      {"x+x", "Var64 r0 <- v0\nVar64 r1 <- v0\nAdd r2 <- r0, r1\n"},
      {"y-x/3",
       "c0 = 3\nVar64 r0 <- v0\nVar64 r1 <- v1\nDiv r2 <- r1, c0\nSub r3 <- r0, r2\n",
       "yx"},
      {"x=2", "c0 = 2\nc1 = 1\nVar64 r0 <- v0\nCmp r1 <- r0, c0\nMul r2 <- r1, r1\n"
              "Sub r3 <- c1, r2\n"},
      {"twice(x)", "Var64 r0 <- v0\nCallUnary r1 <- r0\n"},
      {"sub(1;x)", "c0 = 1\nVar64 r0 <- v0\nCallBinary r1 <- c0, r0\n"},
      {"1+2", "c0 = 1\nc1 = 2\nAdd r0 <- c0, c1\n", ""},
      // Constants to 17 significant digits, enough to tell every double.
      {"0.1*x", "c0 = 0.10000000000000001\nVar64 r0 <- v0\nMul r1 <- c0, r0\n"},
  };
  for (const ShapeRow &row : rows) {
    Calc calc;
    const Float *x = &calc.bind("x", 3);
    const Float *y = &calc.bind("y", 4);
    calc.Evaluator.Compile(row.formula);
    EXPECT_EQ(calc.Evaluator.Machine.Listing(), row.listing) << row.formula;
    std::vector<const void *> inputs;
    for (const char *name = row.inputs; *name != '\0'; ++name)
      inputs.push_back(*name == 'x' ? x : y);
    EXPECT_EQ(calc.Evaluator.Machine.ExternalInputs(), inputs) << row.formula;
  }
}

TEST(VirtMachShape, TwoTimesXPlusOneRunsAndRereadsTheVariable) {
  Calc calc;
  Float &x = calc.bind("x", 3);
  calc.Evaluator.Compile("2*x+1");
  const TExprVirtMach &machine = calc.Evaluator.Machine;
  ASSERT_EQ(machine.ConstList.size(), 2u);
  ASSERT_EQ(machine.CodeList.size(), 3u);
  EXPECT_EQ(machine.ConstList[0]->Value, 2);
  EXPECT_EQ(machine.ConstList[1]->Value, 1);
  auto *var = dynamic_cast<TExprVar64VmOp *>(machine.CodeList[0]);
  auto *mul = dynamic_cast<TExprMultiplyVmOp *>(machine.CodeList[1]);
  auto *add = dynamic_cast<TExprAddVmOp *>(machine.CodeList[2]);
  ASSERT_TRUE(var && mul && add);
  EXPECT_EQ(var->Source, &x);
  EXPECT_EQ(mul->Left, machine.ConstList[0]->ValueRef());
  EXPECT_EQ(mul->Right, var->ValueRef());
  EXPECT_EQ(add->Left, mul->ValueRef());
  EXPECT_EQ(add->Right, machine.ConstList[1]->ValueRef());
  EXPECT_EQ(calc.Evaluator.Evaluate(), 7);
  x = 4;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 9);
  EXPECT_EQ(add->Value, 9);
}

TEST(VirtMachShape, GenerateTwiceGivesTheSameProgram) {
  TExprVirtMachNodeFactory factory;
  Float x = 5;
  factory.Add(factory.Multiply(factory.Var64(&x), factory.Const64(2)),
              factory.ConstFloat(1));
  TExprVirtMach machine;
  factory.Generate(machine);
  const std::string first = machine.Listing();
  factory.Generate(machine);
  EXPECT_EQ(machine.Listing(), first);
  EXPECT_EQ(machine.CodeList.size(), 3u);
  EXPECT_EQ(machine.ConstList.size(), 2u);
  EXPECT_EQ(machine.Execute(), 11);
}

TEST(VirtMachShape, MachineOutlivesItsFactory) {
  TExprVirtMach machine;
  Float x = 2;
  {
    TExprVirtMachNodeFactory factory;
    factory.Divide(factory.Const64(1), factory.Var64(&x));
    factory.Generate(machine);
  }
  EXPECT_EQ(machine.Execute(), 0.5);
}

TEST(VirtMachShape, LargeProgramsGrowPastTheInitialArenaAndClear) {
  TExprVirtMach machine;
  for (int round = 0; round < 2; ++round) {
    TExprVirtMachNodeFactory factory;
    TExprNode *sum = factory.Const64(0);
    for (int i = 1; i <= 5000; ++i)
      sum = factory.Add(sum, factory.Const64(i));
    factory.Generate(machine);
    EXPECT_EQ(machine.Execute(), 5000.0 * 5001 / 2);
    EXPECT_EQ(machine.CodeList.size(), 5000u);
  }
  machine.SetLastCodeSpan({2, 3});
  // A span whose end lies beyond what the record's 32 bits hold is dropped,
  // not kept wrapped round.
  machine.SetLastCodeSpan({0xFFFFFFF0u, 0x20});
  EXPECT_EQ(machine.CodeSpan(4999), (TextSpan{2, 3}));
  machine.Clear();
  EXPECT_FALSE(machine.HasProgram());
  EXPECT_EQ(machine.CodeSpan(4999), TextSpan{}); // nor the old program's text
}

TEST(VirtMachExecute, EmptyMachineFailsWithTheListError) {
  TExprVirtMach machine;
  const Outcome outcome = capture([&] { return machine.Execute(); });
  EXPECT_EQ(outcome.errorClass, "EListError");
  EXPECT_EQ(outcome.message, "List index out of bounds (0)");
}

TEST(VirtMachExecute, CompareGivesMinusOneZeroOrOne) {
  const std::pair<Float, Float> pairs[] = {
      {2, 3}, {3, 3}, {3, 2}, {-0.0, 0}, {-inf, inf}};
  const Float expected[] = {-1, 0, 1, 0, -1};
  for (std::size_t i = 0; i < std::size(pairs); ++i) {
    TExprVirtMachNodeFactory factory;
    factory.Compare(factory.Const64(pairs[i].first), factory.Const64(pairs[i].second));
    TExprVirtMach machine;
    factory.Generate(machine);
    EXPECT_EQ(machine.Execute(), expected[i]) << i;
  }
}

struct FaultRow {
  const char *formula;
  const char *errorClass; // "" for a value
  Float value;
};

void expectOutcome(const Outcome &outcome, const FaultRow &row,
                   const std::string &where) {
  if (*row.errorClass == '\0') {
    ASSERT_TRUE(outcome.ok) << where << ": " << outcome.message;
    if (std::isnan(row.value))
      EXPECT_TRUE(std::isnan(outcome.value)) << where;
    else
      EXPECT_EQ(outcome.value, row.value) << where;
    if (row.value == 0) {
      EXPECT_EQ(std::signbit(outcome.value), std::signbit(row.value)) << where;
    }
    return;
  }
  EXPECT_FALSE(outcome.ok) << where << " gave " << outcome.value;
  EXPECT_EQ(outcome.errorClass, row.errorClass) << where;
  const std::string message =
      std::string(row.errorClass) == "EZeroDivide" ? "Floating point division by zero"
      : std::string(row.errorClass) == "EOverflow" ? "Floating point overflow"
                                                   : "Invalid floating point operation";
  EXPECT_EQ(outcome.message, message) << where;
}

TEST(VirtMachFaults, ConstantFormulas) {
  const FaultRow rows[] = {
      {"1/0", "EZeroDivide", 0},
      {"-1/0", "EZeroDivide", 0},
      {"1/-0", "EZeroDivide", 0},
      {"0/0", "EInvalidOp", 0},
      {"0/-0", "EInvalidOp", 0},
      {"1E200*1E200", "EOverflow", 0},
      {"-1E200*1E200", "EOverflow", 0},
      {"1e308+1e308", "EOverflow", 0},
      {"-1e308-1e308", "EOverflow", 0},
      {"1e308*10/10", "EOverflow", 0},
      {"1/1e-320", "EOverflow", 0},
      {"1E-200*1E-200", "", 0},
      {"-1E-200*1E-200", "", -0.0},
      {"1e-320/1e10", "", 0},
      {"4.9e-324/2", "", 0},
      {"(0/0) + (1/0)", "EInvalidOp", 0},
      {"(1/0) + (0/0)", "EZeroDivide", 0},
      {"(1e300*1e300) + (1/0)", "EOverflow", 0},
      {"1/0 < 0/0", "EZeroDivide", 0},
      {"sub(1/0; 0/0)", "EZeroDivide", 0},
      {"sub(0/0; 1/0)", "EInvalidOp", 0},
      {"root(-1)", "EInvalidOp", 0},
      {"boost(1e10)", "EOverflow", 0},
      {"twice(1e308)", "EOverflow", 0},
      {"boost(1e-300)", "", 1},
      {"root(4)", "", 2},
      {"-0", "", -0.0},
      {"0*-1", "", -0.0},
  };
  for (const FaultRow &row : rows) {
    Calc calc;
    expectOutcome(calc.Run(row.formula), row, row.formula);
  }
}

struct VariableFaultRow {
  const char *formula;
  Float x;
  FaultRow expected;
};

// Infinities and NaNs that arrive through a variable are operands, not
// faults; only an operation that creates one from ordinary numbers fails.
TEST(VirtMachFaults, SpecialValuesFlowingInThroughVariables) {
  const VariableFaultRow rows[] = {
      {"x+1", inf, {"", "", inf}},
      {"-x", inf, {"", "", -inf}},
      {"x*2", inf, {"", "", inf}},
      {"1/x", inf, {"", "", 0}},
      {"x/0", inf, {"", "", inf}},
      {"x/2", inf, {"", "", inf}},
      {"x>1", inf, {"", "", 1}},
      {"x=x", inf, {"", "", 1}},
      {"twice(x)", inf, {"", "", inf}},
      {"x-x", inf, {"", "EInvalidOp", 0}},
      {"x*0", inf, {"", "EInvalidOp", 0}},
      {"x/x", inf, {"", "EInvalidOp", 0}},
      {"x+1", nan, {"", "", nan}},
      {"x*0", nan, {"", "", nan}},
      {"0/x", nan, {"", "", nan}},
      {"x/0", nan, {"", "", nan}},
      {"-x", nan, {"", "", nan}},
      {"twice(x)", nan, {"", "", nan}},
      {"x=1", nan, {"", "EInvalidOp", 0}},
      {"x<x", nan, {"", "EInvalidOp", 0}},
      {"1/x", -0.0, {"", "EZeroDivide", 0}},
      {"x*x", -0.0, {"", "", 0}},
      {"x+x", dmax, {"", "EOverflow", 0}},
      {"x-x", dmax, {"", "", 0}},
      {"x*2/2", dmax, {"", "EOverflow", 0}},
      {"x/2", dmin, {"", "", 0}},
      {"x*x", dmin, {"", "", 0}},
      {"1/x", dmin, {"", "EOverflow", 0}},
      {"x", nan, {"", "", nan}},
      {"x", inf, {"", "", inf}},
  };
  for (const VariableFaultRow &row : rows) {
    Calc calc;
    calc.bind("x", row.x);
    expectOutcome(calc.Run(row.formula), row.expected,
                  std::string(row.formula) + " x=" + std::to_string(row.x));
  }
}

int bumps = 0;
Float bump(Float x) {
  ++bumps;
  return x;
}

TEST(VirtMachFaults, OpsAfterTheFaultDoNotRunAndTheMachineStaysUsable) {
  TExprHashContext context(false, 7);
  context.Add(std::make_unique<TExprUnaryFuncSym>("bump", &bump));
  Calc calc;
  calc.Evaluator.ExternalContexts.Add(context);
  Float &x = calc.bind("x", 0);
  calc.Evaluator.Compile("1/x + bump(1)");
  bumps = 0;
  const Float values[] = {0, 2, 0, 4, -0.0, 0.5};
  const char *expected[] = {"Floating point division by zero", "1.5",
                            "Floating point division by zero", "1.25",
                            "Floating point division by zero", "3"};
  int expectedBumps = 0;
  for (std::size_t i = 0; i < std::size(values); ++i) {
    x = values[i];
    const Outcome outcome = capture([&] { return calc.Evaluator.Evaluate(); });
    const std::string got = outcome.ok ? std::to_string(outcome.value) : outcome.message;
    if (outcome.ok) {
      ++expectedBumps;
      EXPECT_EQ(outcome.value, std::stod(expected[i])) << i;
    } else {
      EXPECT_EQ(outcome.message, expected[i]) << i;
    }
    EXPECT_EQ(bumps, expectedBumps) << i;
  }
}

Float refuseNegative(Float x) {
  if (x < 0)
    throw ECalcError("Domain check failure in test function");
  return x;
}

TEST(VirtMachFaults, ErrorsOfCalledFunctionsPropagateUnchanged) {
  TExprHashContext context(false, 7);
  context.Add(std::make_unique<TExprUnaryFuncSym>("checked", &refuseNegative));
  Calc calc;
  calc.Evaluator.ExternalContexts.Add(context);
  Float &x = calc.bind("x", -1);
  const Outcome failed = calc.Run("1 + checked(x)");
  EXPECT_EQ(failed.errorClass, "ECalcError");
  EXPECT_EQ(failed.message, "Domain check failure in test function");
  x = 4;
  EXPECT_EQ(calc.Evaluator.Evaluate(), 5);
}

// --- flavours ---------------------------------------------------------------

template <class T> T ident(T x) {
  return x;
}
template <class T> T one(T) {
  return 1;
}
template <class T> T seven() {
  return 7;
}
template <class T> T digits2(T x, T y) {
  return x * 10 + y;
}
template <class T> T digits3(T x, T y, T z) {
  return x * 100 + y * 10 + z;
}
long double huge80() {
  return 1e400L;
}
long double tiny80() {
  return 1e-400L;
}
long double infinite80() {
  return std::numeric_limits<long double>::infinity();
}

// Builds one formula through the factory, generates it and runs it.
Outcome build(const std::function<void(TExprVirtMachNodeFactory &)> &make,
              std::string *listing = nullptr) {
  TExprVirtMachNodeFactory factory;
  make(factory);
  TExprVirtMach machine;
  factory.Generate(machine);
  if (listing)
    *listing = machine.Listing();
  return capture([&] { return machine.Execute(); });
}

TEST(VirtMachFlavours, CallOpsPassArgumentsInOrderForEveryFlavour) {
  using F = TExprVirtMachNodeFactory;
  Float x = 1, y = 2, z = 3;
  struct Row {
    const char *mnemonic;
    std::function<void(F &, TExprNode *, TExprNode *, TExprNode *)> make;
    Float value;
    const char *operands; // as the listing names them
  };
  const Row rows[] = {
      {"CallFloat", [](F &f, auto, auto, auto) { f.CallFloat(&seven<Float>); }, 7, ""},
      {"CallFloat32", [](F &f, auto, auto, auto) { f.CallFloat32(&seven<Float32>); }, 7,
       ""},
      {"CallFloat64", [](F &f, auto, auto, auto) { f.CallFloat64(&seven<Float64>); }, 7,
       ""},
      {"CallFloat80", [](F &f, auto, auto, auto) { f.CallFloat80(&seven<Float80>); }, 7,
       ""},
      {"CallUnary", [](F &f, auto a, auto, auto) { f.CallUnary(&ident<Float>, a); }, 1,
       " r0"},
      {"CallUnary32", [](F &f, auto a, auto, auto) { f.CallUnary32(&ident<Float32>, a); },
       1, " r0"},
      {"CallUnary64", [](F &f, auto a, auto, auto) { f.CallUnary64(&ident<Float64>, a); },
       1, " r0"},
      {"CallUnary80", [](F &f, auto a, auto, auto) { f.CallUnary80(&ident<Float80>, a); },
       1, " r0"},
      {"CallBinary",
       [](F &f, auto a, auto b, auto) { f.CallBinary(&digits2<Float>, a, b); }, 12,
       " r0, r1"},
      {"CallBinary32",
       [](F &f, auto a, auto b, auto) { f.CallBinary32(&digits2<Float32>, a, b); }, 12,
       " r0, r1"},
      {"CallBinary64",
       [](F &f, auto a, auto b, auto) { f.CallBinary64(&digits2<Float64>, a, b); }, 12,
       " r0, r1"},
      {"CallBinary80",
       [](F &f, auto a, auto b, auto) { f.CallBinary80(&digits2<Float80>, a, b); }, 12,
       " r0, r1"},
      {"CallTernary",
       [](F &f, auto a, auto b, auto c) { f.CallTernary(&digits3<Float>, a, b, c); }, 123,
       " r0, r1, r2"},
      {"CallTernary32",
       [](F &f, auto a, auto b, auto c) { f.CallTernary32(&digits3<Float32>, a, b, c); },
       123, " r0, r1, r2"},
      {"CallTernary64",
       [](F &f, auto a, auto b, auto c) { f.CallTernary64(&digits3<Float64>, a, b, c); },
       123, " r0, r1, r2"},
      {"CallTernary80",
       [](F &f, auto a, auto b, auto c) { f.CallTernary80(&digits3<Float80>, a, b, c); },
       123, " r0, r1, r2"},
  };
  for (const Row &row : rows) {
    std::string listing;
    // One statement per read, so the ops come in the order x, y, z.
    const Outcome outcome = build(
        [&](F &f) {
          TExprNode *a = f.Var64(&x);
          TExprNode *b = f.Var64(&y);
          TExprNode *c = f.Var64(&z);
          row.make(f, a, b, c);
        },
        &listing);
    ASSERT_TRUE(outcome.ok) << row.mnemonic << ": " << outcome.message;
    EXPECT_EQ(outcome.value, row.value) << row.mnemonic;
    // The call is the last op, after the three variable reads, and its line
    // names every operand it reads.
    const std::string expected = "Var64 r0 <- v0\nVar64 r1 <- v1\nVar64 r2 <- v2\n" +
                                 std::string(row.mnemonic) + " r3 <-" + row.operands +
                                 "\n";
    EXPECT_EQ(listing, expected);
  }
}

TEST(VirtMachFlavours, VariablesConstantsAndCallsConvertAtTheBoundary) {
  using F = TExprVirtMachNodeFactory;
  const Float32 f32 = 0.1f;
  const Float80 tenth80 = 0.1L;
  const Float80 huge = 1e400L;
  const Float80 tiny = 1e-400L;
  const Float80 infinity80 = std::numeric_limits<Float80>::infinity();
  const Float80 nan80 = std::numeric_limits<Float80>::quiet_NaN();
  const Float80 justAboveMax =
      static_cast<Float80>(dmax) * (1 + 0x1p-60L); // rounds to max
  const Float tenth = 0.1;
  const Float big = 1e300;
  const Float infinity = inf;
  struct Row {
    const char *what;
    std::function<void(F &)> make;
    FaultRow expected;
  };
  const Row rows[] = {
      {"Var32 widens exactly",
       [&](F &f) { f.Var32(&f32); },
       {"", "", static_cast<Float>(f32)}},
      {"Var80 rounds to nearest", [&](F &f) { f.Var80(&tenth80); }, {"", "", 0.1}},
      {"Var80 beyond range", [&](F &f) { f.Var80(&huge); }, {"", "EOverflow", 0}},
      {"Var80 below range", [&](F &f) { f.Var80(&tiny); }, {"", "", 0}},
      {"Var80 rounding down to max",
       [&](F &f) { f.Var80(&justAboveMax); },
       {"", "", dmax}},
      {"Var80 infinity", [&](F &f) { f.Var80(&infinity80); }, {"", "", inf}},
      {"Var80 NaN", [&](F &f) { f.Var80(&nan80); }, {"", "", nan}},
      {"Const32 widens",
       [](F &f) { f.Const32(0.1f); },
       {"", "", static_cast<Float>(0.1f)}},
      {"Const80 rounds", [](F &f) { f.Const80(0.1L); }, {"", "", 0.1}},
      {"ConstFloat is Const64", [](F &f) { f.ConstFloat(2.5); }, {"", "", 2.5}},
      {"Call32 narrows its argument",
       [&](F &f) { f.CallUnary32(&ident<Float32>, f.Var64(&tenth)); },
       {"", "", static_cast<Float>(0.1f)}},
      {"Call80 widens exactly",
       [&](F &f) { f.CallUnary80(&ident<Float80>, f.Var64(&tenth)); },
       {"", "", 0.1}},
      {"Call32 argument beyond single range",
       [&](F &f) { f.CallUnary32(&one<Float32>, f.Var64(&big)); },
       {"", "EOverflow", 0}},
      {"Call32 result from an overflowing argument",
       [&](F &f) { f.CallUnary32(&ident<Float32>, f.Var64(&big)); },
       {"", "EOverflow", 0}},
      {"Call80 result beyond range",
       [](F &f) { f.CallFloat80(&huge80); },
       {"", "EOverflow", 0}},
      {"Call80 result below range", [](F &f) { f.CallFloat80(&tiny80); }, {"", "", 0}},
      {"Call80 infinite result",
       [](F &f) { f.CallFloat80(&infinite80); },
       {"", "EOverflow", 0}},
      // An infinity that comes in through any argument goes on as a value.
      {"Call infinite last of three arguments",
       [&](F &f) {
         f.CallTernary(&digits3<Float>, f.Var64(&tenth), f.Var64(&tenth),
                       f.Var64(&infinity));
       },
       {"", "", inf}},
  };
  for (const Row &row : rows)
    expectOutcome(build(row.make), row.expected, row.what);
}

TEST(VirtMachFlavours, Const80BeyondTheDoubleRangeOverflows) {
  TExprVirtMachNodeFactory factory;
  const Outcome outcome = capture([&] {
    factory.Const80(1e400L);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EOverflow");
}

TExprUnaryVmOp &makeNegate(TExprVirtMach &machine) {
  return machine.AddCode<TExprNegateVmOp>();
}
TExprBinaryVmOp &makeAdd(TExprVirtMach &machine) {
  return machine.AddCode<TExprAddVmOp>();
}

TEST(VirtMachNodes, WrongOperandCountsAreProgrammingErrors) {
  TExprVirtMachNodeFactory factory;
  TExprNode *a = factory.Const64(1);
  TExprNode *b = factory.Const64(2);
  const Outcome unary = capture([&] {
    TExprUnaryVmNode node(&makeNegate, {a, b});
    return 0.0;
  });
  EXPECT_EQ(unary.errorClass, "EAssertionFailed");
  EXPECT_EQ(unary.message.rfind("Unary node needs exactly one operand (", 0), 0u)
      << unary.message;
  const Outcome binary = capture([&] {
    TExprBinaryVmNode node(&makeAdd, {a});
    return 0.0;
  });
  EXPECT_EQ(binary.errorClass, "EAssertionFailed");
  EXPECT_NE(binary.message.find(", line "), std::string::npos) << binary.message;
}

TEST(VirtMachNodes, FactoryRecordsNodesInCreationOrderWithTheirOperands) {
  TExprVirtMachNodeFactory factory;
  TExprNode *two = factory.Const64(2);
  TExprNode *three = factory.Const64(3);
  TExprNode *sum = factory.Add(two, three);
  TExprNode *neg = factory.Negate(sum);
  ASSERT_EQ(factory.Nodes().size(), 4u);
  EXPECT_EQ(factory.Nodes()[2], sum);
  EXPECT_EQ(factory.Nodes()[3], neg);
  ASSERT_EQ(sum->OperandCount(), 2u);
  EXPECT_EQ(sum->Operand(0), two);
  EXPECT_EQ(sum->Operand(1), three);
  ASSERT_EQ(neg->OperandCount(), 1u);
  EXPECT_EQ(neg->Operand(0), sum);
}

} // namespace
} // namespace quorvex
