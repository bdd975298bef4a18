#pragma once

#include <string>
#include <string_view>

// Output to a file descriptor in large blocks: a batch run writes one line
// per formula, and a system call per line would cost more than computing it.

namespace quorvex {

class BufferedOutput {
public:
  explicit BufferedOutput(int fd);
  ~BufferedOutput(); // flushes; a failure then is only remembered
  BufferedOutput(const BufferedOutput &) = delete;
  BufferedOutput &operator=(const BufferedOutput &) = delete;

  void write(std::string_view text);
  void write(char c);
  // Writes everything buffered. Returns false if any write so far failed
  // (a closed pipe, a full disk), so the tool never reports success then.
  bool flush();
  bool failed() const noexcept { return failed_; }

private:
  void writeAll(std::string_view text); // unless a write failed before

  int fd_;
  std::string buffer_;
  bool failed_ = false;
};

} // namespace quorvex
