// quorvex-eval --table driven as a process: a CSV in, the rows with their
// results and errors out.

#include "processrunner.h"

#include "cli/bufferedoutput.h"
#include "cli/commandline.h"
#include "cli/tablemode.h"

#include "engine/decimalseparator.h"
#include "session/plotsampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using namespace std::string_literals;

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
      {"a failing row among good ones",
       {"--table", "-", "x/y"},
       "x,y\n1,4\n3,0\n1E400,1\n4,5\n",
       1,
       "x,y,F,error\n1,4,0.25,\n3,0,,Floating point division by zero.\n"
       "1E400,1,,Floating point overflow.\n4,5,0.8,\n",
       ""},
      {"every row computed",
       {"--table", "-", "x*2"},
       "x\n1\n 2.5 \n",
       0,
       "x,F,error\n1,2,\n 2.5 ,5,\n",
       ""},
      {"header only", {"--table", "-", "x"}, "x\n", 0, "x,F,error\n", ""},
      {"empty cells are missing values, not 2",
       {"--table", "-", "x"},
       "x\n\n",
       1,
       "x,F,error\n,,'' is not a valid floating point value.\n",
       ""},
      {"cells as written, quotes kept; new fields quoted only where CSV needs it",
       {"--table", "-", "x"},
       "\"x\"\n\"1\"\n\"2,5\"\n\"a\"\"b\"\n\"c\"\"d\"\n",
       1,
       "\"x\",F,error\n\"1\",1,\n\"2,5\",,\"'2,5' is not a valid floating point "
       "value.\"\n"
       "\"a\"\"b\",,\"'a\"\"b' is not a valid floating point value.\"\n"
       "\"c\"\"d\",,\"'c\"\"d' is not a valid floating point value.\"\n",
       ""},
      {"a quote or CR in an unquoted field gets quotes, so the output is strict CSV",
       {"--table", "-", "x"},
       "x,t\n1,a\"b\r\n2,c\rd\n",
       0,
       "x,t,F,error\n1,\"a\"\"b\",1,\n2,\"c\rd\",2,\n",
       ""},
      {"CRLF in, LF out",
       {"--table", "-", "x+1"},
       "x\r\n1\r\n2\r\n",
       0,
       "x,F,error\n1,2,\n2,3,\n",
       ""},
      {"comma separator: semicolon delimiter",
       {"--decimal-separator", ",", "--table", "-", "x*y"},
       "x;y\n1,5;2\n0,1;3\n",
       0,
       "x;y;F;error\n1,5;2;3;\n0,1;3;0,3;\n",
       ""},
      {"delimiter given",
       {"--csv-delimiter", "\t", "--table", "-", "x-y"},
       "x\ty\n5\t3\n",
       0,
       "x\ty\tF\terror\n5\t3\t2\t\n",
       ""},
      {"TSV by name: commas and quoted tabs are text",
       {"--csv-delimiter", "tab", "--table", "-", "x/y"},
       "site, place\tx\ty\n\"Troy,\tNY\"\t1\t4\nOslo\t1\t0\n",
       1,
       "site, place\tx\ty\tF\terror\n\"Troy,\tNY\"\t1\t4\t0.25\t\n"
       "Oslo\t1\t0\t\tFloating point division by zero.\n",
       ""},
      {"round trip",
       {"--round-trip", "--table", "-", "3*x"},
       "x\n0.1\n",
       0,
       "x,F,error\n0.1,0.30000000000000004,\n",
       ""},
      {"a format, on every job",
       {"--format", "sci:2", "--jobs", "2", "--table", "-", "x/3"},
       "x\n1\n-2\n",
       0,
       "x,F,error\n1,3.3E-1,\n-2,-6.7E-1,\n",
       ""},
      {"result column named",
       {"--result-name", "volume", "--table", "-", "x*x*x"},
       "x\n2\n",
       0,
       "x,volume,error\n2,8,\n",
       ""},
      {"-v holds for every row",
       {"-v", "k=3", "-v", "n=", "--table", "-", "x*k+n"},
       "x\n1\n2\n",
       0,
       "x,F,error\n1,5,\n2,8,\n",
       ""},
      {"a variable hides a constant",
       {"--table", "-", "pi*2"},
       "pi\n1\n",
       0,
       "pi,F,error\n1,2,\n",
       ""},

      // The formula, or a -v value, fails once, before any row.
      {"formula does not compile: the engine's error, then the names the columns offer",
       {"--table", "-", "x+temp"},
       "x,temp max,X,y\n1,2,3,4\n",
       1,
       "",
       "error: Parse error: Unknown symbol: 'temp'\n"
       "note: the columns of standard input that a formula can name: y; name another "
       "with --column NAME=HEADER\n"},
      {"no column has a name",
       {"--table", "-", "temp"},
       "temp max\n1\n",
       1,
       "",
       "error: Parse error: Unknown symbol: 'temp'\n"
       "note: no column of standard input has a header that a formula can name; name "
       "one with --column NAME=HEADER\n"},
      {"text after the formula: a warning once, rows unchanged",
       {"--table", "-", "x*2 x"},
       "x\n1\n2\n",
       0,
       "x,F,error\n1,2,\n2,4,\n",
       "warning: Ignored text after the formula: 'x'\n"},
      {"--strict refuses it before any row",
       {"--strict", "--table", "-", "x^2"},
       "x\n1\n",
       1,
       "",
       "error: Unexpected text after the formula: '^2'\n"},
      {"-v value does not convert",
       {"-v", "k=q", "--table", "-", "x*k"},
       "x\n1\n",
       1,
       "",
       "error: 'q' is not a valid floating point value.\n"},

      // Inputs the formula cannot run over.
      {"ragged row: the rows before it are written",
       {"--table", "-", "x/y"},
       "x,y\n1,2\n\"3\n\",1\n4\n5,6\n",
       2,
       "x,y,F,error\n1,2,0.5,\n\"3\n\",1,,\"'3\n' is not a valid floating point "
       "value.\"\n",
       "quorvex-eval: standard input, line 5: 1 field where the header has 2\n"},
      {"empty file",
       {"--table", "-", "x"},
       "",
       2,
       "",
       "quorvex-eval: standard input is empty: its first row must name the "
       "variables\n"},
      {"a header cell that is no name is text the formula need not read",
       {"--table", "-", "x"},
       "x, y z\n",
       0,
       "x, y z,F,error\n",
       ""},
      {"header name twice, read",
       {"--table", "-", "x"},
       "x,X\n",
       2,
       "",
       "quorvex-eval: standard input: column 2 of the header, 'X', repeats "
       "column 1\n"},
      {"header name twice, not read",
       {"--table", "-", "y"},
       "x,y,X\n1,2,3\n",
       0,
       "x,y,X,F,error\n1,2,3,2,\n",
       ""},
      {"-v clashes with the header, read",
       {"-v", "X=1", "--table", "-", "x"},
       "x\n1\n",
       2,
       "",
       "quorvex-eval: variable 'X' is given with -v and is column 1 of standard "
       "input\n"},
      {"-v clashes with the header, not read",
       {"-v", "X=1", "--table", "-", "2*y"},
       "x,y\nn/a,1\n",
       0,
       "x,y,F,error\nn/a,1,2,\n",
       ""},
      {"result column clashes with the header",
       {"--table", "-", "F"},
       "F\n1\n",
       2,
       "",
       "quorvex-eval: the output would have two columns 'F' (column 1 of standard "
       "input); choose another result name with --result-name\n"},
      {"quote left open",
       {"--table", "-", "x"},
       "x\n1\n\"2\n",
       2,
       "x,F,error\n1,1,\n",
       "quorvex-eval: standard input, line 3: a quoted field is not closed\n"},
      {"no such file",
       {"--table", "/nonexistent/data.csv", "x"},
       "",
       2,
       "",
       "quorvex-eval: cannot read '/nonexistent/data.csv': No such file or "
       "directory\n"},
      {"a file name with an escape sequence",
       {"--table", "/nonexistent/\x1B[2J", "x"},
       "",
       2,
       "",
       "quorvex-eval: cannot read '/nonexistent/\\x1B[2J': No such file or directory\n"},
      {"a directory",
       {"--table", "/", "x"},
       "",
       2,
       "",
       "quorvex-eval: cannot read '/': Is a directory\n"},
      {"a file that opens but cannot be read",
       {"--table", "/proc/self/mem", "x"},
       "",
       2,
       "",
       "quorvex-eval: cannot read '/proc/self/mem': Input/output error\n"},
      {"a NUL byte in a cell stays in its message",
       {"--table", "-", "x"},
       "x\na\0b\n"s,
       1,
       "x,F,error\na\0b,,'a\0b' is not a valid floating point value.\n"s,
       ""},
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
  // With standard input closed, the file opens as descriptor 0.
  const ProcessResult closed = runProcess(
      "/bin/sh",
      {"-c", R"(exec "$0" --table "$1" 'pi*r*r*h' <&-)", QUORVEX_EVAL_PATH, path}, "",
      environmentWithLocale("C"));
  std::remove(path);
  for (const ProcessResult &result : {r, closed}) {
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "r,h,F,error\n1,2,6.28318530717959,\n");
  }
}

TEST(TableMode, OptionsThatDoNotGoTogether) {
  const Args cases[] = {
      {"--table", "-"},
      {"--result-name", "G", "x"},
      {"--csv-delimiter", ";", "x"},
      {"--table", "-", "--log", "last", "x"},
      {"--table", "-", "--csv-delimiter", "\"", "x"},
      {"--table", "-", "--csv-delimiter", ",,", "x"},
      {"--table", "-", "--csv-delimiter", "\r", "x"},
      {"--table", "-", "--csv-delimiter", "\n", "x"},
      {"--table", "-", "--result-name", "", "x"},
      {"--jobs", "2", "x"},
      {"--column", "k=h", "x"},
      {"--headerless-output", "x"},
      {"--table", "-", "--jobs", "0", "x"},
      {"--table", "-", "--jobs", "1025", "x"},
      {"--table", "-", "--jobs", "two", "x"},
      {"--table", "-", "--jobs", "+2", "x"},
      {"--table", "-", "--jobs", "2x", "x"},
      {"--table", "-", "--headerless-output=yes", "x"},
  };
  for (const Args &args : cases) {
    const ProcessResult r = eval(args, "x\n1\n");
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_EQ(r.out, "");
    if (args.size() > 3 && args[2] == "--csv-delimiter") {
      EXPECT_EQ(r.err.rfind("quorvex-eval: CSV delimiter '" + args[3] + "' must be", 0),
                0u)
          << r.err;
    }
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
    const ProcessResult r = eval(
        {"--decimal-separator", std::string(1, separator), "--table", "-", "1/x"}, input);
    EXPECT_EQ(r.out, csv);
    EXPECT_NE(csv.find(separator == ',' ? "0;;Floating point division by zero."
                                        : "0,,Floating point division by zero."),
              std::string::npos);
  }
  quorvex::setDecimalSeparator(saved);
}

namespace {

// A file in the temporary directory holding text, removed with the object.
class TableFile {
public:
  explicit TableFile(const std::string &text) {
    const int fd = mkstemp(path_);
    if (fd >= 0)
      close(fd);
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TableFile() { std::remove(path_); }
  TableFile(const TableFile &) = delete;
  TableFile &operator=(const TableFile &) = delete;
  std::string path() const { return path_; }

private:
  char path_[32] = "/tmp/quorvex-table-XXXXXX";
};

// Rows as real files have them: a date, text with a quoted comma, a header
// with a space, empty cells where the formula does not look, and values that
// fail where it does. Row i gives ok[i] and the result (or error) text[i].
struct WeatherRows {
  std::string file;
  std::vector<std::string> lines; // each row as written, without its line end
  std::vector<std::string> results;
};

WeatherRows weatherRows(int copies) {
  const char *rows[][2] = {
      {R"(2012/01/01,"Troy, NY",12.8,5,"light rain, fog",4.7)", "7.8,"},
      {"2012/01/02,\"Troy, NY\",10.6,2.8,,", "7.8,"},
      {"2012/01/03,Oslo,,-2.5,snow,", ",'' is not a valid floating point value."},
      {R"(2012/01/04,"Union County, Troy Shelton",-1.1,-3.3,"said ""cold""",)", "2.2,"},
      {"2012/01/05,Oslo,n/a,1,,", ",'n/a' is not a valid floating point value."},
      {"2012/01/06,\"\",3,1E400,,", ",Floating point overflow."},
  };
  WeatherRows w;
  w.file = "date,station,temp max,temp_min,weather,wind\r\n";
  for (int copy = 0; copy < copies; ++copy)
    for (const auto &row : rows) {
      w.file += std::string(row[0]) + "\r\n";
      w.lines.emplace_back(row[0]);
      w.results.emplace_back(row[1]);
    }
  return w;
}

ProcessResult evalShell(const std::string &script, const std::string &input = "") {
  return runProcess("/bin/sh", {"-c", script, QUORVEX_EVAL_PATH}, input,
                    environmentWithLocale("C"));
}

} // namespace

// Only the columns the formula reads are converted; every other cell, the
// header included, comes out byte for byte as it was written.
TEST(TableMode, PassesUnreadColumnsThroughAsWritten) {
  const WeatherRows w = weatherRows(1);
  const ProcessResult r =
      eval({"--column", "tmax=temp max", "--table", "-", "tmax - temp_min"}, w.file);
  std::string expected = "date,station,temp max,temp_min,weather,wind,F,error\n";
  for (std::size_t i = 0; i < w.lines.size(); ++i)
    expected += w.lines[i] + "," + w.results[i] + "\n";
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.err, "");
}

TEST(TableMode, ColumnNamesAHeader) {
  const std::string file = "day,temp max,Temp Max,t\n1,20,21,3\n";
  const struct {
    Args options;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {{"--column", "tmax=temp max", "--column", "TMAX2=Temp Max"},
       0,
       "day,temp max,Temp Max,t,F,error\n1,20,21,3,41,\n",
       ""},
      // A column may have two names; its own header stays one of them.
      {{"--column", "tmax=temp max", "--column", "tmax2=Temp Max", "--column", "T=t"},
       0,
       "day,temp max,Temp Max,t,F,error\n1,20,21,3,41,\n",
       ""},
      {{"--column", "tmax=temp", "--column", "tmax2=Temp Max"},
       2,
       "",
       "quorvex-eval: '--column tmax=temp': no column of standard input has the "
       "header 'temp'\n"},
      {{"--column", "tmax=temp max", "--column", "tmax2=Temp Max", "--column", "DAY=t"},
       2,
       "",
       "quorvex-eval: '--column DAY=t': 'DAY' is also the header of column 1 of "
       "standard input\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.options[1]);
    Args args = c.options;
    args.insert(args.end(), {"--table", "-", "tmax+tmax2"});
    const ProcessResult r = eval(args, file);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
  // Two columns with that header: which one is meant?
  const ProcessResult twice =
      eval({"--column", "a=h", "--table", "-", "a"}, "h,x,h\n1,2,3\n");
  EXPECT_EQ(twice.status, 2);
  EXPECT_EQ(twice.err, "quorvex-eval: '--column a=h': column 1 and column 3 of standard "
                       "input both have the header 'h'\n");
  // Names clash in any case with -v and with each other before anything is read.
  const Args clashes[] = {
      {"-v", "K=1", "--column", "k=h", "--table", "-", "k"},
      {"--column", "k=h", "--column", "K=x", "--table", "-", "k"},
      {"--column", "2k=h", "--table", "-", "k"},
      {"--column", "k", "--table", "-", "k"},
  };
  for (const Args &args : clashes) {
    const ProcessResult r = eval(args, "h,x\n1,2\n");
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_NE(r.err.find(usage), std::string::npos) << r.err;
  }
}

// However many jobs compute the blocks, the output is that of one: every
// row in order, failing rows, the warning, a usage error late in the file
// after the rows before it, and the exit status; from a file and from a pipe.
TEST(TableMode, JobsChangeNothingButSpeed) {
  const WeatherRows w = weatherRows(6000); // about fifty blocks
  const std::string rows = w.file.substr(w.file.find('\n') + 1);
  const struct {
    std::string text;
    int status;
    std::string lastErr;
  } inputs[] = {
      {w.file, 1, ""},
      {w.file + "2013/01/01,Oslo,1,2\r\n" + rows, 2,
       ", line 36002: 4 fields where the header has 6\n"},
  };
  for (const auto &input : inputs) {
    SCOPED_TRACE(input.status);
    const TableFile file(input.text);
    const std::string options =
        " --column 'tmax=temp max' --table - 'tmax - temp_min  degrees'";
    ProcessResult one[2];
    for (const char *jobs : {"1", "2", "3", "8"}) {
      SCOPED_TRACE(std::string(jobs) + " jobs");
      const ProcessResult runs[2] = {evalShell("exec \"$0\" --jobs " + std::string(jobs) +
                                               options + " <" + file.path()),
                                     evalShell("cat " + file.path() +
                                               " | \"$0\" --jobs " + std::string(jobs) +
                                               options)};
      for (int pipe = 0; pipe < 2; ++pipe) {
        const ProcessResult &r = runs[pipe];
        if (std::string(jobs) == "1") {
          one[pipe] = r;
          EXPECT_EQ(r.status, input.status);
          EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 36000);
          EXPECT_EQ(r.err, "warning: Ignored text after the formula: 'degrees'\n" +
                               (input.lastErr.empty()
                                    ? ""
                                    : "quorvex-eval: standard input" + input.lastErr));
        }
        EXPECT_EQ(r.status, one[pipe].status);
        EXPECT_TRUE(r.out == one[pipe].out) << "output differs, pipe " << pipe;
        EXPECT_EQ(r.err, one[pipe].err);
      }
    }
  }
}

// The README's recipe for spreading one file over machines, run here on two
// local jobs: the header's line from a run over the header alone, then the
// chunks' rows without it, joined in order, are one run's output.
TEST(TableMode, GnuParallelRecipeJoinsToOneRun) {
  if (access("/usr/bin/parallel", X_OK) != 0)
    GTEST_SKIP() << "GNU parallel is not installed";
  const WeatherRows w = weatherRows(400); // about ten chunks of 10 kB
  const TableFile file(w.file);
  const std::string options = " --column 'tmax=temp max' --table - 'tmax - temp_min'";
  const ProcessResult one = evalShell("exec \"$0\"" + options + " <" + file.path());
  const ProcessResult recipe =
      evalShell("head -n 1 " + file.path() + " | \"$0\"" + options +
                " &&"
                " parallel --pipe --header : --block 10k -k -j2 -q"
                " \"$0\" --headerless-output" +
                options + " <" + file.path());
  EXPECT_EQ(one.status, 1);
  EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 1 + 2400);
  EXPECT_TRUE(recipe.out == one.out) << recipe.err;
}

// Running a table, in every way it can end, leaves this process's open
// descriptors as they were: a caller may run any number of tables.
TEST(TableMode, LeavesNoDescriptorOpen) {
  const auto openDescriptors = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                         std::filesystem::directory_iterator());
  };
  const TableFile good("x\n1\n2\n");
  const TableFile ragged("x\n1\n1,2\n");
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(sink, 0);
  const auto before = openDescriptors();
  const struct {
    std::string path;
    const char *jobs;
    int status;
  } runs[] = {{good.path(), "1", 0},
              {good.path(), "2", 0},
              {ragged.path(), "1", 2},
              {ragged.path(), "2", 2},
              {"/nonexistent/data.csv", "1", 2}};
  for (const auto &run : runs) {
    const quorvex::EvalOptions options =
        quorvex::parseCommandLine({"--jobs", run.jobs, "--table", run.path, "x*2"});
    quorvex::BufferedOutput out(sink), err(sink);
    EXPECT_EQ(quorvex::runTable(options, out, err), run.status) << run.path;
  }
  EXPECT_EQ(openDescriptors(), before);
  ::close(sink);
}
