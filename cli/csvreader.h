#pragma once

#include "engine/errors.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reads CSV (RFC 4180) records from a text held in memory: a block of whole
// records that CsvBlockReader cut from the input, so that blocks can be
// parsed apart from each other, in any order and on any thread.
//
// A field may be quoted; inside the quotes the delimiter, line breaks and a
// doubled quote ("" for ") are text. A record ends at LF or CRLF outside
// quotes; the last one may lack it, and an empty text has no record. A quote
// inside an unquoted field is text, as spreadsheets read it.

namespace quorvex {

// Input that is not CSV. The message says what is wrong; line() of the reader
// is the line the broken record begins on.
class ECsvError final : public Exception {
public:
  using Exception::Exception;
};

// The length of the whole records at the start of text, the last one's line
// end included: the place where text can be cut so that every record lies
// on one side. A record is whole when a line end outside quotes ends it;
// what follows the last such line end may still grow when more input comes.
// Cutting there never changes what the records read, malformed ones
// included, so each piece may be read on its own.
std::size_t wholeRecordsLength(std::string_view text, char delimiter) noexcept;

class CsvReader {
public:
  // Reads text, whose first record begins on line firstLine. The delimiter
  // must not be a quote, CR or LF. text must outlive the reader.
  CsvReader(std::string_view text, char delimiter, std::size_t firstLine = 1);
  CsvReader(const CsvReader &) = delete;
  CsvReader &operator=(const CsvReader &) = delete;

  // The next record's fields, valid until the following call (those without
  // doubled quotes as long as the text). False at the end of the text.
  // Throws ECsvError for a quoted field left open or followed by other text.
  bool next(std::vector<std::string_view> &fields);
  // The line on which the record last read begins.
  std::size_t line() const noexcept { return recordLine_; }
  // Where the text not yet read begins.
  std::size_t offset() const noexcept { return start_; }

  // The record last read as it is written in the text, without its line end.
  std::string_view recordText() const noexcept { return recordText_; }
  // Whether recordText() is strict RFC 4180 as well: false when an unquoted
  // field holds a quote or a CR, which this reader takes as text but a
  // strict reader would not.
  bool recordIsStrict() const noexcept { return recordIsStrict_; }
  // Field i of the record last read as written, its quotes included.
  std::string_view writtenField(std::size_t i) const;

private:
  // Where a field's text lies: in the input text, or in unescaped_ when
  // doubled quotes had to be undone; and where it is written.
  struct FieldText {
    std::size_t offset;
    std::size_t length;
    bool unescaped;
    std::size_t writtenOffset;
    std::size_t writtenLength;
  };

  void parseRecord();
  void endRecord(std::size_t textEnd, std::size_t next, std::size_t lineBreaks);

  std::string_view text_;
  char delimiter_;
  std::size_t start_ = 0; // first byte of the record being read
  std::string unescaped_;
  std::vector<FieldText> texts_;
  std::string_view recordText_;
  bool recordIsStrict_ = true;
  std::size_t recordLine_ = 0;
  std::size_t nextLine_;
};

} // namespace quorvex
