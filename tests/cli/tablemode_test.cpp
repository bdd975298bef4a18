// quorvex-eval --table driven as a process: a CSV in, the rows with their
// results and errors out.

#include "processrunner.h"

#include "engine/decimalseparator.h"
#include "session/plotsampling.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

ProcessResult eval(const Args &args, const std::string &input) {
  return runProcess(QUORVEX_EVAL_PATH, args, input, environmentWithLocale("C"));
}

const std::string usage = "Usage: quorvex-eval";

} // namespace

TEST(TableMode, RowsResultsAndErrors) {
  const struct {
    const char *what;
    Args args;
    std::string input;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {"a failing row among good ones", {"--table", "-", "x/y"},
       "x,y\n1,4\n3,0\n1E400,1\n4,5\n", 1,
       "x,y,F,error\n1,4,0.25,\n3,0,,Floating point division by zero.\n"
       "1E400,1,,Floating point overflow.\n4,5,0.8,\n",
       ""},
      {"every row computed", {"--table", "-", "x*2"}, "x\n1\n 2.5 \n", 0,
       "x,F,error\n1,2,\n 2.5 ,5,\n", ""},
      {"header only", {"--table", "-", "x"}, "x\n", 0, "x,F,error\n", ""},
      {"empty cells are missing values, not 2", {"--table", "-", "x"}, "x\n\n", 1,
       "x,F,error\n,,'' is not a valid floating point value.\n", ""},
      {"quotes only where CSV needs them", {"--table", "-", "x"},
       "\"x\"\n\"1\"\n\"2,5\"\n\"a\"\"b\"\n", 1,
       "x,F,error\n1,1,\n\"2,5\",,\"'2,5' is not a valid floating point value.\"\n"
       "\"a\"\"b\",,\"'a\"\"b' is not a valid floating point value.\"\n",
       ""},
      {"CRLF in, LF out", {"--table", "-", "x+1"}, "x\r\n1\r\n2\r\n", 0,
       "x,F,error\n1,2,\n2,3,\n", ""},
      {"comma separator: semicolon delimiter",
       {"--decimal-separator", ",", "--table", "-", "x*y"}, "x;y\n1,5;2\n0,1;3\n", 0,
       "x;y;F;error\n1,5;2;3;\n0,1;3;0,3;\n", ""},
      {"delimiter given", {"--csv-delimiter", "\t", "--table", "-", "x-y"},
       "x\ty\n5\t3\n", 0, "x\ty\tF\terror\n5\t3\t2\t\n", ""},
      {"round trip", {"--round-trip", "--table", "-", "3*x"}, "x\n0.1\n", 0,
       "x,F,error\n0.1,0.30000000000000004,\n", ""},
      {"result column named", {"--result-name", "volume", "--table", "-", "x*x*x"},
       "x\n2\n", 0, "x,volume,error\n2,8,\n", ""},
      {"-v holds for every row", {"-v", "k=3", "-v", "n=", "--table", "-", "x*k+n"},
       "x\n1\n2\n", 0, "x,F,error\n1,5,\n2,8,\n", ""},
      {"a variable hides a constant", {"--table", "-", "pi*2"}, "pi\n1\n", 0,
       "pi,F,error\n1,2,\n", ""},

      // The formula, or a -v value, fails once, before any row.
      {"formula does not compile", {"--table", "-", "x+z"}, "x\n1\n", 1, "",
       "error: Parse error: Unknown symbol: 'z'\n"},
      {"text after the formula: a warning once, rows unchanged",
       {"--table", "-", "x*2 x"}, "x\n1\n2\n", 0, "x,F,error\n1,2,\n2,4,\n",
       "warning: Ignored text after the formula: 'x'\n"},
      {"--strict refuses it before any row", {"--strict", "--table", "-", "x^2"},
       "x\n1\n", 1, "", "error: Unexpected text after the formula: '^2'\n"},
      {"-v value does not convert", {"-v", "k=q", "--table", "-", "x*k"}, "x\n1\n", 1,
       "", "error: 'q' is not a valid floating point value.\n"},

      // Inputs the formula cannot run over.
      {"ragged row: the rows before it are written", {"--table", "-", "x/y"},
       "x,y\n1,2\n\"3\n\",1\n4\n5,6\n", 2,
       "x,y,F,error\n1,2,0.5,\n\"3\n\",1,,\"'3\n' is not a valid floating point "
       "value.\"\n",
       "quorvex-eval: standard input, line 5: 1 field where the header has 2\n"},
      {"empty file", {"--table", "-", "x"}, "", 2, "",
       "quorvex-eval: standard input is empty: its first row must name the "
       "variables\n"},
      {"header cell that is no name", {"--table", "-", "x"}, "x, y z\n", 2, "",
       "quorvex-eval: standard input: column 2 of the header, ' y z', is not a "
       "variable name\n"},
      {"header name twice", {"--table", "-", "x"}, "x,X\n", 2, "",
       "quorvex-eval: standard input: column 2 of the header, 'X', repeats "
       "column 1\n"},
      {"-v clashes with the header", {"-v", "X=1", "--table", "-", "x"}, "x\n1\n", 2, "",
       "quorvex-eval: variable 'X' is given with -v and is column 1 of standard "
       "input\n"},
      {"result column clashes with the header", {"--table", "-", "F"}, "F\n1\n", 2, "",
       "quorvex-eval: the output would have two columns 'F' (column 1 of standard "
       "input); choose another result name with --result-name\n"},
      {"quote left open", {"--table", "-", "x"}, "x\n1\n\"2\n", 2, "x,F,error\n1,1,\n",
       "quorvex-eval: standard input, line 3: a quoted field is not closed\n"},
      {"no such file", {"--table", "/nonexistent/data.csv", "x"}, "", 2, "",
       "quorvex-eval: cannot read '/nonexistent/data.csv': No such file or "
       "directory\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    const ProcessResult r = eval(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
}

TEST(TableMode, ReadsAFile) {
  char path[] = "/tmp/quorvex-table-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  std::ofstream(path) << "r,h\n1,2\n";
  const ProcessResult r = eval({"--table", path, "pi*r*r*h"}, "");
  std::remove(path);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "r,h,F,error\n1,2,6.28318530717959,\n");
}

TEST(TableMode, OptionsThatDoNotGoTogether) {
  const Args cases[] = {
      {"--table", "-"},
      {"--result-name", "G", "x"},
      {"--csv-delimiter", ";", "x"},
      {"--table", "-", "--log", "last", "x"},
      {"--table", "-", "--csv-delimiter", "\"", "x"},
      {"--table", "-", "--csv-delimiter", ",,", "x"},
      {"--table", "-", "--result-name", "", "x"},
  };
  for (const Args &args : cases) {
    const ProcessResult r = eval(args, "x\n1\n");
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(usage), std::string::npos) << r.err;
  }
}

// The plot window's Table tab copies what the table mode prints for the same
// points: one writer, whichever separator.
TEST(TableMode, PlotTableIsTheSameCsv) {
  const char saved = quorvex::decimalSeparator();
  for (const char separator : {'.', ','}) {
    quorvex::setDecimalSeparator(separator);
    const quorvex::FormulaOnScreen screen{"1/x", {"x"}, {"2"}};
    const auto evaluator = quorvex::plotEvaluator(screen, 0);
    // Steps of 0.25: every x is written exactly, so F reads back the same.
    const std::string csv =
        quorvex::plotTableCsv(quorvex::samplePlot(*evaluator, 0, -1, 1, 9), "x");
    std::string input;
    for (std::size_t start = 0; start < csv.size();) {
      const std::size_t end = csv.find('\n', start);
      const std::string line = csv.substr(start, end - start);
      input += line.substr(0, line.find(separator == ',' ? ';' : ',')) + "\n";
      start = end + 1;
    }
    const ProcessResult r =
        eval({"--decimal-separator", std::string(1, separator), "--table", "-", "1/x"},
             input);
    EXPECT_EQ(r.out, csv);
    EXPECT_NE(csv.find(separator == ',' ? "0;;Floating point division by zero."
                                        : "0,,Floating point division by zero."),
              std::string::npos);
  }
  quorvex::setDecimalSeparator(saved);
}
