#include "tablemode.h"

#include "bufferedoutput.h"
#include "commandline.h"
#include "csvreader.h"

#include "engine/decimalseparator.h"
#include "engine/lexer.h"
#include "session/calculatorsession.h"
#include "session/csvwriter.h"
#include "session/messagetext.h"
#include "session/rowevaluator.h"
#include "session/variablelist.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace quorvex {

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// A table the formula cannot run over; the message names the place.
class ETableError final : public Exception {
public:
  using Exception::Exception;
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y && (x | 0x20) != (y | 0x20))
      return false; // names are ASCII letters, digits and "_" only
  }
  return true;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Closes the file it opened; standard input stays open.
class InputFile {
public:
  explicit InputFile(const std::string &path) {
    if (path == "-") {
      fd_ = STDIN_FILENO;
      return;
    }
    do {
      fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
      throw ETableError("cannot read " + quoted(path) + ": " + std::strerror(errno));
    owned_ = true;
  }
  ~InputFile() {
    if (owned_)
      ::close(fd_);
  }
  InputFile(const InputFile &) = delete;
  InputFile &operator=(const InputFile &) = delete;
  int fd() const noexcept { return fd_; }

private:
  int fd_ = -1;
  bool owned_ = false;
};

// The variable names of the header: each cell trimmed as the Assign box
// trims a name, and each a name a formula can use, given once.
std::vector<std::string> headerNames(const std::vector<std::string_view> &header,
                                     const std::vector<EvalVariable> &fixed,
                                     const std::string &resultName,
                                     const std::string &source) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string column = "column " + std::to_string(i + 1);
    const std::string_view name = trimControl(header[i]);
    if (!isIdentifier(name))
      throw ETableError(source + ": " + column + " of the header, " + quoted(header[i]) +
                        ", is not a variable name");
    for (std::size_t j = 0; j < names.size(); ++j)
      if (equalsIgnoringCase(name, names[j]))
        throw ETableError(source + ": " + column + " of the header, " +
                          quoted(header[i]) + ", repeats column " +
                          std::to_string(j + 1));
    for (const EvalVariable &variable : fixed)
      if (equalsIgnoringCase(name, trimControl(variable.name)))
        throw ETableError("variable " + quoted(variable.name) +
                          " is given with -v and is " + column + " of " + source);
    if (header[i] == resultName || header[i] == "error")
      throw ETableError("the output would have two columns " + quoted(header[i]) +
                        " (" + column + " of " + source +
                        "); choose another result name with --result-name");
    names.emplace_back(name);
  }
  return names;
}

// The evaluator with the columns in slots 0..n-1 and the -v variables,
// holding their values, after them; then the formula compiled. Throws the
// error a Compute would report for these names, values and formula.
void prepare(RowEvaluator &evaluator, const std::vector<std::string> &columns,
             const std::vector<EvalVariable> &fixed, const std::string &formula) {
  for (const std::string &name : columns)
    evaluator.addVariable(name);
  for (const EvalVariable &variable : fixed) {
    // As in the other modes (and the grid), an empty value counts as 2.
    const std::size_t slot = evaluator.addVariable(trimControl(variable.name));
    evaluator.setValueText(slot, variable.value.empty() ? "2" : variable.value);
  }
  evaluator.compile(formula);
}

// The next record; broken quoting is reported with the line it begins on.
bool nextRecord(CsvReader &reader, std::vector<std::string_view> &fields,
                const std::string &source) {
  try {
    return reader.next(fields);
  } catch (const ECsvError &e) {
    throw ETableError(source + ", line " + std::to_string(reader.line()) + ": " +
                      e.message());
  }
}

void writeError(BufferedOutput &err, std::string_view text) {
  err.write("quorvex-eval: ");
  err.write(text);
  err.write('\n');
}

} // namespace

int runTable(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err) {
  const std::string &path = *options.table;
  const std::string source = path == "-" ? std::string("standard input") : path;
  const std::string resultName = options.resultName.value_or("F");
  const char delimiter =
      options.csvDelimiter.value_or(csvDelimiterFor(decimalSeparator()));
  try {
    if (resultName == "error")
      throw ETableError("the result column cannot be named 'error', the name of the "
                        "error column");
    InputFile input(path);
    CsvReader reader(input.fd(), delimiter);
    std::vector<std::string_view> fields;
    if (!nextRecord(reader, fields, source)) {
      if (reader.failed()) {
        writeError(err, "error reading " + source);
        return exitFailure;
      }
      throw ETableError(source + " is empty: its first row must name the variables");
    }
    const std::vector<std::string> columns =
        headerNames(fields, options.variables, resultName, source);

    RowEvaluator evaluator;
    try {
      prepare(evaluator, columns, options.variables, *options.formula);
    } catch (const std::exception &e) {
      err.write("error: ");
      err.write(withFullStop(e.what()));
      err.write('\n');
      return exitFailure;
    }
    // One formula for every row: text after it is ignored, or with --strict
    // refused, once, before any row.
    if (const auto ignored = evaluator.ignoredTextOffset()) {
      const std::string_view text = std::string_view(*options.formula).substr(*ignored);
      if (options.strict) {
        err.write("error: ");
        err.write(withFullStop(ETrailingTextError(text).what()));
        err.write('\n');
        return exitFailure;
      }
      err.write("warning: ");
      err.write(ignoredTextNote(text));
      err.write('\n');
    }

    ResultTableWriter writer(delimiter, options.roundTrip);
    std::string text;
    writer.appendHeader(fields, resultName, text);
    out.write(text);

    RowOutcome outcome;
    bool allOk = true;
    while (nextRecord(reader, fields, source)) {
      if (fields.size() != columns.size())
        throw ETableError(source + ", line " + std::to_string(reader.line()) + ": " +
                          std::to_string(fields.size()) + " field" +
                          (fields.size() == 1 ? "" : "s") + " where the header has " +
                          std::to_string(columns.size()));
      evaluator.evaluateRow(fields, outcome);
      allOk = allOk && outcome.ok;
      text.clear();
      writer.appendRow(fields, outcome, text);
      out.write(text);
      if (out.failed())
        return exitFailure; // nobody reads the rest
    }
    if (reader.failed()) {
      writeError(err, "error reading " + source);
      return exitFailure;
    }
    return allOk ? 0 : exitFailure;
  } catch (const ETableError &e) {
    writeError(err, e.message());
    return exitUsage;
  }
}

} // namespace quorvex
