// quorvex-eval: the calculator's Compute from the command line, one formula
// from the arguments or one per line of standard input, all in one session.

#include "bufferedoutput.h"
#include "commandline.h"
#include "linereader.h"

#include "engine/decimalseparator.h"
#include "session/calculatorsession.h"
#include "session/errorreport.h"
#include "session/resultformat.h"

#include <clocale>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>

using namespace quorvex;

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// The locale's decimal point when it is one byte, else ".". LC_NUMERIC is
// put back to "C" afterwards: nothing else in the tool may depend on it.
char localeSeparator() {
  char separator = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const char *point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strlen(point) == 1 &&
        IsUsableSeparator(point[0]))
      separator = point[0];
  }
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

void declareVariables(TCalculatorSession &session,
                      const std::vector<TEvalVariable> &variables) {
  std::string assign;
  for (const TEvalVariable &v : variables) {
    if (!assign.empty())
      assign.push_back(';');
    assign.append(v.Name);
  }
  session.SetAssignText(assign);
  session.V_QExit();
  // Every name is non-empty and free of ";", so row i + 1 is variable i.
  for (std::size_t i = 0; i < variables.size(); ++i)
    session.Grid().SetCell(1, static_cast<int>(i + 1), variables[i].Value);
}

// One Compute of formula. Writes the result text and returns true, or
// leaves the error report's text in error and returns false.
bool computeOne(TCalculatorSession &session, std::string_view formula,
                bool roundTrip, std::string &text, std::string &error) {
  session.SetFormulaText(formula);
  try {
    const Float value = session.Compute();
    if (roundTrip)
      FormatRoundTrip(value, text);
    else
      text.assign(session.ResultText());
    return true;
  } catch (const std::exception &e) {
    // Not only quorvex::Exception: running out of memory on one formula of
    // a batch must be reported on that line, not end the run.
    error = ErrorReportText(e.what());
    return false;
  }
}

void writeLog(const TCalculatorSession &session, TLogChoice choice,
              TBufferedOutput &out) {
  switch (choice) {
  case TLogChoice::None:
    return;
  case TLogChoice::Last:
    out.Write(session.Memo1().Text());
    return;
  case TLogChoice::Session:
    out.Write(session.Memo2().Text());
    return;
  }
}

int runSingle(TCalculatorSession &session, const TEvalOptions &options,
              TBufferedOutput &out, TBufferedOutput &err) {
  std::string text, error;
  const bool ok =
      computeOne(session, *options.Formula, options.RoundTrip, text, error);
  if (ok) {
    out.Write(text);
    out.Write('\n');
  } else {
    err.Write("error: ");
    err.Write(error);
    err.Write('\n');
  }
  writeLog(session, options.Log, out);
  return ok ? 0 : exitFailure;
}

int runBatch(TCalculatorSession &session, const TEvalOptions &options,
             TBufferedOutput &out, TBufferedOutput &err) {
  TLineReader in(STDIN_FILENO);
  std::string text, error;
  bool allOk = true;
  std::string_view line;
  while (in.Next(line)) {
    if (computeOne(session, line, options.RoundTrip, text, error)) {
      out.Write(text);
    } else {
      allOk = false;
      out.Write("error: ");
      out.Write(error);
    }
    out.Write('\n');
  }
  if (in.Failed()) {
    err.Write("quorvex-eval: error reading standard input\n");
    allOk = false;
  }
  writeLog(session, options.Log, out);
  return allOk ? 0 : exitFailure;
}

int run(int argc, char **argv) {
  TBufferedOutput out(STDOUT_FILENO);
  TBufferedOutput err(STDERR_FILENO);
  TEvalOptions options;
  try {
    options = ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const EUsageError &e) {
    err.Write("quorvex-eval: ");
    err.Write(e.message());
    err.Write('\n');
    err.Write(UsageText());
    return exitUsage;
  }
  if (options.Help) {
    out.Write(UsageText());
    out.Write('\n');
    out.Write(HelpText());
    return out.Flush() ? 0 : exitFailure;
  }
  if (options.Version) {
    out.Write("quorvex-eval " QUORVEX_VERSION "\n");
    return out.Flush() ? 0 : exitFailure;
  }

  SetDecimalSeparator(options.DecimalSeparator ? *options.DecimalSeparator
                                               : localeSeparator());
  TCalculatorSession session;
  // Only --log session ever reads the session log; a long batch need not
  // keep it.
  session.SetKeepSessionLog(options.Log == TLogChoice::Session);
  declareVariables(session, options.Variables);

  int status = options.Formula ? runSingle(session, options, out, err)
                               : runBatch(session, options, out, err);
  if (!out.Flush()) {
    err.Write("quorvex-eval: error writing standard output\n");
    status = exitFailure;
  }
  return status;
}

} // namespace

int main(int argc, char **argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception &e) {
    // Only setting up can get here (every Compute reports its own errors).
    const std::string text = "quorvex-eval: " + std::string(e.what()) + "\n";
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, text.data(), text.size());
    return exitFailure;
  }
}
