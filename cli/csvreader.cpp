#include "csvreader.h"

#include "blockread.h"

#include <algorithm>
#include <cstring>

namespace quorvex {

namespace {
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
} // namespace

CsvReader::CsvReader(int fd, char delimiter, std::size_t blockSize)
    : fd_(fd), delimiter_(delimiter), blockSize_(blockSize) {
  QV_ASSERT(delimiter != '"' && delimiter != '\r' && delimiter != '\n',
            "delimiter is not a quote, CR or LF");
  QV_ASSERT(blockSize > 0, "blockSize > 0");
  buffer_.reserve(blockSize * 2);
}

bool CsvReader::fill() {
  if (atEnd_)
    return false;
  const ssize_t n = readBlock(fd_, buffer_, start_, blockSize_);
  if (n <= 0) {
    atEnd_ = true;
    failed_ = n < 0;
    return false;
  }
  return true;
}

void CsvReader::skipByteOrderMark() {
  while (buffer_.size() - start_ < byteOrderMark.size() && fill()) {
  }
  if (std::string_view(buffer_).substr(start_).starts_with(byteOrderMark))
    start_ += byteOrderMark.size();
}

void CsvReader::endRecord(std::size_t next, std::size_t lineBreaks) {
  start_ = next;
  nextLine_ += 1 + lineBreaks;
}

// record = field *(delimiter field) [CR] LF | ... end of input
// field  = quoted | unquoted
// A field's end must be in the buffer to be told apart from a longer one,
// so every "not yet" returns false and the caller parses the record again
// after reading more: a record is at most re-read once per block.
bool CsvReader::parseRecord() {
  texts_.clear();
  unescaped_.clear();
  const char *const data = buffer_.data();
  const std::size_t end = buffer_.size();
  std::size_t pos = start_;
  std::size_t lineBreaks = 0; // inside quoted fields
  for (;;) {
    if (pos < end && data[pos] == '"') {
      // quoted = '"' *(text | '""') '"'
      std::size_t chunk = ++pos;
      bool escaped = false;
      std::size_t unescapedStart = unescaped_.size();
      for (;;) {
        const auto *quote =
            static_cast<const char *>(std::memchr(data + pos, '"', end - pos));
        if (quote == nullptr) {
          if (atEnd_)
            throw ECsvError("a quoted field is not closed");
          return false;
        }
        const auto at = static_cast<std::size_t>(quote - data);
        lineBreaks += static_cast<std::size_t>(std::count(data + pos, quote, '\n'));
        if (at + 1 == end && !atEnd_)
          return false; // a closing quote or the first of a doubled one
        if (at + 1 < end && data[at + 1] == '"') {
          if (!escaped) {
            escaped = true;
            unescapedStart = unescaped_.size();
          }
          unescaped_.append(data + chunk, at + 1 - chunk); // keeps one quote
          pos = chunk = at + 2;
          continue;
        }
        if (escaped) {
          unescaped_.append(data + chunk, at - chunk);
          texts_.push_back(
              {unescapedStart, unescaped_.size() - unescapedStart, true});
        } else {
          texts_.push_back({chunk, at - chunk, false});
        }
        pos = at + 1;
        break;
      }
      // After the closing quote: the delimiter, a line end or the input's end.
      if (pos == end) {
        if (!atEnd_)
          return false;
        endRecord(end, lineBreaks);
        return true;
      }
      if (data[pos] == delimiter_) {
        ++pos;
        continue;
      }
      if (data[pos] == '\n') {
        endRecord(pos + 1, lineBreaks);
        return true;
      }
      if (data[pos] == '\r') {
        if (pos + 1 == end && !atEnd_)
          return false;
        if (pos + 1 == end || data[pos + 1] == '\n') {
          endRecord(std::min(pos + 2, end), lineBreaks);
          return true;
        }
      }
      throw ECsvError("text follows the closing quote of a field");
    }

    // unquoted = *(any byte but the delimiter and LF)
    const std::size_t fieldStart = pos;
    while (pos < end && data[pos] != delimiter_ && data[pos] != '\n')
      ++pos;
    if (pos == end && !atEnd_)
      return false;
    if (pos < end && data[pos] == delimiter_) {
      texts_.push_back({fieldStart, pos - fieldStart, false});
      ++pos;
      continue;
    }
    std::size_t fieldEnd = pos;
    if (fieldEnd > fieldStart && data[fieldEnd - 1] == '\r')
      --fieldEnd; // CRLF
    texts_.push_back({fieldStart, fieldEnd - fieldStart, false});
    endRecord(pos == end ? end : pos + 1, lineBreaks);
    return true;
  }
}

bool CsvReader::next(std::vector<std::string_view> &fields) {
  fields.clear();
  if (!started_) {
    started_ = true;
    skipByteOrderMark();
  }
  if (start_ == buffer_.size() && !fill())
    return false;
  recordLine_ = nextLine_;
  while (!parseRecord())
    fill(); // at the end, parseRecord finishes the record with what there is
  const std::string_view buffer(buffer_);
  const std::string_view unescaped(unescaped_);
  for (const FieldText &text : texts_)
    fields.push_back((text.unescaped ? unescaped : buffer).substr(text.offset, text.length));
  return true;
}

} // namespace quorvex
