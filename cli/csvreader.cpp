#include "csvreader.h"

#include <algorithm>
#include <cstring>

namespace quorvex {

// Outside quotes every line end ends a record and every delimiter ends a
// field; a quote opens a quoted field only where a field begins, and then
// the first quote not doubled closes it. That is all the grammar needs to
// know where records end. After a malformed record (text after a closing
// quote) the cut may differ from where a reader would resume, but the reader
// stops at that record, which lies before the cut either way.
std::size_t wholeRecordsLength(std::string_view text, char delimiter) noexcept {
  const char *const data = text.data();
  const std::size_t end = text.size();
  std::size_t pos = 0;
  std::size_t whole = 0;
  for (;;) {
    const auto *found =
        static_cast<const char *>(std::memchr(data + pos, '"', end - pos));
    const std::size_t quote =
        found != nullptr ? static_cast<std::size_t>(found - data) : end;
    if (const auto *lineEnd =
            static_cast<const char *>(::memrchr(data + pos, '\n', quote - pos)))
      whole = static_cast<std::size_t>(lineEnd - data) + 1;
    if (quote == end)
      return whole;
    const bool opens =
        quote == 0 || data[quote - 1] == delimiter || data[quote - 1] == '\n';
    if (!opens) {
      pos = quote + 1;
      continue;
    }
    std::size_t inside = quote + 1;
    for (;;) {
      const auto *close =
          static_cast<const char *>(std::memchr(data + inside, '"', end - inside));
      if (close == nullptr)
        return whole; // still open: the record goes on in input not yet read
      const auto at = static_cast<std::size_t>(close - data);
      if (at + 1 == end)
        return whole; // a closing quote or the first of a doubled one
      if (data[at + 1] == '"') {
        inside = at + 2;
        continue;
      }
      pos = at + 1;
      break;
    }
  }
}

CsvReader::CsvReader(std::string_view text, char delimiter, std::size_t firstLine)
    : text_(text), delimiter_(delimiter), nextLine_(firstLine) {
  QV_ASSERT(delimiter != '"' && delimiter != '\r' && delimiter != '\n',
            "delimiter is not a quote, CR or LF");
}

void CsvReader::endRecord(std::size_t textEnd, std::size_t next, std::size_t lineBreaks) {
  recordText_ = text_.substr(start_, textEnd - start_);
  start_ = next;
  nextLine_ += 1 + lineBreaks;
}

// record = field *(delimiter field) [CR] LF | ... end of text
// field  = quoted | unquoted
void CsvReader::parseRecord() {
  texts_.clear();
  unescaped_.clear();
  recordIsStrict_ = true;
  const char *const data = text_.data();
  const std::size_t end = text_.size();
  std::size_t pos = start_;
  std::size_t lineBreaks = 0; // inside quoted fields
  for (;;) {
    const std::size_t fieldStart = pos;
    if (pos < end && data[pos] == '"') {
      // quoted = '"' *(text | '""') '"'
      std::size_t chunk = ++pos;
      bool escaped = false;
      std::size_t unescapedStart = unescaped_.size();
      for (;;) {
        const auto *quote =
            static_cast<const char *>(std::memchr(data + pos, '"', end - pos));
        if (quote == nullptr)
          throw ECsvError("a quoted field is not closed");
        const auto at = static_cast<std::size_t>(quote - data);
        lineBreaks += static_cast<std::size_t>(std::count(data + pos, quote, '\n'));
        if (at + 1 < end && data[at + 1] == '"') {
          if (!escaped) {
            escaped = true;
            unescapedStart = unescaped_.size();
          }
          unescaped_.append(data + chunk, at + 1 - chunk); // keeps one quote
          pos = chunk = at + 2;
          continue;
        }
        const std::size_t written = at + 1 - fieldStart;
        if (escaped) {
          unescaped_.append(data + chunk, at - chunk);
          texts_.push_back({unescapedStart, unescaped_.size() - unescapedStart, true,
                            fieldStart, written});
        } else {
          texts_.push_back({chunk, at - chunk, false, fieldStart, written});
        }
        pos = at + 1;
        break;
      }
      // After the closing quote: the delimiter, a line end or the text's end.
      if (pos == end) {
        endRecord(end, end, lineBreaks);
        return;
      }
      if (data[pos] == delimiter_) {
        ++pos;
        continue;
      }
      if (data[pos] == '\n') {
        endRecord(pos, pos + 1, lineBreaks);
        return;
      }
      if (data[pos] == '\r' && (pos + 1 == end || data[pos + 1] == '\n')) {
        endRecord(pos, std::min(pos + 2, end), lineBreaks);
        return;
      }
      throw ECsvError("text follows the closing quote of a field");
    }

    // unquoted = *(any byte but the delimiter and LF)
    bool quoteOrCr = false;
    while (pos < end && data[pos] != delimiter_ && data[pos] != '\n') {
      quoteOrCr |= data[pos] == '"' || data[pos] == '\r';
      ++pos;
    }
    std::size_t fieldEnd = pos;
    const bool lastField = pos == end || data[pos] == '\n';
    if (lastField && fieldEnd > fieldStart && data[fieldEnd - 1] == '\r')
      --fieldEnd; // CRLF
    texts_.push_back(
        {fieldStart, fieldEnd - fieldStart, false, fieldStart, fieldEnd - fieldStart});
    if (quoteOrCr) {
      const std::string_view field = text_.substr(fieldStart, fieldEnd - fieldStart);
      if (field.find_first_of("\"\r") != std::string_view::npos)
        recordIsStrict_ = false;
    }
    if (!lastField) {
      ++pos;
      continue;
    }
    endRecord(fieldEnd, pos == end ? end : pos + 1, lineBreaks);
    return;
  }
}

bool CsvReader::next(std::vector<std::string_view> &fields) {
  fields.clear();
  if (start_ >= text_.size())
    return false;
  recordLine_ = nextLine_;
  parseRecord();
  const std::string_view unescaped(unescaped_);
  for (const FieldText &text : texts_)
    fields.push_back(
        (text.unescaped ? unescaped : text_).substr(text.offset, text.length));
  return true;
}

std::string_view CsvReader::writtenField(std::size_t i) const {
  QV_ASSERT(i < texts_.size(), "i < the record's field count");
  return text_.substr(texts_[i].writtenOffset, texts_[i].writtenLength);
}

} // namespace quorvex
