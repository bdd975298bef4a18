#pragma once

#include "engine/errors.h"

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

enum class TLogChoice { None, Last, Session };

struct TEvalVariable {
  std::string Name;  // text before the first "="
  std::string Value; // the value cell's text, converted only at Compute
};

struct TEvalOptions {
  std::vector<TEvalVariable> Variables; // in the order given
  std::optional<std::string> Formula;   // none: read formulas from stdin
  std::optional<char> DecimalSeparator; // none: the locale's
  bool RoundTrip = false;
  TLogChoice Log = TLogChoice::None;
  bool Help = false;
  bool Version = false;
};

// Throws EUsageError. An argument that starts with "-" and then a letter or
// "-" is an option; any other, like "-5" or "-(x)", is the formula, and after
// "--" every argument is.
TEvalOptions ParseCommandLine(const std::vector<std::string_view> &args);

// Whether c may serve as a decimal separator: one ASCII punctuation
// character that is not part of the formula syntax.
bool IsUsableSeparator(char c) noexcept;

std::string_view UsageText() noexcept;
std::string_view HelpText() noexcept;

} // namespace quorvex
