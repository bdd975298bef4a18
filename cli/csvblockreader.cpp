#include "csvblockreader.h"

#include "blockread.h"
#include "csvreader.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <string_view>

namespace quorvex {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Whether a read would return at once: input, end of input or an error is
// pending. A file is always ready; so is a pipe that a bulk writer keeps
// full, which therefore never pays for an early answer.
bool inputReady(int fd) noexcept {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) > 0;
}

} // namespace

CsvBlockReader::CsvBlockReader(int fd, char delimiter, bool answerBeforeWait,
                               std::size_t readSize)
    : fd_(fd), delimiter_(delimiter), answerBeforeWait_(answerBeforeWait),
      readSize_(readSize) {
  buffer_.reserve(readSize * 2);
}

bool CsvBlockReader::fill() {
  if (atEnd_)
    return false;
  // A record longer than a read is scanned again after each read; reading
  // as much again as is held keeps that linear in the record's length.
  const std::size_t held = buffer_.size() - start_;
  const ssize_t n = readBlock(fd_, buffer_, start_, std::max(readSize_, held));
  if (n <= 0) {
    atEnd_ = true;
    readError_ = n < 0 ? errno : 0;
    return false;
  }
  answered_ = false;
  return true;
}

void CsvBlockReader::take(std::size_t length, std::string &block,
                          std::size_t &firstLine) {
  block.assign(buffer_, start_, length);
  start_ += length;
  firstLine = nextLine_;
  nextLine_ += static_cast<std::size_t>(std::count(block.begin(), block.end(), '\n'));
}

CsvBlockReader::Status CsvBlockReader::next(std::string &block, std::size_t &firstLine,
                                            std::size_t size) {
  block.clear();
  firstLine = nextLine_;
  if (!started_) {
    started_ = true;
    // Wait only for input that may still be a byte order mark: a header
    // shorter than one is answered before the tool waits for more.
    while (buffer_.size() - start_ < byteOrderMark.size() &&
           byteOrderMark.starts_with(std::string_view(buffer_).substr(start_)) &&
           fill()) {
    }
    if (std::string_view(buffer_).substr(start_).starts_with(byteOrderMark))
      start_ += byteOrderMark.size();
  }
  for (;;) {
    const std::string_view held = std::string_view(buffer_).substr(start_);
    if (atEnd_) {
      take(held.size(), block, firstLine);
      return Status::End;
    }
    if (held.size() >= size) {
      const std::size_t whole = wholeRecordsLength(held, delimiter_);
      if (whole >= size) {
        take(whole, block, firstLine);
        return Status::Full;
      }
    }
    if (answerBeforeWait_ && !answered_ && !inputReady(fd_)) {
      answered_ = true;
      take(wholeRecordsLength(held, delimiter_), block, firstLine);
      return Status::Waiting;
    }
    fill();
  }
}

} // namespace quorvex
