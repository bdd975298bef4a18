// Properties of the table mode's CSV reader on any bytes: the records do not
// depend on where the input's reads end nor on where it is cut into blocks
// of whole records, and records written back with the CSV writer read back
// as the same records. The first byte picks the
// delimiter and the block size, so small blocks cut the input everywhere.

#include "check.h"

#include "cli/csvblockreader.h"
#include "cli/csvreader.h"
#include "cli/tablejob.h"
#include "session/csvwriter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using namespace quorvex;

namespace {

struct Reading {
  std::vector<std::vector<std::string>> records;
  std::vector<std::size_t> lines;
  std::string error;  // "line N: message" when reading stopped
  std::string asRead; // each record as the table mode passes it through

  bool operator==(const Reading &) const = default;
};

Reading readAll(std::string_view text, char delimiter, std::size_t blockSize) {
  const int fd = memfd_create("csv", 0);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()));
  FUZZ_CHECK(lseek(fd, 0, SEEK_SET) == 0);
  Reading reading;
  {
    CsvBlockReader blocks(fd, delimiter, false, blockSize);
    std::string block;
    std::size_t firstLine = 0;
    std::vector<std::string_view> fields;
    CsvBlockReader::Status status = CsvBlockReader::Status::Full;
    while (status != CsvBlockReader::Status::End && reading.error.empty()) {
      status = blocks.next(block, firstLine, 1);
      CsvReader reader(block, delimiter, firstLine);
      try {
        while (reader.next(fields)) {
          FUZZ_CHECK(!fields.empty());
          reading.records.emplace_back(fields.begin(), fields.end());
          reading.lines.push_back(reader.line());
          appendRecordAsRead(reader, fields, delimiter, reading.asRead);
          reading.asRead.push_back('\n');
        }
      } catch (const ECsvError &e) {
        reading.error = "line " + std::to_string(reader.line()) + ": " + e.message();
      }
    }
    FUZZ_CHECK(!blocks.failed());
  }
  close(fd);
  return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const char delimiter = ",;\t|"[data[0] & 3];
  const std::size_t blockSize = 1 + (data[0] >> 2) % 16;
  const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);

  const Reading whole = readAll(text, delimiter, 1 << 16);
  FUZZ_CHECK(readAll(text, delimiter, blockSize) == whole);
  for (std::size_t i = 1; i < whole.lines.size(); ++i)
    FUZZ_CHECK(whole.lines[i] > whole.lines[i - 1]);
  if (!whole.error.empty())
    return 0;

  // A first field that itself starts with a byte order mark would lose it
  // when read back, as any leading mark is.
  if (!whole.records.empty() && whole.records.front().front().starts_with("\xEF\xBB\xBF"))
    return 0;
  std::string written;
  for (const auto &record : whole.records) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (i > 0)
        written.push_back(delimiter);
      appendCsvField(written, record[i], delimiter);
    }
    written.push_back('\n');
  }
  const Reading again = readAll(written, delimiter, blockSize);
  FUZZ_CHECK(again.error.empty());
  FUZZ_CHECK(again.records == whole.records);
  // Passed through as read, quotes and all, the records read the same too.
  const Reading passed = readAll(whole.asRead, delimiter, blockSize);
  FUZZ_CHECK(passed.error.empty());
  FUZZ_CHECK(passed.records == whole.records);
  return 0;
}
