#pragma once

#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/numberformat.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The command line of quorvex-eval, parsed without touching the session so
// that every usage error is found before anything is computed.

namespace quorvex {

// A command line that cannot be run; the tool prints it with its usage text
// and exits with status 2.
class EUsageError final : public Exception {
public:
  using Exception::Exception;
};

enum class LogChoice { None, Last, Session };

// What a run does: one FORMULA, the formulas of standard input, FORMULA over
// the rows of a table, a saved worksheet, or one of the texts (--list,
// --help, --version). Each option names the modes it belongs to.
enum class Mode { Single, Batch, Table, Worksheet, List, Help, Version };

struct EvalVariable {
  std::string name;   // text before the first "="
  std::string value;  // the value cell's text, converted only at Compute
  std::string option; // as given ("-v x=1"), for messages
};

// --column NAME=HEADER: the variable NAME for the column whose header is
// exactly HEADER, for headers that are no variable name.
struct ColumnName {
  std::string name;
  std::string header;
  std::string option; // as given, for messages
};

struct EvalOptions {
  Mode mode = Mode::Batch;
  std::vector<EvalVariable> variables;  // in the order given
  std::optional<std::string> formula;   // none: read formulas from stdin
  std::optional<char> decimalSeparator; // none: the locale's
  bool roundTrip = false;
  NumberFormat format; // of the results; the logs keep General 15
  bool strict = false; // text after a formula fails the line
  LogChoice log = LogChoice::None;
  // --table FILE ("-": standard input) with its result column's name and
  // the CSV delimiter (none: the one for the decimal separator).
  std::string table;
  std::optional<std::string> resultName;
  std::optional<char> csvDelimiter;
  std::vector<ColumnName> columns;
  std::optional<unsigned> jobs;  // none: the CPUs the process may use
  bool headerlessOutput = false; // the rows without the header line
  // --worksheet FILE: its formula, variables and values, the -v values in
  // place of those it holds.
  std::string worksheet;
};

// Throws EUsageError. An argument that starts with "-" and then a letter or
// "-" is an option; any other, like "-5" or "-(x)", is the formula, and after
// "--" every argument is. An option outside the modes it belongs to is a
// usage error, except beside --help or --version, which answer whatever else
// is given (once every option has parsed). Two variables whose names differ
// only in case are one variable twice, a usage error too, and so is a
// --column name that is also a -v name or another --column name.
EvalOptions parseCommandLine(const std::vector<std::string_view> &args);

std::string_view usageText() noexcept;
// What --help prints after the usage text: the options are listed from the
// table the parser reads.
std::string helpText();

} // namespace quorvex
