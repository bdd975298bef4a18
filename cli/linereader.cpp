#include "linereader.h"

#include "blockread.h"

#include <cstring>

namespace quorvex {

namespace {
constexpr std::size_t blockSize = 1 << 16;
} // namespace

LineReader::LineReader(int fd) : fd_(fd) { buffer_.reserve(blockSize * 2); }

bool LineReader::fill() {
  if (atEnd_)
    return false;
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
    const void *found =
        std::memchr(buffer_.data() + searchFrom, '\n', buffer_.size() - searchFrom);
    if (found != nullptr) {
      const std::size_t end =
          static_cast<std::size_t>(static_cast<const char *>(found) - buffer_.data());
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
