#pragma once

#include "engine/errors.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reads CSV (RFC 4180) from a file descriptor in large blocks, one record at
// a time, so memory grows with the longest record, never with the file.
//
// A field may be quoted; inside the quotes the delimiter, line breaks and a
// doubled quote ("" for ") are text. A record ends at LF or CRLF outside
// quotes; the last one may lack it, and an empty input has no record. A
// quote inside an unquoted field is text, as spreadsheets read it. A UTF-8
// byte order mark at the start of the input, which spreadsheets write, is
// skipped.

namespace quorvex {

// Input that is not CSV. The message says what is wrong; line() of the reader
// is the line the broken record begins on.
class ECsvError final : public Exception {
public:
  using Exception::Exception;
};

class CsvReader {
public:
  // The delimiter must not be a quote, CR or LF. Input is read blockSize
  // bytes at a time (tests use tiny blocks to cut records everywhere).
  CsvReader(int fd, char delimiter, std::size_t blockSize = 1 << 16);
  CsvReader(const CsvReader &) = delete;
  CsvReader &operator=(const CsvReader &) = delete;

  // The next record's fields, valid until the following call. False at the
  // end of the input; a read error also ends it and is reported by failed().
  // Throws ECsvError for a quoted field left open or followed by other text.
  bool next(std::vector<std::string_view> &fields);
  // The line, counted from 1, on which the record last read begins.
  std::size_t line() const noexcept { return recordLine_; }
  bool failed() const noexcept { return failed_; }

private:
  // Where a field's text lies: in the input buffer, or in unescaped_ when
  // doubled quotes had to be undone.
  struct FieldText {
    std::size_t offset;
    std::size_t length;
    bool unescaped;
  };

  bool fill(); // reads more input; false at end or on error
  // Parses the record at start_ into texts_. False when the buffer ends
  // before the record does and more input may follow.
  bool parseRecord();
  void endRecord(std::size_t next, std::size_t lineBreaks);
  void skipByteOrderMark();

  int fd_;
  char delimiter_;
  std::size_t blockSize_;
  std::string buffer_;
  std::size_t start_ = 0; // first byte of the record being read
  std::string unescaped_;
  std::vector<FieldText> texts_;
  std::size_t recordLine_ = 0;
  std::size_t nextLine_ = 1;
  bool started_ = false;
  bool atEnd_ = false;
  bool failed_ = false;
};

} // namespace quorvex
