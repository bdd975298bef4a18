// quorvex-eval: the calculator's Compute from the command line, one formula
// from the arguments or one per line of standard input, all in one session.

#include "bufferedoutput.h"
#include "cataloguelisting.h"
#include "commandline.h"
#include "linereader.h"
#include "tablemode.h"
#include "terminaltext.h"

#include "engine/decimalseparator.h"
#include "engine/messagetext.h"
#include "engine/stringhashmap.h"
#include "session/calculatorsession.h"
#include "session/resultformat.h"
#include "session/variablelist.h"
#include "session/worksheet.h"

#include "quorvexversion.h"

#include <clocale>
#include <cstdint>
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
    if (point != nullptr && std::strlen(point) == 1 && isUsableSeparator(point[0]))
      separator = point[0];
  }
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

void useDecimalSeparator(const EvalOptions &options) {
  setDecimalSeparator(options.decimalSeparator ? *options.decimalSeparator
                                               : localeSeparator());
}

void declareVariables(TCalculatorSession &session,
                      const std::vector<EvalVariable> &variables) {
  std::string assign;
  for (const EvalVariable &v : variables) {
    if (!assign.empty())
      assign.push_back(';');
    assign.append(v.name);
  }
  session.SetAssignText(assign);
  session.ApplyVariableList();
  // Every name is non-empty and free of ";", so row i + 1 is variable i.
  for (std::size_t i = 0; i < variables.size(); ++i)
    session.Grid().SetCell(1, static_cast<int>(i + 1), variables[i].value);
}

// One Compute of formula. Writes the result text and returns true, or
// leaves the error report's text in error and returns false.
bool computeOne(TCalculatorSession &session, std::string_view formula, bool roundTrip,
                std::string &text, std::string &error) {
  session.SetFormulaText(formula);
  try {
    const Float value = session.Compute();
    if (roundTrip)
      formatRoundTrip(value, text);
    else
      text.assign(session.ResultText());
    return true;
  } catch (const std::exception &e) {
    // Not only quorvex::Exception: running out of memory on one formula of
    // a batch must be reported on that line, not end the run.
    error = withFullStop(messageOf(e));
    return false;
  }
}

// After a formula that computed with text after it ignored; lineNumber 0
// for the single formula of the command line. The results written so far go
// out first and the warning at once, so that a terminal that shows both
// streams shows the warning under its result; it is rare, so batch speed is
// not at stake.
void warnIgnoredText(const TCalculatorSession &session, std::uint64_t lineNumber,
                     BufferedOutput &out, BufferedOutput &err) {
  if (session.IgnoredText().empty())
    return;
  out.flush();
  writeMessage(err,
               lineNumber == 0 ? "warning: "
                               : "warning: line " + std::to_string(lineNumber) + ": ",
               ignoredTextNote(session.IgnoredText()));
  err.flush();
}

void writeLog(const TCalculatorSession &session, LogChoice choice, BufferedOutput &out) {
  switch (choice) {
  case LogChoice::None:
    return;
  case LogChoice::Last:
    out.write(session.Memo1().Text());
    return;
  case LogChoice::Session:
    out.write(session.Memo2().Text());
    return;
  }
}

int runSingle(TCalculatorSession &session, const EvalOptions &options,
              BufferedOutput &out, BufferedOutput &err) {
  std::string text, error;
  const bool ok = computeOne(session, *options.formula, options.roundTrip, text, error);
  if (ok) {
    out.write(text);
    out.write('\n');
    warnIgnoredText(session, 0, out, err);
  } else {
    writeMessage(err, "error: ", error);
  }
  writeLog(session, options.log, out);
  return ok ? 0 : exitFailure;
}

int runBatch(TCalculatorSession &session, const EvalOptions &options, BufferedOutput &out,
             BufferedOutput &err) {
  // A co-process waits for each answer before it writes the next line.
  LineReader in(STDIN_FILENO, [&out] { out.flush(); });
  std::string text, error;
  bool allOk = true;
  std::string_view line;
  std::uint64_t lineNumber = 0;
  while (in.next(line)) {
    ++lineNumber;
    if (computeOne(session, line, options.roundTrip, text, error)) {
      out.write(text);
      out.write('\n');
    } else {
      allOk = false;
      writeMessage(out, "error: ", error);
    }
    warnIgnoredText(session, lineNumber, out, err);
  }
  if (in.failed()) {
    err.write("quorvex-eval: error reading standard input\n");
    allOk = false;
  }
  writeLog(session, options.log, out);
  return allOk ? 0 : exitFailure;
}

// A session as the options make it for computing.
void configureSession(TCalculatorSession &session, const EvalOptions &options) {
  // Only --log session ever reads the session log; a long batch need not
  // keep it.
  session.SetKeepSessionLog(options.log == LogChoice::Session);
  session.SetTrackStaleResult(false);
  session.SetRefuseIgnoredText(options.strict);
  session.SetResultFormat(options.format);
}

// The formula of the command line, or those of standard input, as the
// computations of one session.
int runSession(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err) {
  TCalculatorSession session;
  configureSession(session, options);
  declareVariables(session, options.variables);
  return options.mode == Mode::Single ? runSingle(session, options, out, err)
                                      : runBatch(session, options, out, err);
}

// The worksheet in the session, each -v value in the value cell of every
// variable of its name (names ignore case). Throws EUsageError for a -v
// name that the worksheet does not declare.
void openWithValues(TCalculatorSession &session, const Worksheet &worksheet,
                    const std::vector<EvalVariable> &values) {
  openWorksheet(session, worksheet);
  // The rows as Compute will bind them.
  session.ApplyVariableList();
  const TVariableList &list = session.VariableList();
  const TCaseInsensitiveTraits &traits = TCaseInsensitiveTraits::Instance();
  for (const EvalVariable &v : values) {
    const std::string_view name = trimControl(v.name);
    bool declared = false;
    std::string names;
    for (std::size_t i = 0; i < list.Count(); ++i) {
      names.append(names.empty() ? "" : ", ").append(list.Name(i));
      if (traits.Compare(list.Name(i), name) == 0) {
        session.Grid().SetCell(1, static_cast<int>(i + 1), v.value);
        declared = true;
      }
    }
    // The names are the file's: shown, never acted on by a terminal.
    if (!declared)
      throw EUsageError(
          "'" + v.option + "': the worksheet declares no variable '" + std::string(name) +
          "'" + (names.empty() ? "" : " (it declares " + terminalText(names) + ")"));
  }
}

int usageError(BufferedOutput &err, std::string_view message) {
  err.write("quorvex-eval: ");
  err.write(message);
  err.write('\n');
  err.write(usageText());
  return exitUsage;
}

// --worksheet: the saved computation, computed once as a FORMULA would be.
int runWorksheet(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err) {
  TCalculatorSession session;
  configureSession(session, options);
  try {
    openWithValues(session, loadWorksheet(options.worksheet), options.variables);
  } catch (const EUsageError &e) {
    return usageError(err, e.message());
  } catch (const Exception &e) {
    // The file could not be read or is no worksheet: named as a missing
    // --table file is.
    writeMessage(err, "quorvex-eval: ",
                 "cannot open the worksheet '" + options.worksheet + "': " + e.message());
    return exitUsage;
  }
  EvalOptions single = options;
  single.formula = session.FormulaText();
  return runSingle(session, single, out, err);
}

// Flushes the results; a failed write (a full disk, a closed pipe) turns
// any status into a failure with a message, never a silent one.
int finish(BufferedOutput &out, BufferedOutput &err, int status) {
  if (out.flush())
    return status;
  err.write("quorvex-eval: error writing standard output\n");
  return exitFailure;
}

int run(int argc, char **argv) {
  BufferedOutput out(STDOUT_FILENO);
  BufferedOutput err(STDERR_FILENO);
  EvalOptions options;
  try {
    options = parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const EUsageError &e) {
    // The arguments are the caller's own text, not input read from a file or
    // a pipe: they are quoted as given.
    return usageError(err, e.message());
  }
  int status = 0;
  switch (options.mode) {
  case Mode::Help:
    out.write(usageText());
    out.write('\n');
    out.write(helpText());
    break;
  case Mode::Version:
    out.write("quorvex-eval " QUORVEX_VERSION "\n");
    break;
  case Mode::List:
    useDecimalSeparator(options);
    out.write(catalogueListing());
    break;
  case Mode::Table:
    useDecimalSeparator(options);
    status = runTable(options, out, err);
    break;
  case Mode::Worksheet:
    useDecimalSeparator(options);
    status = runWorksheet(options, out, err);
    break;
  case Mode::Single:
  case Mode::Batch:
    useDecimalSeparator(options);
    status = runSession(options, out, err);
    break;
  }
  return finish(out, err, status);
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
