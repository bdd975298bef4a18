#pragma once

#include <cstddef>
#include <string>

// Reads CSV input from a file descriptor and hands it out in blocks of whole
// records (see wholeRecordsLength), so that each block can be parsed and
// computed apart from the others. Memory grows with the block size and the
// longest record, never with the input. A UTF-8 byte order mark at the start
// of the input, which spreadsheets write, is dropped.
//
// A program that drives the tool a record at a time waits for each answer
// before it writes the next record, so the records in hand must be answered
// before a read that would wait: with answerBeforeWait, next() then returns
// them (Waiting) instead of reading on.

namespace quorvex {

class CsvBlockReader {
public:
  enum class Status {
    Full,    // block holds at least the size asked for
    Waiting, // block holds what there is (maybe nothing); the input has
             // nothing more ready, so answer it before calling again
    End,     // block holds the last records, maybe none; the input has
             // ended (or failed), and every later call gives an empty block
  };

  CsvBlockReader(int fd, char delimiter, bool answerBeforeWait,
                 std::size_t readSize = 1 << 16);
  CsvBlockReader(const CsvBlockReader &) = delete;
  CsvBlockReader &operator=(const CsvBlockReader &) = delete;

  // Replaces block with the next whole records, at least size bytes of them
  // unless the input ends or waits first; firstLine is the line, counted
  // from 1, on which the first of them begins.
  Status next(std::string &block, std::size_t &firstLine, std::size_t size);
  // Whether reading ended with a read error rather than the input's end,
  // and its errno.
  bool failed() const noexcept { return readError_ != 0; }
  int readError() const noexcept { return readError_; }

private:
  bool fill(); // reads more input; false at the end or on an error
  void take(std::size_t length, std::string &block, std::size_t &firstLine);

  int fd_;
  char delimiter_;
  bool answerBeforeWait_;
  std::size_t readSize_;
  std::string buffer_;
  std::size_t start_ = 0; // first byte not yet handed out
  std::size_t nextLine_ = 1;
  bool started_ = false;
  bool answered_ = false; // the records before the coming wait went out
  bool atEnd_ = false;
  int readError_ = 0;
};

} // namespace quorvex
