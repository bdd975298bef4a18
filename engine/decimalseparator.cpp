#include "decimalseparator.h"

#include <cctype>
#include <string_view>

namespace quorvex {

namespace {
// Set only by the GUI thread, or by the CLI before it starts any worker
// thread; the table mode's workers only read it.
char currentSeparator = '.';
// The calling thread's own separator, or 0 when it reads the process's.
thread_local char threadSeparator = 0;

// The formula symbols a separator must not shadow, and "_", which the
// lexer reads as part of a name ("1_5" would be 1 and the name "_5").
constexpr std::string_view formulaSymbols = "+-*/();<>=_";
} // namespace

char decimalSeparator() noexcept {
  return threadSeparator != 0 ? threadSeparator : currentSeparator;
}

void setDecimalSeparator(char separator) noexcept {
  currentSeparator = separator;
}

bool isUsableSeparator(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  return u < 128 && std::ispunct(u) != 0 &&
         formulaSymbols.find(c) == std::string_view::npos;
}

ThreadDecimalSeparator::ThreadDecimalSeparator(char separator) noexcept
    : previous_(threadSeparator) {
  threadSeparator = separator;
}

ThreadDecimalSeparator::~ThreadDecimalSeparator() {
  threadSeparator = previous_;
}

} // namespace quorvex
