#pragma once

#include "engine/errors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A worksheet: one computation as the main window holds it (the formula, the
// Assign text and every cell of the value grid, hidden ones included), saved
// to a file on the user's request and opened again by the desktop program or
// computed by quorvex-eval --worksheet.
//
// The file is UTF-8 text with one entry a line, so that it reads, mails and
// diffs like any text and a line-by-line reader is all it takes:
//
//   Quorvex worksheet 1
//   # Lines starting with # and blank lines are skipped.
//   separator "."
//   formula "p*power((1+k/m);(m*n))"
//   assign "p;k;m;n"
//   shown 4
//   row "p" "1000"
//   row "k" "0.05"
//   row "m" "12"
//   row "n" "10"
//   result "1647.00949769028" "p*power((1+k/m);(m*n))"
//   end
//
// Every text stands between double quotes. Its escapes are \\, \", \t, \n,
// \r and \xHH (any byte); a raw control character is refused. The writer
// escapes also the bytes that are not UTF-8 and the characters an editor
// would show as something else (line and paragraph separators, direction
// controls, the byte-order mark), so that any text comes back byte for byte
// and what a reader sees is what is there. The first line names the format
// and its version; the last, "end", tells a complete file from a cut one.
// Lines may end in CRLF and a byte-order mark may begin the file, as editors
// elsewhere write them; the writer writes neither.

namespace quorvex {

class TCalculatorSession;

// The one limit for saving and opening, so that no worksheet is saved that
// cannot be opened. A formula longer than 1 MiB does not compile, and even
// with each of its bytes escaped (\xHH, 4 bytes) it takes a quarter of this;
// the rest leaves room for the Assign text and a grid of many thousand rows.
// Opening reads no further, whatever the file's size.
constexpr std::size_t maxWorksheetBytes = std::size_t{16} << 20;
// The format this program writes, and the newest it reads.
constexpr int worksheetVersion = 1;

struct WorksheetRow {
  std::string name;  // column 0, as the grid showed it
  std::string value; // column 1, as typed
  bool operator==(const WorksheetRow &) const = default;
};

// The last computation, for whoever reads the file; opening ignores it.
struct WorksheetResult {
  std::string text;    // as the record has it (15 digits)
  std::string formula; // the formula that gave it
  bool operator==(const WorksheetResult &) const = default;
};

struct Worksheet {
  // The separator the numbers were typed with.
  char decimalSeparator = '.';
  std::string formula;
  std::string assign;
  // The value rows the grid shows: 1 to rows.size(). The rows after them
  // are those a shrunk list hides, which show again when it grows.
  std::size_t shownRows = 1;
  std::vector<WorksheetRow> rows{1};
  std::optional<WorksheetResult> result;
  bool operator==(const Worksheet &) const = default;
};

// A file that is not a worksheet this program can open. The message is the
// problem alone; the caller names the file.
class EWorksheetError final : public Exception {
public:
  enum class Problem {
    Empty,
    NotAWorksheet,
    NewerVersion,     // detail: the file's version
    Truncated,        // no "end" line
    TooLarge,         // beyond maxWorksheetBytes
    NotUtf8,          // line
    UnknownEntry,     // line, detail: the entry's name
    RepeatedEntry,    // line, detail: the entry's name
    BadForm,          // line, detail: the entry's form, as written in files
    UnclosedText,     // line
    BadEscape,        // line, detail: the escape
    ControlCharacter, // line
    BadRowCount,      // line, detail: how many rows there are
    BadSeparator,     // line, detail: the separator given
    TextAfterEnd,     // line
    MissingEntry,     // detail: the entry's name
  };
  explicit EWorksheetError(Problem problem, std::size_t line = 0,
                           std::string detail = {});

  Problem problem() const noexcept { return problem_; }
  // The line of the file, from 1; 0 for a problem of the whole file.
  std::size_t line() const noexcept { return line_; }
  // Quoted input is shown with its control characters escaped.
  const std::string &detail() const noexcept { return detail_; }

private:
  Problem problem_;
  std::size_t line_;
  std::string detail_;
};

// The file's text. Asserts 1 <= shownRows <= rows.size().
std::string writeWorksheet(const Worksheet &worksheet);
// Reads a file's bytes; throws EWorksheetError for anything but a complete
// worksheet of a version this program reads. Names and values are not
// checked: Compute judges them, as it judges what the user types.
Worksheet readWorksheet(std::string_view bytes);

// What the session's boxes and grid hold, with the current decimal
// separator and the last computation's record.
Worksheet worksheetOf(const TCalculatorSession &session);
// Puts the worksheet into the session's boxes and grid, every cell of the
// grid as saved (a cell the worksheet does not have is emptied), with the
// numbers of the formula and of the value cells rewritten for the current
// decimal separator; clears the result. Computes nothing and leaves the
// variable list, the logs and the counter alone.
void openWorksheet(TCalculatorSession &session, const Worksheet &worksheet);

// The worksheet in the file at path; throws EFileError or EWorksheetError.
Worksheet loadWorksheet(const std::string &path);
// Writes the worksheet to path as replaceFile() does, once it is known to
// open again; throws EWorksheetError (too large) or EFileError.
void saveWorksheet(const std::string &path, const Worksheet &worksheet);

} // namespace quorvex
