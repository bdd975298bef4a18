#include "linereader.h"

#include "blockread.h"

#include <poll.h>
#include <utility>

namespace quorvex {

namespace {
constexpr std::size_t blockSize = 1 << 16;

// Whether a read would return at once: input, end of input or an error is
// pending. A file is always ready; so is a pipe that a bulk writer keeps
// full, which therefore never pays for a flush here.
bool inputReady(int fd) noexcept {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) > 0;
}
} // namespace

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)) {
  buffer_.reserve(blockSize * 2);
}

bool LineReader::fill() {
  if (atEnd_)
    return false;
  if (beforeWait_ && !inputReady(fd_))
    beforeWait_();
  const ssize_t n = readBlock(fd_, buffer_, start_, blockSize);
  if (n <= 0) {
    atEnd_ = true;
    failed_ = n < 0;
    return false;
  }
  return true;
}

bool LineReader::next(std::string_view &line) {
  std::size_t searchFrom = start_;
  for (;;) {
    const std::size_t end = std::string_view(buffer_).find('\n', searchFrom);
    if (end != std::string_view::npos) {
      line = std::string_view(buffer_).substr(start_, end - start_);
      start_ = end + 1;
      if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
      return true;
    }
    const std::size_t scanned = buffer_.size() - start_;
    if (!fill()) {
      if (start_ == buffer_.size())
        return false;
      line = std::string_view(buffer_).substr(start_);
      start_ = buffer_.size();
      if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
      return true;
    }
    searchFrom = start_ + scanned; // fill() moved the tail to the front
  }
}

} // namespace quorvex
