#include "decimalseparator.h"

namespace quorvex {

namespace {
// Set only by the GUI thread, or by the CLI before it starts any worker
// thread; the table mode's workers only read it.
char currentSeparator = '.';
} // namespace

char decimalSeparator() noexcept {
  return currentSeparator;
}

void setDecimalSeparator(char separator) noexcept {
  currentSeparator = separator;
}

} // namespace quorvex
