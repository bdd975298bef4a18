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

BufferedOutput::~BufferedOutput() {
  flush();
}

void BufferedOutput::write(std::string_view text) {
  if (text.size() >= blockSize) {
    // A whole block of the table mode's rows: copying it first gains nothing.
    flush();
    writeAll(text);
    return;
  }
  buffer_.append(text);
  if (buffer_.size() >= blockSize)
    flush();
}

void BufferedOutput::write(char c) {
  buffer_.push_back(c);
  if (buffer_.size() >= blockSize)
    flush();
}

void BufferedOutput::writeAll(std::string_view text) {
  std::size_t done = 0;
  while (!failed_ && done < text.size()) {
    const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      failed_ = true;
    else
      done += static_cast<std::size_t>(n);
  }
}

bool BufferedOutput::flush() {
  writeAll(buffer_);
  // After a failure the rest is dropped: nobody can read it anyway.
  buffer_.clear();
  return !failed_;
}

} // namespace quorvex
