#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Reads lines from a file descriptor in large blocks. A line ends at "\n";
// one "\r" before it is dropped too, so files written with CRLF endings give
// the same formulas. A last line without "\n" still counts; an empty input
// gives no line.
//
// A program that drives the tool line by line waits for each answer before
// it writes the next line, so whatever answers are still buffered must go
// out before a read that would wait: the reader calls beforeWait then.

namespace quorvex {

class LineReader {
public:
  explicit LineReader(int fd, std::function<void()> beforeWait = {});
  LineReader(const LineReader &) = delete;
  LineReader &operator=(const LineReader &) = delete;

  // The next line, valid until the following call. False at the end of the
  // input; a read error also ends it and is reported by failed().
  bool next(std::string_view &line);
  bool failed() const noexcept { return failed_; }

private:
  bool fill(); // reads more input; false at end or on error

  int fd_;
  std::function<void()> beforeWait_;
  std::string buffer_;
  std::size_t start_ = 0; // first byte not yet handed out
  bool atEnd_ = false;
  bool failed_ = false;
};

} // namespace quorvex
