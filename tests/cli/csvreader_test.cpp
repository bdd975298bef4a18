#include "cli/csvblockreader.h"
#include "cli/csvreader.h"

#include "session/csvwriter.h"
#include "session/rowevaluator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

using namespace quorvex;

namespace {

using Record = std::vector<std::string>;

// A file holding text, open for reading from its start.
class InputFile {
public:
  explicit InputFile(const std::string &text) : file_(std::tmpfile()) {
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
    std::rewind(file_);
  }
  ~InputFile() { std::fclose(file_); }
  InputFile(const InputFile &) = delete;
  InputFile &operator=(const InputFile &) = delete;
  int fd() const { return fileno(file_); }

private:
  std::FILE *file_;
};

struct ReadResult {
  std::vector<Record> records;
  std::vector<std::size_t> lines; // where each record begins
  std::string error;              // "line N: message" when reading stopped
};

// The input read in blocks of whole records, each block read on its own.
ReadResult readAll(const std::string &text, char delimiter, std::size_t blockSize) {
  InputFile input(text);
  CsvBlockReader blocks(input.fd(), delimiter, false, blockSize);
  ReadResult result;
  std::string block;
  std::size_t firstLine = 0;
  std::vector<std::string_view> fields;
  CsvBlockReader::Status status = CsvBlockReader::Status::Full;
  while (status != CsvBlockReader::Status::End) {
    status = blocks.next(block, firstLine, 1);
    CsvReader reader(block, delimiter, firstLine);
    try {
      while (reader.next(fields)) {
        result.records.emplace_back(fields.begin(), fields.end());
        result.lines.push_back(reader.line());
      }
    } catch (const ECsvError &e) {
      result.error = "line " + std::to_string(reader.line()) + ": " + e.message();
      break;
    }
  }
  return result;
}

// Small blocks cut every record at every place: inside quotes, between a
// doubled quote's halves, between CR and LF, inside the byte order mark.
constexpr std::size_t blockSizes[] = {1, 2, 3, 5, 1 << 16};

} // namespace

TEST(CsvReader, RecordsAndTheirLines) {
  const struct {
    const char *what;
    std::string text;
    char delimiter;
    std::vector<Record> records;
    std::vector<std::size_t> lines;
  } cases[] = {
      {"LF", "a,b\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
      {"CRLF", "a,b\r\n1,2\r\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
      {"no final line end", "a,b\n1,2", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
      {"empty input", "", ',', {}, {}},
      {"an empty line is one empty field",
       "x\n\n3\n",
       ',',
       {{"x"}, {""}, {"3"}},
       {1, 2, 3}},
      {"empty fields", ",,\n", ',', {{"", "", ""}}, {1}},
      {"quoted delimiter and quote",
       "\"a,b\",\"c\"\"d\",\"\"\n",
       ',',
       {{"a,b", "c\"d", ""}},
       {1}},
      {"line breaks inside quotes count as lines",
       "\"two\nlines\",2\r\n\"crlf\r\nkept\",3\nlast,4\n",
       ',',
       {{"two\nlines", "2"}, {"crlf\r\nkept", "3"}, {"last", "4"}},
       {1, 3, 5}},
      {"a quote inside an unquoted field is text",
       "a\"b,c\"\n",
       ',',
       {{"a\"b", "c\""}},
       {1}},
      {"a lone CR is text", "a\rb\n", ',', {{"a\rb"}}, {1}},
      {"closing quote then CR at the end", "\"a\"\r", ',', {{"a"}}, {1}},
      {"closing quote then CRLF and more",
       "\"a\"\r\n\"b\"\r\n",
       ',',
       {{"a"}, {"b"}},
       {1, 2}},
      {"byte order mark skipped", "\xEF\xBB\xBFx\n1\n", ',', {{"x"}, {"1"}}, {1, 2}},
      {"other delimiter", "a;b,c\n", ';', {{"a", "b,c"}}, {1}},
      {"tab", "a\tb\n", '\t', {{"a", "b"}}, {1}},
  };
  for (const auto &c : cases) {
    for (const std::size_t blockSize : blockSizes) {
      SCOPED_TRACE(std::string(c.what) + ", blocks of " + std::to_string(blockSize));
      const ReadResult r = readAll(c.text, c.delimiter, blockSize);
      EXPECT_EQ(r.error, "");
      EXPECT_EQ(r.records, c.records);
      EXPECT_EQ(r.lines, c.lines);
    }
  }
}

// Where input read so far may be cut: after the last line end outside
// quotes. The input is read on past the cut, and what follows must not
// change it: a quote at the very end may be the first of a doubled one.
TEST(CsvReader, WholeRecordsEndAtTheLastLineEndOutsideQuotes) {
  const struct {
    std::string_view input;
    std::size_t read; // how much of input has been read
    std::size_t whole;
  } cases[] = {
      {"a,b\n1,2\n3", 9, 8},     {"x\n\"open\n", 9, 2},
      {"\"a,\"\nx\n", 7, 7},  // a quoted field that ends in a delimiter
      {"\"a\n\"\nx\n", 7, 7}, // or in a line end
      {"x\n\"a\"\"b\"\n", 5, 2}, {"x\n\"a\"\"b\"\n", 9, 9},
  };
  for (const auto &c : cases)
    EXPECT_EQ(wholeRecordsLength(c.input.substr(0, c.read), ','), c.whole)
        << c.input.substr(0, c.read);
}

TEST(CsvReader, BrokenQuotingNamesTheRecordsLine) {
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"x\n\"open\n2\n", "line 2: a quoted field is not closed"},
      {"x\n\"a\nb\"c\n", "line 2: text follows the closing quote of a field"},
      {"x\n1\n\"a\" \n", "line 3: text follows the closing quote of a field"},
  };
  for (const auto &c : cases)
    for (const std::size_t blockSize : blockSizes)
      EXPECT_EQ(readAll(c.text, ',', blockSize).error, c.error) << blockSize;
}

// Whatever the writer writes, the reader reads back field for field.
TEST(CsvReader, ReadsBackWhatTheWriterWrites) {
  const std::vector<std::string_view> cells[] = {
      {"plain", "1.5"},           {"with,comma", "with;semicolon"},
      {"\"quoted\"", "a \"\" b"}, {"line\nbreak", "cr\r\nlf"},
      {"", " spaced "},           {"tab\there", "\r"},
  };
  RowOutcome good;
  good.ok = true;
  good.value = 0.25;
  RowOutcome bad;
  bad.error = "'a,\"b\"' is not a valid floating point value";
  for (const char delimiter : {',', ';', '\t'}) {
    ResultTableWriter writer(delimiter, false);
    std::string text;
    std::vector<Record> expected;
    bool ok = true;
    for (const auto &row : cells) {
      const RowOutcome &outcome = ok ? good : bad;
      writer.appendRow(row, outcome, text);
      Record record(row.begin(), row.end());
      record.push_back(ok ? "0.25" : "");
      record.push_back(ok ? "" : "'a,\"b\"' is not a valid floating point value.");
      expected.push_back(record);
      ok = !ok;
    }
    for (const std::size_t blockSize : blockSizes) {
      SCOPED_TRACE(std::string("delimiter ") + delimiter + ", blocks of " +
                   std::to_string(blockSize));
      const ReadResult r = readAll(text, delimiter, blockSize);
      EXPECT_EQ(r.error, "");
      EXPECT_EQ(r.records, expected);
    }
  }
}
