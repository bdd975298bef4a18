#include "commandline.h"

#include "engine/lexer.h"
#include "engine/stringhashmap.h"
#include "session/variablelist.h"

#include <cctype>
#include <map>

namespace quorvex {

namespace {

// Laid out as help2man reads it, which makes the manual page from it.
constexpr std::string_view usage =
    "Usage: quorvex-eval [OPTION]... [--] [FORMULA]\n"
    "  or:  quorvex-eval --table FILE [OPTION]... [--] FORMULA\n"
    "  or:  quorvex-eval --list | --help | --version\n";

constexpr std::string_view help =
    "Evaluates Quorvex formulas.\n"
    "\n"
    "With FORMULA, computes it once and prints the result as the calculator's\n"
    "result box shows it. Without FORMULA, reads formulas from standard input,\n"
    "one per line, and prints one line per formula: the result, or \"error: \"\n"
    "and the message. All lines are computations of one session.\n"
    "\n"
    "Options:\n"
    "  -v, --var NAME=VALUE      declare variable NAME with the value text VALUE\n"
    "                            (repeatable; an empty VALUE counts as 2)\n"
    "      --decimal-separator C  decimal separator of formulas, values and\n"
    "                            results (default: the locale's, else \".\")\n"
    "      --round-trip          print the shortest exact decimal with \".\"\n"
    "                            instead of the 15-digit result\n"
    "      --strict              fail a formula followed by text that it does\n"
    "                            not read (by default a warning on standard\n"
    "                            error names the ignored text)\n"
    "      --log last|session    print the last computation's or the whole\n"
    "                            session's log after the results\n"
    "      --table FILE          evaluate FORMULA once per row of the CSV file\n"
    "                            FILE (- for standard input), whose header names\n"
    "                            the columns; prints each row as read with two\n"
    "                            more columns, the result and the error. Only\n"
    "                            the columns FORMULA reads must hold numbers\n"
    "      --column NAME=HEADER  variable NAME for the column whose header is\n"
    "                            HEADER, e.g. --column tmax='temp max'\n"
    "                            (repeatable)\n"
    "      --result-name NAME    name of the result column (default F)\n"
    "      --csv-delimiter C     field delimiter of FILE and of the output: one\n"
    "                            character, or tab (default , or ; when the\n"
    "                            decimal separator is ,)\n"
    "      --jobs N              compute the rows on N threads; the output is\n"
    "                            the same (default: the CPUs the process may use)\n"
    "      --headerless-output   leave out the output's header line, to join the\n"
    "                            outputs of the parts of one file\n"
    "      --list                list the functions and constants formulas can\n"
    "                            use, with their domains and descriptions\n"
    "  -h, --help                show this help\n"
    "      --version             show the version\n"
    "\n"
    "Exit status: 0 when every formula (or row) succeeded, 1 when one failed, 2\n"
    "for a usage error (with --table also a column the formula reads that no\n"
    "header names alone, or a row with the wrong number of fields).\n";

// The formula symbols a separator must not shadow, and "_", which the
// lexer reads as part of a name ("1_5" would be 1 and the name "_5").
constexpr std::string_view formulaSymbols = "+-*/();<>=_";

// Every usable separator, in byte order, for the message that refuses one.
std::string usableSeparators() {
  std::string list;
  for (char c = '!'; c <= '~'; ++c)
    if (isUsableSeparator(c)) {
      list += list.empty() ? "" : " ";
      list += c;
    }
  return list;
}

bool isOptionLike(std::string_view arg) noexcept {
  return arg.size() >= 2 && arg[0] == '-' &&
         (arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1])) != 0);
}

// Only a name the lexer reads as one can be written in a formula; any other
// would bind a variable no formula can use (and one the Assign list drops or
// splits would shift every later value onto the wrong variable).
void requireIdentifier(std::string_view name, const std::string &given) {
  if (!isIdentifier(name))
    throw EUsageError("'" + given + "': '" + std::string(name) +
                      "' is not a variable name (a letter or _, then letters, digits "
                      "or _)");
}

EvalVariable parseVariable(std::string_view option, std::string_view arg) {
  const std::size_t equals = arg.find('=');
  if (equals == std::string_view::npos)
    throw EUsageError("variable '" + std::string(arg) + "' needs the form NAME=VALUE");
  const std::string_view name = arg.substr(0, equals);
  if (trimControl(name).empty())
    throw EUsageError("variable '" + std::string(arg) + "' has no name");
  const std::string given = std::string(option) + " " + std::string(arg);
  // Blanks around the name are the Assign list's to trim.
  requireIdentifier(trimControl(name), given);
  return {std::string(name), std::string(arg.substr(equals + 1)), given};
}

// The evaluator would refuse the second binding with its internal message;
// naming both options tells the user which two collide.
void refuseDuplicateNames(const std::vector<EvalVariable> &variables) {
  const TCaseInsensitiveTraits &traits = TCaseInsensitiveTraits::Instance();
  const auto less = [&traits](std::string_view a, std::string_view b) {
    return traits.Compare(a, b) < 0;
  };
  // Names as the Assign list will bind them: trimmed, compared without case.
  std::map<std::string_view, const EvalVariable *, decltype(less)> seen(less);
  for (const EvalVariable &v : variables) {
    const auto [it, added] = seen.emplace(trimControl(v.name), &v);
    if (!added)
      throw EUsageError("options '" + it->second->option + "' and '" + v.option +
                        "' declare the same variable (names ignore case)");
  }
}

char parseSeparator(std::string_view text) {
  if (text.size() != 1 || !isUsableSeparator(text[0]))
    throw EUsageError("decimal separator '" + std::string(text) +
                      "' must be one of these characters: " + usableSeparators());
  return text[0];
}

char parseCsvDelimiter(std::string_view text) {
  if (text == "tab")
    return '\t';
  if (text.size() != 1 || text[0] == '"' || text[0] == '\r' || text[0] == '\n')
    throw EUsageError("CSV delimiter '" + std::string(text) +
                      "' must be one character other than a quote or a line break, "
                      "or tab");
  return text[0];
}

ColumnName parseColumn(std::string_view option, std::string_view arg) {
  const std::size_t equals = arg.find('=');
  const std::string given = std::string(option) + " " + std::string(arg);
  if (equals == std::string_view::npos)
    throw EUsageError("'" + given + "' needs the form NAME=HEADER");
  const std::string_view name = arg.substr(0, equals);
  requireIdentifier(name, given);
  return {std::string(name), std::string(arg.substr(equals + 1)), given};
}

// Beyond this many threads a job would get too few rows to pay for itself.
constexpr unsigned maxJobs = 1024;

unsigned parseJobs(std::string_view text) {
  unsigned jobs = 0;
  const bool digits = !text.empty() && text.size() <= 4 &&
                      text.find_first_not_of("0123456789") == std::string_view::npos;
  if (digits)
    for (const char c : text)
      jobs = jobs * 10 + static_cast<unsigned>(c - '0');
  if (!digits || jobs < 1 || jobs > maxJobs)
    throw EUsageError("--jobs takes a whole number from 1 to " + std::to_string(maxJobs) +
                      ", not '" + std::string(text) + "'");
  return jobs;
}

// A --column name must be unique among the variables as they are bound:
// trimmed, compared without case.
void refuseColumnNameClashes(const EvalOptions &options) {
  const TCaseInsensitiveTraits &traits = TCaseInsensitiveTraits::Instance();
  for (std::size_t i = 0; i < options.columns.size(); ++i) {
    const ColumnName &column = options.columns[i];
    for (const EvalVariable &v : options.variables)
      if (traits.Compare(column.name, trimControl(v.name)) == 0)
        throw EUsageError("options '" + v.option + "' and '" + column.option +
                          "' declare the same variable (names ignore case)");
    for (std::size_t j = 0; j < i; ++j)
      if (traits.Compare(column.name, options.columns[j].name) == 0)
        throw EUsageError("options '" + options.columns[j].option + "' and '" +
                          column.option +
                          "' declare the same variable (names ignore "
                          "case)");
  }
}

// The options that only make sense together.
void checkCombinations(const EvalOptions &options) {
  if (!options.table) {
    const char *tableOnly = options.resultName         ? "--result-name"
                            : options.csvDelimiter     ? "--csv-delimiter"
                            : !options.columns.empty() ? "--column"
                            : options.jobs             ? "--jobs"
                            : options.headerlessOutput ? "--headerless-output"
                                                       : nullptr;
    if (tableOnly != nullptr)
      throw EUsageError(std::string(tableOnly) + " needs --table");
    return;
  }
  if (!options.formula)
    throw EUsageError("--table needs the FORMULA to evaluate for each row");
  if (options.log != LogChoice::None)
    throw EUsageError("--log cannot be used with --table, which keeps no session log");
  if (options.resultName && options.resultName->empty())
    throw EUsageError("--result-name needs a name");
}

LogChoice parseLog(std::string_view text) {
  if (text == "last")
    return LogChoice::Last;
  if (text == "session")
    return LogChoice::Session;
  throw EUsageError("--log takes 'last' or 'session', not '" + std::string(text) + "'");
}

} // namespace

bool isUsableSeparator(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  return u < 128 && std::ispunct(u) != 0 &&
         formulaSymbols.find(c) == std::string_view::npos;
}

EvalOptions parseCommandLine(const std::vector<std::string_view> &args) {
  EvalOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || !isOptionLike(arg)) {
      if (options.formula)
        throw EUsageError("only one FORMULA may be given; quote it as one "
                          "argument");
      options.formula = std::string(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // "--name=value" and "--name value"; "-vNAME=VALUE" and "-v NAME=VALUE".
    std::string_view name = arg;
    std::optional<std::string_view> attached;
    if (arg.starts_with("--")) {
      if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
        name = arg.substr(0, eq);
        attached = arg.substr(eq + 1);
      }
    } else if (arg.size() > 2) {
      name = arg.substr(0, 2);
      attached = arg.substr(2);
    }
    auto value = [&]() -> std::string_view {
      if (attached)
        return *attached;
      if (i + 1 >= args.size())
        throw EUsageError("option " + std::string(name) + " needs a value");
      return args[++i];
    };
    auto noValue = [&] {
      if (attached)
        throw EUsageError("option " + std::string(name) + " takes no value");
    };
    if (name == "-v" || name == "--var") {
      options.variables.push_back(parseVariable(name, value()));
    } else if (name == "--decimal-separator") {
      options.decimalSeparator = parseSeparator(value());
    } else if (name == "--log") {
      options.log = parseLog(value());
    } else if (name == "--table") {
      options.table = std::string(value());
    } else if (name == "--result-name") {
      options.resultName = std::string(value());
    } else if (name == "--csv-delimiter") {
      options.csvDelimiter = parseCsvDelimiter(value());
    } else if (name == "--column") {
      options.columns.push_back(parseColumn(name, value()));
    } else if (name == "--jobs") {
      options.jobs = parseJobs(value());
    } else if (name == "--headerless-output") {
      noValue();
      options.headerlessOutput = true;
    } else if (name == "--round-trip") {
      noValue();
      options.roundTrip = true;
    } else if (name == "--list") {
      noValue();
      options.list = true;
    } else if (name == "--strict") {
      noValue();
      options.strict = true;
    } else if (name == "-h" || name == "--help") {
      noValue();
      options.help = true;
    } else if (name == "--version") {
      noValue();
      options.version = true;
    } else {
      throw EUsageError("unknown option '" + std::string(arg) +
                        "' (put -- before a formula that starts with -)");
    }
  }
  refuseDuplicateNames(options.variables);
  refuseColumnNameClashes(options);
  checkCombinations(options);
  return options;
}

std::string_view usageText() noexcept {
  return usage;
}
std::string_view helpText() noexcept {
  return help;
}

} // namespace quorvex
