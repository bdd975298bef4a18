#include "decimalseparator.h"

namespace quorvex {

namespace {
// Set only by the GUI thread, or by the CLI before it starts any worker
// thread; the table mode's workers only read it.
char currentSeparator = '.';
// The calling thread's own separator, or 0 when it reads the process's.
thread_local char threadSeparator = 0;
} // namespace

char decimalSeparator() noexcept {
  return threadSeparator != 0 ? threadSeparator : currentSeparator;
}

void setDecimalSeparator(char separator) noexcept {
  currentSeparator = separator;
}

ThreadDecimalSeparator::ThreadDecimalSeparator(char separator) noexcept
    : previous_(threadSeparator) {
  threadSeparator = separator;
}

ThreadDecimalSeparator::~ThreadDecimalSeparator() {
  threadSeparator = previous_;
}

} // namespace quorvex
