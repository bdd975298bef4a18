#include "quorvex/quorvex.h"
#include "quorvex/quorvex.hpp"

#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/messagetext.h"
#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

// Bit for bit: NaN's bits and the sign of zero included.
bool sameBits(const std::vector<double> &a, const std::vector<double> &b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](double x, double y) {
    return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
  });
}

// What the engine itself gives for a formula: the value, or the message as
// the error report shows it and the span.
struct Outcome {
  std::optional<double> value;
  std::string message;
  std::optional<quorvex::Span> span;
};

Outcome engineOutcome(const std::string &formula, const std::vector<std::string> &names,
                      std::vector<double> values, char separator) {
  using namespace quorvex;
  const char processSeparator = decimalSeparator();
  setDecimalSeparator(separator);
  Outcome outcome;
  try {
    TCompiledEvaluator evaluator;
    evaluator.ExternalContexts.Add(StandardContext());
    for (std::size_t i = 0; i < names.size(); ++i)
      evaluator.AddVariable(names[i], &values[i]);
    evaluator.Compile(formula);
    outcome.value = evaluator.Evaluate();
  } catch (const Exception &e) {
    outcome.message = withFullStop(e.what());
    if (e.span())
      outcome.span = quorvex::Span{e.span()->offset, e.span()->length};
  }
  setDecimalSeparator(processSeparator);
  return outcome;
}

struct Row {
  const char *formula;
  std::vector<std::string> names;
  std::vector<double> values;
  char separator;
  std::optional<quorvex::ErrorKind> kind; // none: a value
};

using K = quorvex::ErrorKind;

const Row rows[] = {
    {"p*power((1+k/m);(m*n))", {"p", "k", "m", "n"}, {1000, 0.05, 12, 10}, '.', {}},
    {"2,5*X+pi", {"x"}, {2}, ',', {}},
    {"power(2,5;2)", {}, {}, ',', {}},
    {"2.5*x", {"x"}, {2}, ',', K::Number},
    {"1,5", {}, {}, '.', {}},
    {"2^3", {}, {}, '.', {}},
    {"2*(3+x", {"x"}, {1}, '.', K::Parse},
    {"nosuch(2)", {}, {}, '.', K::Parse},
    {"x*y", {"x", "X"}, {1, 2}, '.', K::DuplicateVariable},
    {"1+1/(x-x)", {"x"}, {3}, '.', K::ZeroDivide},
    {"0/0", {}, {}, '.', K::InvalidOperation},
    {"x*1e300*1e300", {"x"}, {1}, '.', K::Overflow},
    {"1e999", {}, {}, '.', K::Overflow},
    {"2+sqrt(x)", {"x"}, {-4}, '.', K::InvalidOperation},
    {"power(x;0,5)", {"x"}, {-8}, ',', K::Domain},
    {"", {}, {}, '.', K::Parse},
};

std::vector<quorvex::Variable> slotVariables(const Row &row) {
  return {row.names.begin(), row.names.end()};
}

// The interface gives, for each formula, exactly what the engine gives: the
// value's bits or the message and span, with the kind the class of the
// engine's error makes it; the throwing, non-throwing, columns and C calls
// all agree.
TEST(Formula, AgreesWithTheEngine) {
  for (const Row &row : rows) {
    SCOPED_TRACE(row.formula);
    const Outcome expected =
        engineOutcome(row.formula, row.names, row.values, row.separator);
    ASSERT_EQ(expected.value.has_value(), !row.kind.has_value());
    const quorvex::CompileOptions options{row.separator, false};
    const std::vector<quorvex::Variable> variables = slotVariables(row);

    quorvex::Error error;
    std::optional<quorvex::Formula> formula =
        quorvex::Formula::tryCompile(row.formula, variables, options, &error);
    std::optional<double> value;
    if (formula) {
      for (std::size_t i = 0; i < row.values.size(); ++i)
        formula->set(i, row.values[i]);
      value = formula->tryEvaluate(&error);
      // The same row as the one row of an evaluation over columns.
      std::vector<const double *> columns;
      for (const double &v : row.values)
        columns.push_back(&v);
      double result = 0;
      std::vector<quorvex::RowError> failures;
      const std::size_t failed = formula->evaluate(columns, 1, &result, &failures);
      ASSERT_EQ(failed, value ? 0u : 1u);
      if (value) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(result),
                  std::bit_cast<std::uint64_t>(*value));
      } else {
        EXPECT_TRUE(std::isnan(result));
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].error.message(), error.message());
        EXPECT_EQ(failures[0].error.kind(), error.kind());
      }
    }
    if (expected.value) {
      ASSERT_TRUE(value);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*value),
                std::bit_cast<std::uint64_t>(*expected.value));
    } else {
      EXPECT_FALSE(value);
      EXPECT_EQ(error.kind(), *row.kind);
      EXPECT_EQ(error.message(), expected.message);
      EXPECT_STREQ(error.what(), expected.message.c_str());
      EXPECT_EQ(error.span().has_value(), expected.span.has_value());
      if (error.span() && expected.span) {
        EXPECT_EQ(error.span()->offset, expected.span->offset);
        EXPECT_EQ(error.span()->length, expected.span->length);
      }
    }

    // The C interface, its variables bound by address.
    std::vector<double> values = row.values;
    std::vector<const char *> names;
    std::vector<double *> addresses;
    for (std::size_t i = 0; i < row.names.size(); ++i) {
      names.push_back(row.names[i].c_str());
      addresses.push_back(&values[i]);
    }
    const quorvex_options cOptions{row.separator, 0};
    quorvex_formula *handle = nullptr;
    char message[12];
    quorvex_error cError{message, sizeof message, 0, 0, 0};
    quorvex_status status = quorvex_compile(row.formula, names.data(), addresses.data(),
                                            names.size(), &cOptions, &handle, &cError);
    double cValue = 0;
    if (status == QUORVEX_OK)
      status = quorvex_evaluate(handle, &cValue, &cError);
    quorvex_free(handle);
    if (expected.value) {
      ASSERT_EQ(status, QUORVEX_OK);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(cValue),
                std::bit_cast<std::uint64_t>(*expected.value));
    } else {
      EXPECT_EQ(status, static_cast<int>(*row.kind) + 1);
      // Cut to the buffer, ended by a zero byte.
      EXPECT_EQ(std::string(message), expected.message.substr(0, sizeof message - 1));
      EXPECT_EQ(cError.has_span != 0, expected.span.has_value());
      if (expected.span) {
        EXPECT_EQ(cError.span_offset, expected.span->offset);
        EXPECT_EQ(cError.span_length, expected.span->length);
      }
    }
  }
}

// Each formula reads numbers with its own separator, whatever the process
// uses, and leaves the process's alone.
TEST(Formula, SeparatorIsTheFormulasOwn) {
  quorvex::setDecimalSeparator(',');
  const quorvex::Formula dot("1.5+x", {"x"});
  const quorvex::Formula comma("1,5+x", {"x"}, {',', false});
  EXPECT_EQ(quorvex::decimalSeparator(), ',');
  quorvex::setDecimalSeparator('.');
  EXPECT_EQ(quorvex::Formula("1.5").evaluate(), 1.5);
  EXPECT_EQ(quorvex::Formula("1,5", {}, {',', false}).evaluate(), 1.5);
  EXPECT_THROW(quorvex::Formula("1", {}, {';', false}), quorvex::Error);
}

// Text after a complete formula fails when asked to, spanning that text.
TEST(Formula, RejectsTrailingTextOnRequest) {
  EXPECT_EQ(quorvex::Formula("2^3").ignoredTextOffset(), 1u);
  struct Case {
    const char *formula, *message;
    std::size_t offset, length;
  };
  for (const Case &c : {Case{"2 ^3", "Unexpected text after the formula: '^3'", 2, 2},
                        Case{"2x", "Unexpected text after the formula: 'x'", 1, 1}}) {
    SCOPED_TRACE(c.formula);
    try {
      const quorvex::Formula formula(c.formula, {}, {'.', true});
      ADD_FAILURE() << "compiled: " << formula.text();
    } catch (const quorvex::Error &e) {
      EXPECT_EQ(e.kind(), K::TrailingText);
      EXPECT_EQ(e.message(), c.message);
      ASSERT_TRUE(e.span());
      EXPECT_EQ(e.span()->offset, c.offset);
      EXPECT_EQ(e.span()->length, c.length);
    }
  }
}

// Over many rows, with a variable read from its address and a column per
// other variable: each row's value is evaluate()'s for that row, faulting
// rows are NaN and listed in order, and the columns' variables keep the last
// row's values. Other columns on the same formula (the program made again),
// and the C call on the same columns, give the same.
TEST(Formula, ColumnsAgreeWithEvaluate) {
  double scale = 3;
  const char *text = "scale*x/(y-1)+ln(y)";
  quorvex::Formula formula(text, {{"scale", &scale}, {"x"}, {"y"}});
  quorvex::Formula single(text, {{"scale", &scale}, {"x"}, {"y"}});
  std::vector<double> xs, ys;
  for (int r = 0; r < 1000; ++r) {
    xs.push_back(r * 0.25 - 7);
    ys.push_back(r % 17 == 0 ? 1 : (r % 23 == 0 ? -2 : 1 + r * 0.01));
  }
  std::vector<double> results(xs.size());
  const auto expectRowsOfEvaluate = [&](const double *const(&columns)[3]) {
    std::vector<quorvex::RowError> failures;
    for (std::size_t v = 1; v < 3; ++v)
      single.set(v, formula.value(v));
    const std::size_t failed =
        formula.evaluate(columns, xs.size(), results.data(), &failures);
    EXPECT_EQ(failed, failures.size());
    std::size_t nextFailure = 0;
    for (std::size_t r = 0; r < xs.size(); ++r) {
      for (std::size_t v = 1; v < 3; ++v)
        if (columns[v] != nullptr)
          single.set(v, columns[v][r]);
      quorvex::Error error;
      const std::optional<double> value = single.tryEvaluate(&error);
      if (value) {
        EXPECT_EQ(results[r], *value) << r;
      } else {
        EXPECT_TRUE(std::isnan(results[r])) << r;
        if (nextFailure == failures.size()) {
          ADD_FAILURE() << "row " << r << " faulted but is not listed";
          break;
        }
        EXPECT_EQ(failures[nextFailure].row, r);
        EXPECT_EQ(failures[nextFailure].error.message(), error.message());
        EXPECT_EQ(failures[nextFailure].error.span()->offset, error.span()->offset);
        ++nextFailure;
      }
    }
    EXPECT_EQ(nextFailure, failures.size());
    EXPECT_GT(failures.size(), 0u);
    for (std::size_t v = 1; v < 3; ++v)
      EXPECT_EQ(formula.value(v), single.value(v));
    return failed;
  };
  EXPECT_EQ(formula.variableName(2), "y");
  const double *const both[] = {nullptr, xs.data(), ys.data()};
  const std::size_t failed = expectRowsOfEvaluate(both);
  formula.set(1, 2);
  expectRowsOfEvaluate({nullptr, nullptr, ys.data()});

  const char *const names[] = {"scale", "x", "y"};
  double *const addresses[] = {&scale, nullptr, nullptr};
  quorvex_formula *c = nullptr;
  ASSERT_EQ(quorvex_compile(text, names, addresses, 3, nullptr, &c, nullptr), QUORVEX_OK);
  std::vector<double> cResults(xs.size());
  std::size_t cFailed = 0;
  EXPECT_EQ(
      quorvex_evaluate_columns(c, both, 3, xs.size(), cResults.data(), &cFailed, nullptr),
      QUORVEX_OK);
  quorvex_free(c);
  EXPECT_EQ(cFailed, failed);
  formula.evaluate(both, xs.size(), results.data());
  EXPECT_TRUE(sameBits(cResults, results));

  // Usage errors: a column too few, a slot out of range, two columns
  // writing one address.
  EXPECT_THROW(
      formula.evaluate(std::span<const double *const>(both, 2), 1, results.data()),
      quorvex::Error);
  EXPECT_THROW(formula.set(3, 0), quorvex::Error);
  quorvex::Formula twice("a+b", {{"a", &scale}, {"b", &scale}});
  try {
    twice.evaluate(std::span<const double *const>(both + 1, 2), 1, results.data());
    FAIL();
  } catch (const quorvex::Error &e) {
    EXPECT_EQ(e.kind(), K::Usage);
  }
}

// The lists are the calculator's catalogue, through both interfaces.
TEST(Formula, ListsTheCatalogue) {
  const std::vector<quorvex::CatalogueEntry> functions = quorvex::functions();
  const std::vector<quorvex::CatalogueEntry> constants = quorvex::constants();
  ASSERT_EQ(functions.size(), quorvex::catalogueFunctions().size());
  ASSERT_EQ(constants.size(), quorvex::catalogueConstants().size());
  ASSERT_EQ(quorvex_function_count(), functions.size());
  ASSERT_EQ(quorvex_constant_count(), constants.size());
  for (std::size_t i = 0; i < functions.size(); ++i) {
    const char *name = nullptr, *arguments = nullptr, *description = nullptr;
    ASSERT_EQ(quorvex_function_info(i, &name, &arguments, &description), QUORVEX_OK);
    EXPECT_EQ(name, functions[i].name);
    EXPECT_EQ(arguments, functions[i].arguments);
    EXPECT_EQ(description, quorvex::catalogueFunctions()[i].description);
  }
  for (std::size_t i = 0; i < constants.size(); ++i) {
    const char *name = nullptr, *description = nullptr;
    double value = 0;
    ASSERT_EQ(quorvex_constant_info(i, &name, &value, &description), QUORVEX_OK);
    EXPECT_EQ(name, constants[i].name);
    EXPECT_EQ(description, quorvex::catalogueConstants()[i].meaning);
    // A constant's value is what a formula naming it computes.
    EXPECT_EQ(value, quorvex::Formula(constants[i].name).evaluate()) << name;
  }
  EXPECT_EQ(quorvex_function_info(functions.size(), nullptr, nullptr, nullptr),
            QUORVEX_ERROR_USAGE);
  EXPECT_EQ(quorvex_constant_info(constants.size(), nullptr, nullptr, nullptr),
            QUORVEX_ERROR_USAGE);
}

// The library writes numbers as the calculator does, in C as in C++.
TEST(Formula, FormatsNumbersAsTheCalculator) {
  const struct {
    double value;
    const char *format;
    char separator;
    const char *text;
  } cases[] = {
      {1.0 / 3, nullptr, '.', "0.333333333333333"},
      {-4.7e-5, "eng:2", ',', "-47E-6"},
      {2.5, "fixed:0", '.', "2"},
      {0.1, "exact", ',', "0,1000000000000000055511151231257827021181583404541015625"},
      {-0.0, "hex", ',', "-0x0p+0"},
  };
  char text[QUORVEX_NUMBER_TEXT_SIZE];
  std::size_t length = 0;
  for (const auto &c : cases) {
    EXPECT_EQ(
        quorvex::formatNumber(c.value, c.format ? c.format : "general:15", c.separator),
        c.text);
    ASSERT_EQ(quorvex_format_number(c.value, c.format, c.separator, text, sizeof text,
                                    &length, nullptr),
              QUORVEX_OK);
    EXPECT_STREQ(text, c.text);
    EXPECT_EQ(length, std::strlen(c.text));
  }
  // The longest text of any double fits; one byte less cuts nothing off.
  const double longest = -std::nextafter(std::numeric_limits<double>::min(), 0.0);
  EXPECT_EQ(
      quorvex_format_number(longest, "exact", '.', text, sizeof text, &length, nullptr),
      QUORVEX_OK);
  EXPECT_EQ(quorvex_format_number(longest, "exact", '.', text, length, &length, nullptr),
            QUORVEX_ERROR_USAGE);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(quorvex_format_number(1, "sci:0", '.', text, sizeof text, nullptr, nullptr),
            QUORVEX_ERROR_USAGE);
  EXPECT_THROW(quorvex::formatNumber(1, "sci:3", '#'), quorvex::Error);
}

// A C call given a null pointer it needs reports a usage error naming it,
// rather than following the pointer.
TEST(Formula, CCallsRefuseNullPointers) {
  const char *const names[] = {"x"};
  quorvex_formula *formula = nullptr;
  ASSERT_EQ(quorvex_compile("x", names, nullptr, 1, nullptr, &formula, nullptr),
            QUORVEX_OK);
  quorvex_formula *made = formula;
  double value = 0;
  const double *const column[] = {&value};
  const struct {
    std::function<quorvex_status(quorvex_error *)> call;
    const char *message;
  } cases[] = {
      {[&](quorvex_error *e) {
         return quorvex_compile("x", names, nullptr, 1, nullptr, nullptr, e);
       },
       "formula is null."},
      {[&](quorvex_error *e) {
         return quorvex_compile(nullptr, names, nullptr, 1, nullptr, &made, e);
       },
       "text is null."},
      {[&](quorvex_error *e) {
         return quorvex_compile("x", nullptr, nullptr, 1, nullptr, &made, e);
       },
       "names is null."},
      {[&](quorvex_error *e) { return quorvex_evaluate(nullptr, &value, e); },
       "formula is null."},
      {[&](quorvex_error *e) { return quorvex_evaluate(formula, nullptr, e); },
       "result is null."},
      {[&](quorvex_error *e) { return quorvex_set(nullptr, 0, 1, e); },
       "formula is null."},
      {[&](quorvex_error *e) {
         return quorvex_evaluate_columns(formula, nullptr, 1, 1, &value, nullptr, e);
       },
       "columns is null."},
      {[&](quorvex_error *e) {
         return quorvex_evaluate_columns(formula, column, 1, 1, nullptr, nullptr, e);
       },
       "results is null."},
      {[&](quorvex_error *e) {
         return quorvex_format_number(1, nullptr, '.', nullptr, 8, nullptr, e);
       },
       "text is null."},
  };
  for (const auto &c : cases) {
    char message[64] = "";
    quorvex_error error{message, sizeof message, 0, 0, 0};
    EXPECT_EQ(c.call(&error), QUORVEX_ERROR_USAGE) << c.message;
    EXPECT_STREQ(message, c.message);
    EXPECT_EQ(c.call(nullptr), QUORVEX_ERROR_USAGE) << c.message;
  }
  EXPECT_EQ(made, nullptr); // a failed compile leaves no handle behind
  quorvex_free(formula);
}

// Rows split over threads give one thread's results bit for bit, its
// failures in order with their messages and spans, and its variables
// afterwards, from C too; a variable bound by address reaches every
// thread's copy of the formula as it is at each call.
TEST(Formula, ThreadsGiveWhatOneThreadGives) {
  double offset = 0.5;
  const char *text = "ln(x - offset)/(y - 3) + power(x; y)";
  const std::vector<quorvex::Variable> variables{{"offset", &offset}, {"x"}, {"y"}};
  std::vector<double> xs, ys;
  for (int r = 0; r < 100003; ++r) {
    xs.push_back(r % 4099 == 0 ? -1 : 1 + (r % 1000) * 0.001);
    ys.push_back(r % 7919 == 0 ? 3 : 0.5 + (r % 37) * 0.1);
  }
  const double *const columns[] = {nullptr, xs.data(), ys.data()};
  quorvex::Formula threaded(text, variables);
  for (const double shift : {0.5, -0.25}) {
    offset = shift;
    quorvex::Formula single(text, variables);
    std::vector<double> one(xs.size()), many(xs.size());
    std::vector<quorvex::RowError> oneFailures;
    single.evaluate(columns, xs.size(), one.data(), &oneFailures);
    ASSERT_GT(oneFailures.size(), 20u);
    for (const std::size_t threads : {2, 3, 8, 0}) {
      SCOPED_TRACE(threads);
      std::vector<quorvex::RowError> failures;
      EXPECT_EQ(threaded.evaluate(columns, xs.size(), many.data(), &failures, threads),
                oneFailures.size());
      EXPECT_TRUE(sameBits(one, many));
      ASSERT_EQ(failures.size(), oneFailures.size());
      for (std::size_t i = 0; i < failures.size(); ++i) {
        EXPECT_EQ(failures[i].row, oneFailures[i].row);
        EXPECT_EQ(failures[i].error.message(), oneFailures[i].error.message());
        EXPECT_EQ(failures[i].error.span()->offset, oneFailures[i].error.span()->offset);
      }
      EXPECT_EQ(threaded.value(1), xs.back());
      EXPECT_EQ(threaded.value(2), ys.back());
    }
    quorvex_formula *c = nullptr;
    const char *const names[] = {"offset", "x", "y"};
    double *const addresses[] = {&offset, nullptr, nullptr};
    ASSERT_EQ(quorvex_compile(text, names, addresses, 3, nullptr, &c, nullptr),
              QUORVEX_OK);
    std::size_t failed = 0;
    EXPECT_EQ(quorvex_evaluate_columns_threads(c, columns, 3, xs.size(), many.data(),
                                               &failed, 4, nullptr),
              QUORVEX_OK);
    quorvex_free(c);
    EXPECT_EQ(failed, oneFailures.size());
    EXPECT_TRUE(sameBits(one, many));
  }
}

// A forked child has none of its parent's threads: a columns call on
// threads there starts its own and gives the parent's bits.
TEST(Formula, ThreadsWorkInAForkedChild) {
  quorvex::Formula formula("sin(x)*x", {"x"});
  std::vector<double> xs(60000), parent(xs.size()), child(xs.size());
  for (std::size_t r = 0; r < xs.size(); ++r)
    xs[r] = static_cast<double>(r) * 0.001;
  const double *const columns[] = {xs.data()};
  formula.evaluate(columns, xs.size(), parent.data(), nullptr, 3);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::alarm(30); // a lost thread would leave the call waiting for ever
    formula.evaluate(columns, xs.size(), child.data(), nullptr, 3);
    ::_exit(sameBits(parent, child) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
