#include "decimalseparator.h"

namespace quorvex {

namespace {
// Single-threaded by design: only the GUI thread (or the one CLI thread)
// touches it.
char currentSeparator = '.';
} // namespace

char decimalSeparator() noexcept { return currentSeparator; }

void setDecimalSeparator(char separator) noexcept {
  currentSeparator = separator;
}

} // namespace quorvex
