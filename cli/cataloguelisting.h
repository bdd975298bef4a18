#pragma once

#include <string>

// The text of quorvex-eval --list: every function and constant of the
// standard context, one a line, in registration order. Functions show their
// arguments, argument count, domain and description; constants their value
// as a result shows it (15 digits, the current decimal separator) and their
// description.

namespace quorvex {

std::string catalogueListing();

} // namespace quorvex
