#pragma once

#include <string>
#include <string_view>

// Output to a file descriptor in large blocks: a batch run writes one line
// per formula, and a system call per line would cost more than computing it.

namespace quorvex {

class TBufferedOutput {
public:
  explicit TBufferedOutput(int fd);
  ~TBufferedOutput(); // flushes; a failure then is only remembered
  TBufferedOutput(const TBufferedOutput &) = delete;
  TBufferedOutput &operator=(const TBufferedOutput &) = delete;

  void Write(std::string_view text);
  void Write(char c);
  // Writes everything buffered. Returns false if any write so far failed
  // (a closed pipe, a full disk), so the tool never reports success then.
  bool Flush();
  bool Failed() const noexcept { return failed_; }

private:
  int fd_;
  std::string buffer_;
  bool failed_ = false;
};

} // namespace quorvex
