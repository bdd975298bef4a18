#include "tablemode.h"

#include "bufferedoutput.h"
#include "commandline.h"
#include "csvblockreader.h"
#include "csvreader.h"
#include "orderedworkers.h"
#include "tablejob.h"
#include "terminaltext.h"

#include "engine/decimalseparator.h"
#include "engine/lexer.h"
#include "engine/messagetext.h"
#include "engine/workerpool.h"
#include "session/calculatorsession.h"
#include "session/csvwriter.h"
#include "session/rowevaluator.h"
#include "session/variablelist.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace quorvex {

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// The input is handed to the jobs in blocks of about this many bytes: large
// enough that a block costs little to hand over, small enough that the jobs
// share the work evenly and that a few blocks per job in flight stay small.
constexpr std::size_t blockBytes = 1 << 16;
// Blocks in flight per job: one computing, one waiting for it.
constexpr std::size_t blocksPerJob = 2;

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

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

std::string columnOf(std::size_t column) {
  return "column " + std::to_string(column + 1);
}

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

// One variable of the evaluators: a column, a -v value, or a name that two
// of them give and that the formula therefore must not read.
struct TableVariable {
  std::string name;
  std::optional<std::size_t> column;
  const EvalVariable *fixed = nullptr;
  std::string clash; // the usage error if the formula reads the name
};

// The variables the header and the options give, in slot order: the columns
// whose header is a name (trimmed as the Assign box trims one), then the -v
// variables, then the --column names. A header that is no name is only
// text, and so is a name that clashes, until the formula reads it.
std::vector<TableVariable> tableVariables(const std::vector<std::string> &header,
                                          const EvalOptions &options,
                                          const std::string &resultName,
                                          const std::string &source) {
  std::vector<TableVariable> variables;
  const auto find = [&variables](std::string_view name) -> TableVariable * {
    for (TableVariable &variable : variables)
      if (equalsIgnoringCase(variable.name, name))
        return &variable;
    return nullptr;
  };
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == resultName || header[i] == "error")
      throw ETableError("the output would have two columns " + quoted(header[i]) + " (" +
                        columnOf(i) + " of " + source +
                        "); choose another result name with --result-name");
    const std::string_view name = trimControl(header[i]);
    if (!isIdentifier(name))
      continue;
    if (TableVariable *earlier = find(name)) {
      if (earlier->clash.empty())
        earlier->clash = source + ": " + columnOf(i) + " of the header, " +
                         quoted(header[i]) + ", repeats " + columnOf(*earlier->column);
      continue;
    }
    variables.push_back({std::string(name), i, nullptr, {}});
  }
  for (const EvalVariable &fixed : options.variables) {
    const std::string_view name = trimControl(fixed.name);
    if (TableVariable *column = find(name)) {
      if (column->clash.empty())
        column->clash = "variable " + quoted(fixed.name) + " is given with -v and is " +
                        columnOf(*column->column) + " of " + source;
      continue;
    }
    variables.push_back({std::string(name), std::nullopt, &fixed, {}});
  }
  for (const ColumnName &named : options.columns) {
    std::optional<std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i) {
      if (header[i] != named.header)
        continue;
      if (column)
        throw ETableError(quoted(named.option) + ": " + columnOf(*column) + " and " +
                          columnOf(i) + " of " + source + " both have the header " +
                          quoted(named.header));
      column = i;
    }
    if (!column)
      throw ETableError(quoted(named.option) + ": no column of " + source +
                        " has the header " + quoted(named.header));
    if (const TableVariable *other = find(named.name)) {
      if (other->column == column)
        continue; // the column's own name, spelled again
      // A -v name was refused with the command line already.
      throw ETableError(
          quoted(named.option) + ": " + quoted(named.name) + " is also " +
          (other->column ? "the header of " + columnOf(*other->column) + " of " + source
                         : "given with -v"));
    }
    variables.push_back({named.name, column, nullptr, {}});
  }
  return variables;
}

// Binds the variables in order, a -v variable holding its value, then
// compiles the formula. Throws what a Compute would report for these
// names, values and formula.
std::unique_ptr<RowEvaluator>
preparedEvaluator(const std::vector<TableVariable> &variables,
                  const std::string &formula) {
  auto evaluator = std::make_unique<RowEvaluator>();
  for (const TableVariable &variable : variables) {
    const std::size_t slot = evaluator->addVariable(variable.name);
    // As in the other modes (and the grid), an empty value counts as 2.
    if (variable.fixed != nullptr)
      evaluator->setValueText(
          slot, variable.fixed->value.empty() ? "2" : variable.fixed->value);
  }
  evaluator->compile(formula);
  return evaluator;
}

// For a formula naming something that is not there: the names the columns
// offer, since a header that is no name offers none.
std::string columnNamesNote(const std::vector<TableVariable> &variables,
                            const std::string &source) {
  std::string names;
  for (const TableVariable &variable : variables)
    if (variable.column && variable.clash.empty())
      names += (names.empty() ? "" : ", ") + variable.name;
  if (names.empty())
    return "note: no column of " + source +
           " has a header that a formula can name; name one with --column NAME=HEADER";
  return "note: the columns of " + source + " that a formula can name: " + names +
         "; name another with --column NAME=HEADER";
}

// Writes the rows of blocks in input order and keeps the outcome so far.
class TableOutput {
public:
  explicit TableOutput(BufferedOutput &out) : out_(out) {}
  // False when the output failed: nobody reads the rest. Throws the block's
  // usage error after its rows.
  bool write(const TableBlock &block) {
    out_.write(block.output);
    allOk_ = allOk_ && block.allOk;
    if (!block.usageError.empty())
      throw ETableError(block.usageError);
    return !out_.failed();
  }
  void flush() { out_.flush(); }
  bool allOk() const noexcept { return allOk_; }

private:
  BufferedOutput &out_;
  bool allOk_ = true;
};

// The blocks computed one after the other on this thread.
bool runInline(CsvBlockReader &reader, CsvBlockReader::Status status, TableBlock &block,
               TableJob &job, TableOutput &output) {
  for (;;) {
    if (!block.input.empty()) {
      job.run(block);
      if (!output.write(block))
        return false;
    }
    if (status == CsvBlockReader::Status::End)
      return true;
    if (status == CsvBlockReader::Status::Waiting)
      output.flush();
    status = reader.next(block.input, block.firstLine, blockBytes);
  }
}

// The blocks computed on one thread per job, written in input order: each
// as soon as it and every block before it are done, and all of them before
// the reader waits for input.
bool runInParallel(CsvBlockReader &reader, CsvBlockReader::Status status,
                   std::unique_ptr<TableBlock> block,
                   std::vector<std::unique_ptr<TableJob>> &jobs, TableOutput &output) {
  OrderedWorkers<TableBlock> workers(
      jobs.size(), [&jobs](std::size_t worker, TableBlock &b) { jobs[worker]->run(b); });
  const std::size_t maxInFlight = blocksPerJob * jobs.size();
  std::vector<std::unique_ptr<TableBlock>> spare;
  for (;;) {
    if (!block->input.empty()) {
      workers.submit(std::move(block));
      if (spare.empty()) {
        block = std::make_unique<TableBlock>();
      } else {
        block = std::move(spare.back());
        spare.pop_back();
      }
    }
    const bool drain = status != CsvBlockReader::Status::Full;
    while (auto done = workers.takeOldest(drain || workers.inFlight() >= maxInFlight)) {
      if (!output.write(*done))
        return false;
      spare.push_back(std::move(done));
    }
    if (status == CsvBlockReader::Status::End)
      return true;
    if (status == CsvBlockReader::Status::Waiting)
      output.flush();
    status = reader.next(block->input, block->firstLine, blockBytes);
  }
}

// What the command line fixed for the whole run.
struct TableSettings {
  const EvalOptions &options;
  std::string source; // "standard input" or the file, for messages
  std::string resultName;
  char delimiter;
};

// Reports input that could not be read to its end; returns the status.
int readFailed(BufferedOutput &err, const TableSettings &settings) {
  writeMessage(err, "quorvex-eval: ", "error reading " + settings.source);
  return exitFailure;
}

// Reads the first block of the input, which holds at least the header
// record. Throws ETableError for an input without one and for a named file
// that cannot be read; false when standard input cannot be read.
bool readFirstBlock(CsvBlockReader &reader, TableBlock &block,
                    CsvBlockReader::Status &status, const TableSettings &settings) {
  do
    status = reader.next(block.input, block.firstLine, 1);
  while (block.input.empty() && status == CsvBlockReader::Status::Waiting);
  if (!block.input.empty())
    return true;
  // A file that opens but cannot be read, a directory say, names no table
  // just as a missing one does; standard input is the caller's.
  if (reader.failed() && settings.options.table != "-")
    throw ETableError("cannot read " + quoted(settings.options.table) + ": " +
                      std::strerror(reader.readError()));
  if (reader.failed())
    return false;
  throw ETableError(settings.source + " is empty: its first row must name the variables");
}

// The header's fields, and its record as the output writes it.
struct TableHeader {
  std::vector<std::string> fields;
  std::string text;
};

// Takes the header record off the front of block, which then holds the
// first rows.
TableHeader takeHeader(TableBlock &block, const TableSettings &settings) {
  TableHeader header;
  std::size_t end = 0;
  {
    CsvReader reader(block.input, settings.delimiter, block.firstLine);
    std::vector<std::string_view> fields;
    try {
      reader.next(fields);
    } catch (const ECsvError &e) {
      throw ETableError(settings.source + ", line " + std::to_string(reader.line()) +
                        ": " + e.message());
    }
    header.fields.assign(fields.begin(), fields.end());
    appendRecordAsRead(reader, fields, settings.delimiter, header.text);
    end = reader.offset();
  }
  block.firstLine += static_cast<std::size_t>(std::count(
      block.input.begin(), block.input.begin() + static_cast<long>(end), '\n'));
  block.input.erase(0, end);
  return header;
}

// The first job's evaluator. Null once the error is reported, with the
// names the columns offer when the formula names something not there.
std::unique_ptr<RowEvaluator> compileFormula(const std::vector<TableVariable> &variables,
                                             const TableSettings &settings,
                                             BufferedOutput &err) {
  try {
    return preparedEvaluator(variables, *settings.options.formula);
  } catch (const std::exception &e) {
    writeMessage(err, "error: ", withFullStop(messageOf(e)));
    const auto *parseError = dynamic_cast<const EExprEvalError *>(&e);
    if (parseError != nullptr &&
        parseError->message().starts_with("Parse error: Unknown symbol: "))
      writeMessage(err, "", columnNamesNote(variables, settings.source));
    return nullptr;
  }
}

// The columns the compiled formula reads and their slots. Throws the clash
// of a name it reads that two columns, or a column and -v, give.
TableLayout tableLayout(const RowEvaluator &first,
                        const std::vector<TableVariable> &variables,
                        std::size_t fieldCount, const TableSettings &settings) {
  TableLayout layout;
  layout.delimiter = settings.delimiter;
  layout.fieldCount = fieldCount;
  layout.source = settings.source;
  for (const std::size_t slot : first.slotsRead()) {
    const TableVariable &variable = variables[slot];
    if (!variable.clash.empty())
      throw ETableError(variable.clash);
    if (variable.column) {
      layout.readColumns.push_back(*variable.column);
      layout.readSlots.push_back(slot);
    }
  }
  return layout;
}

// One formula for every row: text after it is ignored, or with --strict
// refused, once, before any row. False when refused.
bool acceptIgnoredText(const RowEvaluator &first, const EvalOptions &options,
                       BufferedOutput &err) {
  const auto ignored = first.ignoredTextOffset();
  if (!ignored)
    return true;
  const std::string_view text = std::string_view(*options.formula).substr(*ignored);
  if (options.strict) {
    writeMessage(err, "error: ", withFullStop(ETrailingTextError(text).message()));
    return false;
  }
  writeMessage(err, "warning: ", ignoredTextNote(text));
  return true;
}

// Every job's evaluator is made here, on this thread: compiling reads the
// shared standard context, computing reads only the job's own.
std::vector<std::unique_ptr<TableJob>>
makeJobs(const TableLayout &layout, std::unique_ptr<RowEvaluator> first,
         const std::vector<TableVariable> &variables, const EvalOptions &options) {
  const unsigned jobCount = options.jobs.value_or(usableCpus());
  std::vector<std::unique_ptr<TableJob>> jobs;
  jobs.push_back(std::make_unique<TableJob>(layout, std::move(first), options.roundTrip,
                                            options.format));
  for (unsigned i = 1; i < jobCount; ++i)
    jobs.push_back(
        std::make_unique<TableJob>(layout, preparedEvaluator(variables, *options.formula),
                                   options.roundTrip, options.format));
  return jobs;
}

void writeHeaderLine(const TableHeader &header, const TableSettings &settings,
                     BufferedOutput &out) {
  std::string text = header.text;
  text.push_back(settings.delimiter);
  ResultTableWriter(settings.delimiter, settings.options.roundTrip,
                    settings.options.format)
      .appendResultNames(settings.resultName, text);
  out.write(text);
}

// Computes and writes the rows, from block on; returns the exit status.
int runRows(CsvBlockReader &reader, CsvBlockReader::Status status,
            std::unique_ptr<TableBlock> block,
            std::vector<std::unique_ptr<TableJob>> &jobs, const TableSettings &settings,
            BufferedOutput &out, BufferedOutput &err) {
  TableOutput output(out);
  const bool written =
      jobs.size() == 1 ? runInline(reader, status, *block, *jobs.front(), output)
                       : runInParallel(reader, status, std::move(block), jobs, output);
  if (!written)
    return exitFailure; // nobody reads the rest
  if (reader.failed())
    return readFailed(err, settings);
  return output.allOk() ? 0 : exitFailure;
}

} // namespace

int runTable(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err) {
  const TableSettings settings{
      options, options.table == "-" ? std::string("standard input") : options.table,
      options.resultName.value_or("F"),
      options.csvDelimiter.value_or(csvDelimiterFor(decimalSeparator()))};
  try {
    if (settings.resultName == "error")
      throw ETableError("the result column cannot be named 'error', the name of the "
                        "error column");
    InputFile input(options.table);
    CsvBlockReader reader(input.fd(), settings.delimiter, true);
    auto block = std::make_unique<TableBlock>();
    CsvBlockReader::Status status{};
    if (!readFirstBlock(reader, *block, status, settings))
      return readFailed(err, settings);
    const TableHeader header = takeHeader(*block, settings);
    const std::vector<TableVariable> variables =
        tableVariables(header.fields, options, settings.resultName, settings.source);
    std::unique_ptr<RowEvaluator> first = compileFormula(variables, settings, err);
    if (first == nullptr)
      return exitFailure;
    const TableLayout layout =
        tableLayout(*first, variables, header.fields.size(), settings);
    if (!acceptIgnoredText(*first, options, err))
      return exitFailure;
    std::vector<std::unique_ptr<TableJob>> jobs =
        makeJobs(layout, std::move(first), variables, options);
    if (!options.headerlessOutput)
      writeHeaderLine(header, settings, out);
    return runRows(reader, status, std::move(block), jobs, settings, out, err);
  } catch (const ETableError &e) {
    writeMessage(err, "quorvex-eval: ", e.message());
    return exitUsage;
  }
}

} // namespace quorvex
