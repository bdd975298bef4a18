// quorvex-eval driven as a process: arguments in, exit status and both
// streams out.

#include "processrunner.h"

#include "quorvexversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using namespace std::string_literals;

// The C locale by default, so the default decimal separator is ".".
ProcessResult eval(const Args &args, const std::string &input = "",
                   const std::string &locale = "C") {
  return runProcess(QUORVEX_EVAL_PATH, args, input, environmentWithLocale(locale));
}

std::vector<std::string> splitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(EvalProcess, SingleFormulas) {
  const struct {
    const char *what;
    Args args;
    int status;
    const char *out;
    const char *err;
  } cases[] = {
      {"compound interest",
       {"-v", "p=1000", "-v", "k=0.05", "--var", "m=12", "-v", "n=10",
        "p*power((1+k/m);(m*n))"},
       0,
       "1647.00949769028\n",
       ""},
      {"no variables bound without -v",
       {"x"},
       1,
       "",
       "error: Parse error: Unknown symbol: 'x'\n"},
      {"error report adds its full stop",
       {"1/0"},
       1,
       "",
       "error: Floating point division by zero.\n"},
      {"empty VALUE is 2 as in the grid", {"-v", "x=", "x*10"}, 0, "20\n", ""},
      {"value text with blanks", {"-v", "x= 3 ", "x"}, 0, "3\n", ""},
      {"name before the first =",
       {"-v", "a=b=1", "a"},
       1,
       "",
       "error: 'b=1' is not a valid floating point value.\n"},
      {"1E400 overflows",
       {"-v", "x=1E400", "x"},
       1,
       "",
       "error: Floating point overflow.\n"},
      {"1E-400 is zero", {"-v", "x=1E-400", "x"}, 0, "0\n", ""},
      {"formula with a leading minus", {"-5+1"}, 0, "-4\n", ""},
      {"-- before an option-like formula", {"-v", "x=3", "--", "-x"}, 0, "-3\n", ""},
      {"options after the formula", {"x*2", "-v", "x=4"}, 0, "8\n", ""},
      {"attached forms",
       {"--var=x=1.5", "-vy=2", "--decimal-separator=.", "x*y"},
       0,
       "3\n",
       ""},
      {"comma separator",
       {"--decimal-separator", ",", "-v", "x=2,5", "x/2"},
       0,
       "1,25\n",
       ""},
      {"point refused under comma",
       {"--decimal-separator", ",", "-v", "x=2.5", "x"},
       1,
       "",
       "error: '2.5' is not a valid floating point value.\n"},
      {"round trip", {"--round-trip", "0.1+0.2"}, 0, "0.30000000000000004\n", ""},
      {"round trip writes a point under comma",
       {"--round-trip", "--decimal-separator", ",", "1/4"},
       0,
       "0.25\n",
       ""},
      {"a format", {"--format", "eng:2", "-4.7E-5"}, 0, "-47E-6\n", ""},
      {"fixed from 1E21 on", {"--format=fixed:2", "1E21*5"}, 0, "5.00E21\n", ""},
      {"exact with comma",
       {"--format", "exact", "--decimal-separator", ",", "0,1"},
       0,
       "0,1000000000000000055511151231257827021181583404541015625\n",
       ""},
      {"hexadecimal", {"--format", "hex", "pi"}, 0, "0x1.921fb54442d18p+1\n", ""},
      {"round trip leaves errors alone",
       {"--round-trip", "1/0"},
       1,
       "",
       "error: Floating point division by zero.\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    const ProcessResult r = eval(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
}

TEST(EvalProcess, UsageErrorsExitWithTwo) {
  const Args cases[] = {
      {"-v", "x"},
      {"-v", "=1"},
      {"-v", " \t=1"},
      {"-v", "a;b=1"},
      {"-v"},
      {"--log", "all"},
      {"--log"},
      {"--decimal-separator", ".."},
      {"--decimal-separator", "+"},
      {"--decimal-separator", "5"},
      {"--decimal-separator", "_"},
      {"--bogus"},
      {"-x"},
      {"1", "2"},
      {"--round-trip=yes"},
      {"--help=1"},
      {"-v", "x=1", "-v", "X=2", "x"},
      {"-v", "1x=3", "1"},
      {"--list", "1+1"},
      {"--list", "-v", "x=1"},
      {"--table", "-", "--list", "x"},
      {"--format", "sci:18", "1"},
      {"--format", "1"},
      {"--format", "hex", "--round-trip", "1"},
  };
  for (const Args &args : cases) {
    SCOPED_TRACE(args.empty() ? "" : args.front());
    const ProcessResult r = eval(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("quorvex-eval: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("\nUsage: quorvex-eval"), std::string::npos) << r.err;
  }
}

TEST(EvalProcess, HelpAndVersion) {
  const ProcessResult help = eval({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: quorvex-eval", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("--round-trip"), std::string::npos);
  // A long entry keeps two spaces before its help, whose lines align.
  EXPECT_NE(help.out.find("\n      --decimal-separator C  decimal separator of formulas, "
                          "values and\n                            results"),
            std::string::npos);
  EXPECT_EQ(help.err, "");
  // Both answer whatever else the line holds.
  EXPECT_EQ(eval({"--table", "-", "--help"}).out, help.out);
  EXPECT_EQ(eval({"-v", "x=1", "-v", "X=2", "--version"}).status, 0);
  const ProcessResult version = eval({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quorvex-eval " QUORVEX_VERSION "\n");
}

TEST(EvalProcess, ListsEveryFunctionAndConstantOneALine) {
  const ProcessResult r = eval({"--list"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const Lines lines = splitLines(r.out);
  // Two headings and the blank line between the groups.
  EXPECT_EQ(lines.size(), 39u + 49u + 3u);
  const auto has = [&lines](const std::string &line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("power(x; z)        2  x > 0; x = 0 and z >= 0; x < 0 and whole z"
                  "  x raised to the power z"));
  EXPECT_TRUE(has("arcsin(x)          1  |x| <= 1                      "
                  "inverse sine, in [-pi/2, pi/2]"));
  EXPECT_TRUE(has("pi                 3.14159265358979     "
                  "pi, the ratio of a circle's circumference to its diameter"));
  // Values as results show them, with the separator in force.
  const ProcessResult comma = eval({"--list", "--decimal-separator", ","});
  EXPECT_NE(comma.out.find("\nNconst             2,71828182845905     e, "),
            std::string::npos);
}

TEST(EvalProcess, WriteFailuresAreReported) {
  if (::access("/dev/full", W_OK) != 0)
    GTEST_SKIP() << "no /dev/full";
  const Args cases[] = {{"--help"}, {"--version"}, {"--list"}, {"1+1"}, {}};
  for (const Args &args : cases) {
    SCOPED_TRACE(args.empty() ? "batch" : args.front());
    Args shell{"-c", R"(exec "$0" "$@" >/dev/full)", QUORVEX_EVAL_PATH};
    shell.insert(shell.end(), args.begin(), args.end());
    const ProcessResult r =
        runProcess("/bin/sh", shell, "1+1\n", environmentWithLocale("C"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "quorvex-eval: error writing standard output\n");
  }
}

// A directory opens but cannot be read: a failed read is reported, never
// taken for the end of the input.
TEST(EvalProcess, ReadFailuresAreReported) {
  const struct {
    Args args;
    const char *err;
  } cases[] = {
      {{}, "quorvex-eval: error reading standard input\n"},
      {{"--table", "-", "x"}, "quorvex-eval: error reading standard input\n"},
  };
  for (const auto &c : cases) {
    Args shell{"-c", R"(exec "$0" "$@" </)", QUORVEX_EVAL_PATH};
    shell.insert(shell.end(), c.args.begin(), c.args.end());
    const ProcessResult r = runProcess("/bin/sh", shell, "", environmentWithLocale("C"));
    EXPECT_EQ(r.status, 1) << c.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.err);
  }
}

TEST(EvalProcess, BatchLinesAreOneSession) {
  const ProcessResult r = eval({"-v", "x=4", "--log", "session"}, "x+1\n1/0\nx*2\r\n\n7");
  EXPECT_EQ(r.status, 1); // one line failed
  EXPECT_EQ(r.err, "");
  const Lines lines = splitLines(r.out);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "5");
  EXPECT_EQ(lines[1], "error: Floating point division by zero.");
  EXPECT_EQ(lines[2], "8"); // the CR of a CRLF line is not part of it
  EXPECT_EQ(lines[3].rfind("error: Parse error: ", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4], "7"); // last line without a newline still counts
  // Failed lines leave no record and take no number.
  const Lines log(lines.begin() + 5, lines.end());
  EXPECT_EQ(log,
            (Lines{"- - 1 - - - - - - - - -", "Formula: F = x+1", "x: 4", "Y value: 5",
                   "- - 2 - - - - - - - - -", "Formula: F = x*2", "x: 4", "Y value: 8",
                   "- - 3 - - - - - - - - -", "Formula: F = 7", "x: 4", "Y value: 7"}));
}

TEST(EvalProcess, BatchStatusAndEmptyInput) {
  const ProcessResult ok = eval({}, "1\n2\n");
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, "1\n2\n");
  const ProcessResult empty = eval({}, "");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
}

TEST(EvalProcess, LogLast) {
  const ProcessResult single = eval({"--log", "last", "-v", "x=2", "x+1"});
  EXPECT_EQ(single.status, 0);
  EXPECT_EQ(single.out, "3\nFormula: F = x+1\nx: 2\nF value: 3\n");

  const ProcessResult batch = eval({"--log", "last"}, "1+1\n2+2\n");
  EXPECT_EQ(batch.out, "2\n4\nFormula: F = 2+2\nF value: 4\n");

  // A last line without "\n" loses its CR as a CRLF line does.
  const ProcessResult crAtEnd = eval({"--log", "session"}, "1+1\n2+2\r");
  EXPECT_EQ(crAtEnd.out, "2\n4\n- - 1 - - - - - - - - -\nFormula: F = 1+1\nY value: 2\n"
                         "- - 2 - - - - - - - - -\nFormula: F = 2+2\nY value: 4\n");

  // A failed last computation leaves the last-computation log empty.
  const ProcessResult failed = eval({"--log", "last"}, "1+1\n1/0\n");
  EXPECT_EQ(failed.out, "2\nerror: Floating point division by zero.\n");
}

TEST(EvalProcess, LogKeepsTheDisplayTextUnderRoundTrip) {
  const ProcessResult r =
      eval({"--round-trip", "--decimal-separator", ",", "--log", "last", "1/3"});
  EXPECT_EQ(r.out, "0.3333333333333333\nFormula: F = 1/3\n"
                   "F value: 0,333333333333333\n");
  EXPECT_EQ(eval({"--format", "sci:3", "--log", "last"}, "1/3\n").out,
            "3.33E-1\nFormula: F = 1/3\nF value: 0.333333333333333\n");
}

TEST(EvalProcess, BytesPassThroughToTheLog) {
  const std::string formula = "x+1 \xE2\x80\x94 \xCE\xB1";
  const ProcessResult r = eval({"--log", "last", "-v", "x=\xCE\xB2", formula});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "error: '\xCE\xB2' is not a valid floating point value.\n");

  const ProcessResult ok = eval({"--log", "last", "-v", "x=1", formula});
  EXPECT_EQ(ok.out, "2\nFormula: F = " + formula + "\nx: 1\nF value: 2\n");
}

TEST(EvalProcess, ManyAndLongLinesCrossBufferBoundaries) {
  std::string input, expected;
  for (int i = 0; i < 20000; ++i) {
    input += std::to_string(i) + "+0.5\n";
    expected += std::to_string(i) + ".5\n";
  }
  std::string longFormula = "1";
  for (int i = 0; i < 40000; ++i)
    longFormula += "+1";
  input += longFormula + "\n";
  expected += "40001\n";
  const ProcessResult r = eval({}, input);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out == expected)
      << "output differs; " << r.out.size() << " bytes instead of " << expected.size();
}

TEST(EvalProcess, DefaultSeparatorComesFromTheLocale) {
  // Only where a comma locale is installed.
  const char *names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};
  for (const char *name : names) {
    if (std::setlocale(LC_NUMERIC, name) == nullptr)
      continue;
    std::setlocale(LC_NUMERIC, "C");
    const ProcessResult r = eval({"-v", "x=2,5", "x/2"}, "", name);
    EXPECT_EQ(r.out, "1,25\n");
    return;
  }
  std::setlocale(LC_NUMERIC, "C");
  GTEST_SKIP() << "no comma locale installed";
}

// Text after a formula: the result stands and a warning names the text (and
// the line), or with --strict the line fails and names it.
TEST(EvalProcess, IgnoredTextWarnsOrFails) {
  const struct {
    const char *what;
    Args args;
    std::string input;
    int status;
    const char *out;
    const char *err;
  } cases[] = {
      {"control characters and bytes that are no UTF-8 escaped, other UTF-8 kept",
       {},
       "2x\x1B]0;t\x07\x7F\n2 \xFF\xC2\x9B\xED\xA0\x80\xC0\xAF\xE0\x80\xAF"
       "\xF4\x90\x80\x80\xF0\x8F\xBF\xBF\xF5\x80\x80\x80\xE2\x82"
       "\xC3\xA9\xCE\xB1\xC2\xA0\xF0\x9F\x98\x80\n",
       0,
       "2\n2\n",
       "warning: line 1: Ignored text after the formula: 'x\\x1B]0;t\\x07\\x7F'\n"
       "warning: line 2: Ignored text after the formula: "
       "'\\xFF\\xC2\\x9B\\xED\\xA0\\x80\\xC0\\xAF\\xE0\\x80\\xAF"
       "\\xF4\\x90\\x80\\x80\\xF0\\x8F\\xBF\\xBF\\xF5\\x80\\x80\\x80\\xE2\\x82"
       "\xC3\xA9\xCE\xB1\xC2\xA0\xF0\x9F\x98\x80'\n"},
      {"the answer a line gets, with a NUL byte",
       {"--strict"},
       "2x\0y\n"s,
       1,
       "error: Unexpected text after the formula: 'x\\x00y'\n",
       ""},
      {"single",
       {"2^3"},
       "",
       0,
       "2\n",
       "warning: Ignored text after the formula: '^3'\n"},
      {"single, strict",
       {"--strict", "2^3"},
       "",
       1,
       "",
       "error: Unexpected text after the formula: '^3'\n"},
      {"batch",
       {},
       "1+1\n10 % 3\n2 \n2x\n",
       0,
       "2\n10\n2\n2\n",
       "warning: line 2: Ignored text after the formula: '% 3'\n"
       "warning: line 4: Ignored text after the formula: 'x'\n"},
      {"batch, strict: the line fails and the session goes on",
       {"--strict", "--log", "session"},
       "10 % 3\n1+1\n",
       1,
       "error: Unexpected text after the formula: '% 3'\n2\n"
       "- - 1 - - - - - - - - -\nFormula: F = 1+1\nY value: 2\n",
       ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    const ProcessResult r = eval(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
  // Both streams on one terminal: each warning under its own result.
  const ProcessResult merged =
      runProcess("/bin/sh", {"-c", "exec \"$0\" 2>&1", QUORVEX_EVAL_PATH},
                 "1+1\n10 % 3\n4\n", environmentWithLocale("C"));
  EXPECT_EQ(merged.out,
            "2\n10\nwarning: line 2: Ignored text after the formula: '% 3'\n4\n");
}

TEST(EvalProcess, WorksheetsComputeAsSavedOrWithValuesReplaced) {
  const std::string ws = "--worksheet";
  const std::string example = QUORVEX_SOURCE_DIR "/examples/compoundinterest.qvws";
  // Saved where the separator is ",", computed where it is ".".
  const std::string comma = testing::TempDir() + "comma.qvws";
  std::ofstream(comma)
      << "Quorvex worksheet 1\nseparator \",\"\nformula \"x*1,5\"\n"
         "assign \"x;y\"\nshown 2\nrow \"x\" \"0,5\"\nrow \"y\" \"\"\nend\n";
  // The output, or a part of the message on standard error.
  const struct {
    Args args;
    int status;
    std::string shown;
  } cases[] = {
      {{ws, example}, 0, "1647.00949769028\n"},
      {{ws, example, "-v", "p=2000", "-v", "N=5"}, 0, "2566.71735700702\n"},
      {{ws, comma}, 0, "0.75\n"},
      {{ws, example, "--format", "fixed:2"}, 0, "1647.01\n"},
      {{ws, comma, "--decimal-separator", ",", "-v", "X=2,5"}, 0, "3,75\n"},
      {{ws, comma, "--log", "last"},
       0,
       "0.75\nFormula: F = x*1.5\nx: 0.5\ny: 2\nF value: 0.75\n"},
      {{ws, comma, "-v", "z=1"},
       2,
       "'-v z=1': the worksheet declares no variable 'z' (it declares x, y)\n"},
      {{ws, "none.qvws"}, 2, "worksheet 'none.qvws': No such file or directory\n"},
      {{ws, QUORVEX_SOURCE_DIR "/README.md"},
       2,
       "README.md': it is not a Quorvex worksheet\n"},
      {{ws, example, "--table", "-"}, 2, "--table cannot be used with --worksheet\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.args.back());
    const ProcessResult r = eval(c.args);
    EXPECT_EQ(r.status, c.status);
    if (c.status == 0)
      EXPECT_EQ(r.out + r.err, c.shown);
    else
      EXPECT_NE(r.err.find(c.shown), std::string::npos) << r.err;
  }
}
