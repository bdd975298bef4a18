#include "commandline.h"

#include "engine/lexer.h"
#include "engine/stringhashmap.h"
#include "session/variablelist.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace quorvex {

namespace {

// Laid out as help2man reads it, which makes the manual page from it.
constexpr std::string_view usage =
    "Usage: quorvex-eval [OPTION]... [--] [FORMULA]\n"
    "  or:  quorvex-eval --table FILE [OPTION]... [--] FORMULA\n"
    "  or:  quorvex-eval --worksheet FILE [OPTION]...\n"
    "  or:  quorvex-eval --list | --help | --version\n";

// What --help says before the options and after them.
constexpr std::string_view helpIntro =
    "Evaluates Quorvex formulas.\n"
    "\n"
    "With FORMULA, computes it once and prints the result as the calculator's\n"
    "result box shows it. Without FORMULA, reads formulas from standard input,\n"
    "one per line, and prints one line per formula: the result, or \"error: \"\n"
    "and the message. All lines are computations of one session.\n"
    "\n"
    "Options:\n";

constexpr std::string_view helpExitStatus =
    "\n"
    "Exit status: 0 when every formula (or row) succeeded, 1 when one failed, 2\n"
    "for a usage error (with --table also a column the formula reads that no\n"
    "header names alone, or a row with the wrong number of fields; with\n"
    "--worksheet also a file that is no worksheet, or a -v name it does not\n"
    "declare).\n";

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

NumberFormat parseFormat(std::string_view option, std::string_view text) {
  try {
    return parseNumberFormat(text);
  } catch (const EFormatError &e) {
    throw EUsageError(std::string(option) + ": " + e.message());
  }
}

LogChoice parseLog(std::string_view text) {
  if (text == "last")
    return LogChoice::Last;
  if (text == "session")
    return LogChoice::Session;
  throw EUsageError("--log takes 'last' or 'session', not '" + std::string(text) + "'");
}

// A set of modes, one bit each.
using Modes = unsigned;
constexpr Modes modeBit(Mode mode) noexcept {
  return 1U << static_cast<unsigned>(mode);
}
constexpr Modes computing = modeBit(Mode::Single) | modeBit(Mode::Batch) |
                            modeBit(Mode::Table) | modeBit(Mode::Worksheet);

// Stores an option's value (empty for an option that takes none) into the
// options; given is the option as written ("-v" or "--var"), for messages.
using ApplyOption = void (*)(EvalOptions &options, std::string_view given,
                             std::string_view value);

// One option of the tool: the help text, the parser and the checks of which
// options go together all read it from here.
struct OptionRow {
  char shortName = '\0';       // '\0': none
  std::string_view name{};     // the long name, "--" included
  std::string_view argument{}; // as the help names it; empty: a switch
  Modes modes = 0;             // the modes it belongs to
  // The mode it selects, if any, and what FORMULA is to that mode (empty:
  // the mode takes none).
  std::optional<Mode> selects{};
  std::string_view formula{};
  std::string_view excludes{}; // the long name of an option it cannot go with
  std::string_view help{};     // its lines, "\n" between them
  ApplyOption apply = nullptr; // none: the mode it selects is all it says
};

constexpr OptionRow optionTable[] = {
    {.shortName = 'v',
     .name = "--var",
     .argument = "NAME=VALUE",
     .modes = computing,
     .help = "declare variable NAME with the value text VALUE\n"
             "(repeatable; an empty VALUE counts as 2)",
     .apply =
         [](EvalOptions &o, std::string_view given, std::string_view value) {
           o.variables.push_back(parseVariable(given, value));
         }},
    {.name = "--decimal-separator",
     .argument = "C",
     .modes = computing | modeBit(Mode::List),
     .help = "decimal separator of formulas, values and\n"
             "results (default: the locale's, else \".\")",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.decimalSeparator = parseSeparator(value); }},
    {.name = "--round-trip",
     .modes = computing,
     .help = "print the shortest exact decimal with \".\"\n"
             "instead of the 15-digit result",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view) { o.roundTrip = true; }},
    {.name = "--format",
     .argument = "FORMAT",
     .modes = computing,
     .excludes = "--round-trip",
     .help = "write results in FORMAT: general:N, sci:N or\n"
             "eng:N with N significant digits (1 to 17),\n"
             "fixed:N with N decimals (0 to 20), shortest,\n"
             "exact or hex (default general:15, as the\n"
             "result box; --log keeps general:15)",
     .apply = [](EvalOptions &o, std::string_view given,
                 std::string_view value) { o.format = parseFormat(given, value); }},
    {.name = "--strict",
     .modes = computing,
     .help = "fail a formula followed by text that it does\n"
             "not read (by default a warning on standard\n"
             "error names the ignored text)",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view) { o.strict = true; }},
    {.name = "--log",
     .argument = "last|session",
     .modes = modeBit(Mode::Single) | modeBit(Mode::Batch) | modeBit(Mode::Worksheet),
     .help = "print the last computation's or the whole\n"
             "session's log after the results",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.log = parseLog(value); }},
    {.name = "--table",
     .argument = "FILE",
     .modes = modeBit(Mode::Table),
     .selects = Mode::Table,
     .formula = "the FORMULA to evaluate for each row",
     .help = "evaluate FORMULA once per row of the CSV file\n"
             "FILE (- for standard input), whose header names\n"
             "the columns; prints each row as read with two\n"
             "more columns, the result and the error. Only\n"
             "the columns FORMULA reads must hold numbers",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.table = std::string(value); }},
    {.name = "--column",
     .argument = "NAME=HEADER",
     .modes = modeBit(Mode::Table),
     .help = "variable NAME for the column whose header is\n"
             "HEADER, e.g. --column tmax='temp max'\n"
             "(repeatable)",
     .apply =
         [](EvalOptions &o, std::string_view given, std::string_view value) {
           o.columns.push_back(parseColumn(given, value));
         }},
    {.name = "--result-name",
     .argument = "NAME",
     .modes = modeBit(Mode::Table),
     .help = "name of the result column (default F)",
     .apply =
         [](EvalOptions &o, std::string_view given, std::string_view value) {
           if (value.empty())
             throw EUsageError(std::string(given) + " needs a name");
           o.resultName = std::string(value);
         }},
    {.name = "--csv-delimiter",
     .argument = "C",
     .modes = modeBit(Mode::Table),
     .help = "field delimiter of FILE and of the output: one\n"
             "character, or tab (default , or ; when the\n"
             "decimal separator is ,)",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.csvDelimiter = parseCsvDelimiter(value); }},
    {.name = "--jobs",
     .argument = "N",
     .modes = modeBit(Mode::Table),
     .help = "compute the rows on N threads; the output is\n"
             "the same (default: the CPUs the process may use)",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.jobs = parseJobs(value); }},
    {.name = "--headerless-output",
     .modes = modeBit(Mode::Table),
     .help = "leave out the output's header line, to join the\n"
             "outputs of the parts of one file",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view) { o.headerlessOutput = true; }},
    {.name = "--worksheet",
     .argument = "FILE",
     .modes = modeBit(Mode::Worksheet),
     .selects = Mode::Worksheet,
     .help = "compute the worksheet FILE that the calculator\n"
             "saved, as it holds the formula and the values;\n"
             "-v NAME=VALUE replaces the value of a variable\n"
             "it declares. Not with --table",
     .apply = [](EvalOptions &o, std::string_view,
                 std::string_view value) { o.worksheet = std::string(value); }},
    {.name = "--list",
     .modes = modeBit(Mode::List),
     .selects = Mode::List,
     .help = "list the functions and constants formulas can\n"
             "use, with their domains and descriptions"},
    {.shortName = 'h',
     .name = "--help",
     .modes = modeBit(Mode::Help),
     .selects = Mode::Help,
     .help = "show this help"},
    {.name = "--version",
     .modes = modeBit(Mode::Version),
     .selects = Mode::Version,
     .help = "show the version"},
};

// Single and Batch are chosen by FORMULA alone, so an option that belongs to
// one belongs to the other, and any other mode an option belongs to has an
// option that selects it: then every refusal below can name what is missing.
constexpr bool everyModeIsNameable() {
  Modes selectable = modeBit(Mode::Single) | modeBit(Mode::Batch);
  for (const OptionRow &option : optionTable)
    if (option.selects)
      selectable |= modeBit(*option.selects);
  for (const OptionRow &option : optionTable) {
    const bool single = (option.modes & modeBit(Mode::Single)) != 0;
    const bool batch = (option.modes & modeBit(Mode::Batch)) != 0;
    if (single != batch || (option.modes & ~selectable) != 0)
      return false;
  }
  return true;
}
static_assert(everyModeIsNameable());

// The help's column of option names is this wide; a longer entry keeps two
// spaces before its help.
constexpr std::size_t helpColumn = 28;

std::string optionsHelp() {
  std::string text;
  for (const OptionRow &option : optionTable) {
    std::string entry = option.shortName != '\0'
                            ? std::string("  -") + option.shortName + ", "
                            : std::string(6, ' ');
    entry.append(option.name);
    if (!option.argument.empty())
      entry.append(" ").append(option.argument);
    entry.resize(std::max(entry.size() + 2, helpColumn), ' ');
    text += entry;
    std::string_view lines = option.help;
    for (;;) {
      const std::size_t end = lines.find('\n');
      text.append(lines.substr(0, end)).push_back('\n');
      if (end == std::string_view::npos)
        break;
      lines.remove_prefix(end + 1);
      text.append(helpColumn, ' ');
    }
    if (!option.excludes.empty())
      text.append(helpColumn, ' ')
          .append("(not with ")
          .append(option.excludes)
          .append(")\n");
  }
  return text;
}

// An option of the command line, as written ("-v" or "--var").
struct GivenOption {
  const OptionRow *row;
  std::string name;
};

const OptionRow *findOption(std::string_view name) noexcept {
  for (const OptionRow &option : optionTable)
    if (name == option.name ||
        (option.shortName != '\0' && name.size() == 2 && name[1] == option.shortName))
      return &option;
  return nullptr;
}

// Reads the option that starts at args[i], moving i past its value.
// "--name=value" and "--name value"; "-vNAME=VALUE" and "-v NAME=VALUE".
GivenOption readOption(const std::vector<std::string_view> &args, std::size_t &i,
                       EvalOptions &options) {
  const std::string_view arg = args[i];
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
  const OptionRow *row = findOption(name);
  if (row == nullptr)
    throw EUsageError("unknown option '" + std::string(arg) +
                      "' (put -- before a formula that starts with -)");
  std::string_view value;
  if (row->argument.empty()) {
    if (attached)
      throw EUsageError("option " + std::string(name) + " takes no value");
  } else if (attached) {
    value = *attached;
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    throw EUsageError("option " + std::string(name) + " needs a value");
  }
  if (row->apply != nullptr)
    row->apply(options, name, value);
  return {row, std::string(name)};
}

// --help and --version answer whatever else is given, --help first; else the
// first option that selects a mode selects it, and FORMULA decides between
// one computation and a batch.
Mode chosenMode(const std::vector<GivenOption> &given, bool formula) noexcept {
  for (const Mode answers : {Mode::Help, Mode::Version})
    for (const GivenOption &option : given)
      if (option.row->selects == answers)
        return answers;
  for (const GivenOption &option : given)
    if (option.row->selects)
      return *option.row->selects;
  return formula ? Mode::Single : Mode::Batch;
}

// The options that select one of modes, for a message: "--table".
std::string selectorsOf(Modes modes) {
  std::string names;
  for (const OptionRow &option : optionTable)
    if (option.selects && (modes & modeBit(*option.selects)) != 0)
      names += (names.empty() ? "" : " or ") + std::string(option.name);
  return names;
}

// Every option given belongs to the mode, and FORMULA is there exactly
// when the mode reads one.
void checkModes(const EvalOptions &options, const std::vector<GivenOption> &given) {
  const GivenOption *selector = nullptr;
  for (const GivenOption &option : given)
    if (selector == nullptr && option.row->selects == options.mode)
      selector = &option;
  for (const GivenOption &option : given) {
    if ((option.row->modes & modeBit(options.mode)) != 0)
      continue;
    if (selector != nullptr)
      throw EUsageError(option.name + " cannot be used with " + selector->name);
    throw EUsageError(option.name + " needs " + selectorsOf(option.row->modes));
  }
  if (selector == nullptr)
    return; // FORMULA chose the mode
  const std::string_view formula = selector->row->formula;
  if (formula.empty() && options.formula)
    throw EUsageError(selector->name + " takes no FORMULA");
  if (!formula.empty() && !options.formula)
    throw EUsageError(selector->name + " needs " + std::string(formula));
}

// Two options that contradict each other are refused, whichever comes first.
void refuseExclusions(const std::vector<GivenOption> &given) {
  for (const GivenOption &option : given)
    for (const GivenOption &other : given)
      if (!option.row->excludes.empty() && other.row->name == option.row->excludes)
        throw EUsageError(option.name + " cannot be used with " + other.name);
}

} // namespace

EvalOptions parseCommandLine(const std::vector<std::string_view> &args) {
  EvalOptions options;
  std::vector<GivenOption> given;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--" && !optionsEnded) {
      optionsEnded = true;
    } else if (optionsEnded || !isOptionLike(arg)) {
      if (options.formula)
        throw EUsageError("only one FORMULA may be given; quote it as one "
                          "argument");
      options.formula = std::string(arg);
    } else {
      given.push_back(readOption(args, i, options));
    }
  }
  options.mode = chosenMode(given, options.formula.has_value());
  if (options.mode == Mode::Help || options.mode == Mode::Version)
    return options;
  refuseDuplicateNames(options.variables);
  refuseColumnNameClashes(options);
  checkModes(options, given);
  refuseExclusions(given);
  return options;
}

std::string_view usageText() noexcept {
  return usage;
}

std::string helpText() {
  return std::string(helpIntro) + optionsHelp() + std::string(helpExitStatus);
}

} // namespace quorvex
