#pragma once

// One level of parentheses or argument list, held for as long as the guard
// lives. The parser hands guards out and function symbols take them while
// they read their arguments; keeping the guard apart lets both depend on it
// without depending on each other.

namespace quorvex {

class NestingGuard {
public:
  // depth has already been raised by the caller; the guard lowers it again.
  explicit NestingGuard(int &depth) noexcept : depth_(depth) {}
  ~NestingGuard() { --depth_; }
  NestingGuard(const NestingGuard &) = delete;
  NestingGuard &operator=(const NestingGuard &) = delete;

private:
  int &depth_;
};

} // namespace quorvex
