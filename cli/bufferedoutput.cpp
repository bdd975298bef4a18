#include "bufferedoutput.h"

#include <cerrno>
#include <unistd.h>

namespace quorvex {

namespace {
constexpr std::size_t blockSize = 1 << 16;
} // namespace

BufferedOutput::BufferedOutput(int fd) : fd_(fd) {
  buffer_.reserve(blockSize * 2);
}

BufferedOutput::~BufferedOutput() { flush(); }

void BufferedOutput::write(std::string_view text) {
  buffer_.append(text);
  if (buffer_.size() >= blockSize)
    flush();
}

void BufferedOutput::write(char c) {
  buffer_.push_back(c);
  if (buffer_.size() >= blockSize)
    flush();
}

bool BufferedOutput::flush() {
  std::size_t done = 0;
  while (!failed_ && done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      failed_ = true;
    else
      done += static_cast<std::size_t>(n);
  }
  // After a failure the rest is dropped: nobody can read it anyway.
  buffer_.clear();
  return !failed_;
}

} // namespace quorvex
