#include "commandline.h"

#include "session/variablelist.h"

#include <cctype>

namespace quorvex {

namespace {

constexpr std::string_view usage =
    "usage: quorvex-eval [-v NAME=VALUE]... [--decimal-separator C]\n"
    "                    [--round-trip] [--strict] [--log last|session]\n"
    "                    [--] [FORMULA]\n"
    "       quorvex-eval --help | --version\n";

constexpr std::string_view help =
    "Evaluates Quorvex formulas.\n"
    "\n"
    "With FORMULA, computes it once and prints the result as the calculator's\n"
    "result box shows it. Without FORMULA, reads formulas from standard input,\n"
    "one per line, and prints one line per formula: the result, or \"error: \"\n"
    "and the message. All lines are computations of one session.\n"
    "\n"
    "  -v, --var NAME=VALUE      declare variable NAME with the value text VALUE\n"
    "                            (repeatable; an empty VALUE counts as 2)\n"
    "      --decimal-separator C decimal separator of formulas, values and\n"
    "                            results (default: the locale's, else \".\")\n"
    "      --round-trip          print the shortest exact decimal with \".\"\n"
    "                            instead of the 15-digit result\n"
    "      --strict              fail a formula followed by text that it does\n"
    "                            not read (by default a warning on standard\n"
    "                            error names the ignored text)\n"
    "      --log last|session    print the last computation's or the whole\n"
    "                            session's log after the results\n"
    "  -h, --help                show this help\n"
    "      --version             show the version\n"
    "\n"
    "Exit status: 0 when every formula succeeded, 1 when one failed, 2 for a\n"
    "usage error.\n";

// The formula symbols a separator must not shadow.
constexpr std::string_view formulaSymbols = "+-*/();<>=";

bool isOptionLike(std::string_view arg) noexcept {
  return arg.size() >= 2 && arg[0] == '-' &&
         (arg[1] == '-' ||
          std::isalpha(static_cast<unsigned char>(arg[1])) != 0);
}

EvalVariable parseVariable(std::string_view arg) {
  const std::size_t equals = arg.find('=');
  if (equals == std::string_view::npos)
    throw EUsageError("variable '" + std::string(arg) +
                      "' needs the form NAME=VALUE");
  const std::string_view name = arg.substr(0, equals);
  // A name the Assign list would drop or split would shift every later value
  // onto the wrong variable, so it is refused here.
  if (trimControl(name).empty())
    throw EUsageError("variable '" + std::string(arg) + "' has no name");
  if (name.find(';') != std::string_view::npos)
    throw EUsageError("variable name '" + std::string(name) +
                      "' must not contain ';'");
  return {std::string(name), std::string(arg.substr(equals + 1))};
}

char parseSeparator(std::string_view text) {
  if (text.size() != 1 || !isUsableSeparator(text[0]))
    throw EUsageError("decimal separator '" + std::string(text) +
                      "' must be one punctuation character such as . or ,");
  return text[0];
}

LogChoice parseLog(std::string_view text) {
  if (text == "last")
    return LogChoice::Last;
  if (text == "session")
    return LogChoice::Session;
  throw EUsageError("--log takes 'last' or 'session', not '" +
                    std::string(text) + "'");
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
      options.variables.push_back(parseVariable(value()));
    } else if (name == "--decimal-separator") {
      options.decimalSeparator = parseSeparator(value());
    } else if (name == "--log") {
      options.log = parseLog(value());
    } else if (name == "--round-trip") {
      noValue();
      options.roundTrip = true;
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
  return options;
}

std::string_view usageText() noexcept { return usage; }
std::string_view helpText() noexcept { return help; }

} // namespace quorvex
