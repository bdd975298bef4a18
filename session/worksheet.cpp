#include "worksheet.h"

#include "calculatorsession.h"
#include "separatorconversion.h"
#include "textfile.h"
#include "utf8text.h"

#include "engine/decimalseparator.h"

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

using Problem = EWorksheetError::Problem;

constexpr std::string_view magic = "Quorvex worksheet ";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
// An input quoted in a message is cut to this many bytes.
constexpr std::size_t quotedBytes = 40;

// Characters that an editor or a terminal would not show as themselves:
// the line and paragraph separators, the direction marks, embeddings,
// overrides and isolates, and the byte-order mark.
constexpr std::array<std::string_view, 14> invisibleCharacters = {
    "\u2028", "\u2029", "\u200E", "\u200F", "\u202A", "\u202B", "\u202C",
    "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069", "\uFEFF"};

// A text as a file's quoted text holds it (quoted: its quotes and
// backslashes escaped too), or as a message shows it.
// Printable ASCII, which a text holds as it is but for its quotes and
// backslashes; taken a run at a time, since it is nearly every byte.
bool isPlain(char c, bool quoted) noexcept {
  return c >= 0x20 && c < 0x7F && !(quoted && (c == '"' || c == '\\'));
}

std::size_t plainRun(std::string_view text, bool quoted) noexcept {
  std::size_t end = 0;
  while (end < text.size() && isPlain(text[end], quoted))
    ++end;
  return end;
}

void appendEscaped(std::string_view text, std::string &out, bool quoted = true) {
  while (!text.empty()) {
    const std::size_t plain = plainRun(text, quoted);
    out.append(text.substr(0, plain));
    text.remove_prefix(plain);
    if (text.empty())
      return;
    const std::size_t length = utf8SequenceLength(text);
    const std::string_view sequence = text.substr(0, length == 0 ? 1 : length);
    text.remove_prefix(sequence.size());
    if (quoted && (sequence == "\\" || sequence == "\"")) {
      out.push_back('\\');
      out.append(sequence);
    } else if (sequence == "\t") {
      out.append("\\t");
    } else if (sequence == "\n") {
      out.append("\\n");
    } else if (sequence == "\r") {
      out.append("\\r");
    } else if (length == 0 || isControlCharacter(sequence) ||
               (length == 3 &&
                std::find(invisibleCharacters.begin(), invisibleCharacters.end(),
                          sequence) != invisibleCharacters.end())) {
      appendByteEscapes(sequence, out);
    } else {
      out.append(sequence);
    }
  }
}

void appendEntry(std::string &out, std::string_view key,
                 std::initializer_list<std::string_view> texts) {
  out.append(key);
  for (const std::string_view text : texts) {
    out.append(" \"");
    appendEscaped(text, out);
    out.push_back('"');
  }
  out.push_back('\n');
}

// Input as a message quotes it: escaped, and cut when it is long.
std::string quotedInput(std::string_view text) {
  std::string shown;
  appendEscaped(text.substr(0, quotedBytes), shown, false);
  if (text.size() > quotedBytes)
    shown.append("...");
  return shown;
}

std::string problemText(Problem problem, std::size_t line, const std::string &detail) {
  const std::string at = "line " + std::to_string(line) + ": ";
  switch (problem) {
  case Problem::Empty:
    return "the file is empty";
  case Problem::NotAWorksheet:
    return "it is not a Quorvex worksheet";
  case Problem::NewerVersion:
    return "it is a worksheet of version " + detail +
           ", made by a newer Quorvex; this one reads version " +
           std::to_string(worksheetVersion);
  case Problem::Truncated:
    return "it is cut short: its last line, \"end\", is missing";
  case Problem::TooLarge:
    return "it is larger than " + std::to_string(maxWorksheetBytes >> 20) +
           " MiB, the most a worksheet may hold";
  case Problem::NotUtf8:
    return "line " + std::to_string(line) + " is not UTF-8 text";
  case Problem::UnknownEntry:
    return at + "unknown entry '" + detail + "'";
  case Problem::RepeatedEntry:
    return at + "a second '" + detail + "' entry";
  case Problem::BadForm:
    return at + "write the entry as " + detail;
  case Problem::UnclosedText:
    return at + "a text has no closing quote";
  case Problem::BadEscape:
    return at + "unknown escape '" + detail +
           R"(' (a text knows \\, \", \t, \n, \r and \xHH))";
  case Problem::ControlCharacter:
    return at + "a control character in a text must be written as an escape (\\t, "
                "\\n, \\r or \\xHH)";
  case Problem::BadRowCount:
    return at + "the rows shown must be a number from 1 to the number of rows, " + detail;
  case Problem::BadSeparator:
    return at + "'" + detail + "' cannot be a decimal separator";
  case Problem::TextAfterEnd:
    return at + "text after the line \"end\"";
  case Problem::MissingEntry:
    return "the entry '" + detail + "' is missing";
  }
  return {};
}

// The entries of a version-1 file, with the form the writer gives each.
enum class Entry { Separator, Formula, Assign, Shown, Row, Result, End };
struct EntryDef {
  std::string_view key;
  std::size_t texts; // quoted texts after the key
  std::string_view form;
};
constexpr std::array<EntryDef, 7> entries = {{
    {"separator", 1, "separator \"C\""},
    {"formula", 1, "formula \"TEXT\""},
    {"assign", 1, "assign \"TEXT\""},
    {"shown", 0, "shown ROWS"},
    {"row", 2, R"(row "NAME" "VALUE")"},
    {"result", 2, R"(result "TEXT" "FORMULA")"},
    {"end", 0, "end"},
}};

bool isBlank(char c) noexcept {
  return c == ' ' || c == '\t';
}

bool isBlankLine(std::string_view line) noexcept {
  return std::all_of(line.begin(), line.end(), isBlank);
}

bool isSkipped(std::string_view line) noexcept {
  return isBlankLine(line) || line.starts_with('#');
}

std::string_view withoutBlanks(std::string_view text) noexcept {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// The file's lines without their line ends (LF, or CRLF).
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

int hexDigit(char c) noexcept {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads one line's entry at a time into the worksheet.
class EntryReader {
public:
  EntryReader(std::string_view line, std::size_t number) : line_(line), number_(number) {}

  // The quoted texts after the key, exactly as many as the entry has.
  std::vector<std::string> texts(const EntryDef &entry) {
    std::vector<std::string> texts;
    for (;;) {
      while (pos_ < line_.size() && isBlank(line_[pos_]))
        ++pos_;
      if (pos_ == line_.size())
        break;
      if (line_[pos_] != '"' || texts.size() == entry.texts)
        fail(Problem::BadForm, std::string(entry.form));
      texts.push_back(text());
    }
    if (texts.size() != entry.texts)
      fail(Problem::BadForm, std::string(entry.form));
    return texts;
  }

  std::string_view key() {
    const std::size_t end = std::min(line_.find_first_of(" \t"), line_.size());
    pos_ = end;
    return line_.substr(0, end);
  }
  std::string_view rest() const noexcept { return line_.substr(pos_); }

  [[noreturn]] void fail(Problem problem, std::string detail = {}) const {
    throw EWorksheetError(problem, number_, std::move(detail));
  }

private:
  // One quoted text, from its opening quote on.
  std::string text() {
    std::string text;
    ++pos_;
    while (pos_ < line_.size()) {
      const std::size_t plain = plainRun(line_.substr(pos_), true);
      text.append(line_.substr(pos_, plain));
      pos_ += plain;
      if (pos_ == line_.size())
        break;
      const std::string_view rest = line_.substr(pos_);
      const std::size_t length = utf8SequenceLength(rest);
      const std::string_view sequence = rest.substr(0, length);
      pos_ += length;
      if (sequence == "\"")
        return text;
      if (sequence == "\\")
        escape(text);
      else if (isControlCharacter(sequence))
        fail(Problem::ControlCharacter);
      else
        text.append(sequence);
    }
    fail(Problem::UnclosedText);
  }

  void escape(std::string &text) {
    const std::size_t start = pos_ - 1; // the backslash
    if (pos_ == line_.size())
      fail(Problem::UnclosedText);
    const char c = line_[pos_];
    const std::size_t simple = std::string_view("\\\"tnr").find(c);
    if (simple != std::string_view::npos) {
      text.push_back("\\\"\t\n\r"[simple]);
      ++pos_;
      return;
    }
    const int high = c == 'x' && pos_ + 2 < line_.size() ? hexDigit(line_[pos_ + 1]) : -1;
    const int low = high >= 0 ? hexDigit(line_[pos_ + 2]) : -1;
    if (low >= 0) {
      text.push_back(static_cast<char>(high * 16 + low));
      pos_ += 3;
      return;
    }
    // The backslash and the character after it, or "\x" and what followed.
    const std::size_t shown = c == 'x'
                                  ? 2 + std::min<std::size_t>(2, line_.size() - pos_ - 1)
                                  : 1 + utf8SequenceLength(line_.substr(pos_));
    fail(Problem::BadEscape, quotedInput(line_.substr(start, shown)));
  }

  std::string_view line_;
  std::size_t number_;
  std::size_t pos_ = 0;
};

// The first line: the format's name and a version this program reads.
void readHeader(std::string_view line) {
  if (!line.starts_with(magic))
    throw EWorksheetError(Problem::NotAWorksheet);
  const std::string_view version = withoutBlanks(line.substr(magic.size()));
  if (version.empty() ||
      version.find_first_not_of("0123456789") != std::string_view::npos)
    throw EWorksheetError(Problem::NotAWorksheet);
  const std::string_view significant =
      version.substr(std::min(version.find_first_not_of('0'), version.size()));
  if (significant.empty())
    throw EWorksheetError(Problem::NotAWorksheet);
  if (significant != std::to_string(worksheetVersion))
    throw EWorksheetError(Problem::NewerVersion, 0, quotedInput(significant));
}

std::size_t readRowCount(EntryReader &reader, const EntryDef &entry) {
  const std::string_view digits = withoutBlanks(reader.rest());
  constexpr std::size_t maxDigits = 9;
  if (digits.empty() || digits.size() > maxDigits ||
      digits.find_first_not_of("0123456789") != std::string_view::npos)
    reader.fail(Problem::BadForm, std::string(entry.form));
  std::size_t count = 0;
  for (const char c : digits)
    count = count * 10 + static_cast<std::size_t>(c - '0');
  return count;
}

} // namespace

EWorksheetError::EWorksheetError(Problem problem, std::size_t line, std::string detail)
    : Exception(problemText(problem, line, detail)), problem_(problem), line_(line),
      detail_(std::move(detail)) {}

std::string writeWorksheet(const Worksheet &worksheet) {
  QV_ASSERT(worksheet.shownRows >= 1 && worksheet.shownRows <= worksheet.rows.size(),
            "Worksheet shows rows it does not have");
  std::string out(magic);
  out.append(std::to_string(worksheetVersion));
  out.append("\n# Open it with Quorvex, or compute it with: quorvex-eval --worksheet "
             "FILE\n");
  appendEntry(out, "separator", {std::string_view(&worksheet.decimalSeparator, 1)});
  appendEntry(out, "formula", {worksheet.formula});
  appendEntry(out, "assign", {worksheet.assign});
  out.append("shown ").append(std::to_string(worksheet.shownRows)).push_back('\n');
  for (const WorksheetRow &row : worksheet.rows)
    appendEntry(out, "row", {row.name, row.value});
  if (worksheet.result)
    appendEntry(out, "result", {worksheet.result->text, worksheet.result->formula});
  out.append("end\n");
  return out;
}

Worksheet readWorksheet(std::string_view bytes) {
  if (bytes.size() > maxWorksheetBytes)
    throw EWorksheetError(Problem::TooLarge);
  if (bytes.empty())
    throw EWorksheetError(Problem::Empty);
  if (bytes.starts_with(byteOrderMark))
    bytes.remove_prefix(byteOrderMark.size());
  const std::vector<std::string_view> lines = splitLines(bytes);
  readHeader(lines.empty() ? std::string_view() : lines.front());
  // A cut file is told as such, wherever the cut fell.
  auto last = std::find_if_not(lines.rbegin(), lines.rend() - 1, isSkipped);
  if (last == lines.rend() - 1 || withoutBlanks(*last) != "end")
    throw EWorksheetError(Problem::Truncated);

  Worksheet worksheet;
  worksheet.rows.clear();
  std::array<std::size_t, entries.size()> seenAt{};
  bool ended = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::size_t number = i + 1;
    if (!isUtf8(lines[i]))
      throw EWorksheetError(Problem::NotUtf8, number);
    if (isSkipped(lines[i]))
      continue;
    EntryReader reader(lines[i], number);
    if (ended)
      reader.fail(Problem::TextAfterEnd);
    const std::string_view key = reader.key();
    const auto *def = std::find_if(entries.begin(), entries.end(),
                                   [key](const EntryDef &e) { return e.key == key; });
    if (def == entries.end())
      reader.fail(Problem::UnknownEntry, quotedInput(key));
    const auto entry = static_cast<Entry>(def - entries.begin());
    std::size_t &seen = seenAt[static_cast<std::size_t>(entry)];
    if (seen != 0 && entry != Entry::Row)
      reader.fail(Problem::RepeatedEntry, std::string(key));
    seen = number;
    if (entry == Entry::Shown) {
      worksheet.shownRows = readRowCount(reader, *def);
      continue;
    }
    std::vector<std::string> texts = reader.texts(*def);
    switch (entry) {
    case Entry::Separator:
      if (texts[0].size() != 1 || !isUsableSeparator(texts[0][0]))
        reader.fail(Problem::BadSeparator, quotedInput(texts[0]));
      worksheet.decimalSeparator = texts[0][0];
      break;
    case Entry::Formula:
      worksheet.formula = std::move(texts[0]);
      break;
    case Entry::Assign:
      worksheet.assign = std::move(texts[0]);
      break;
    case Entry::Row:
      worksheet.rows.push_back({std::move(texts[0]), std::move(texts[1])});
      break;
    case Entry::Result:
      worksheet.result = WorksheetResult{std::move(texts[0]), std::move(texts[1])};
      break;
    case Entry::End:
      ended = true;
      break;
    case Entry::Shown:
      break;
    }
  }
  for (const Entry required :
       {Entry::Separator, Entry::Formula, Entry::Assign, Entry::Shown, Entry::Row})
    if (seenAt[static_cast<std::size_t>(required)] == 0)
      throw EWorksheetError(Problem::MissingEntry, 0,
                            std::string(entries[static_cast<std::size_t>(required)].key));
  if (worksheet.shownRows < 1 || worksheet.shownRows > worksheet.rows.size())
    throw EWorksheetError(Problem::BadRowCount,
                          seenAt[static_cast<std::size_t>(Entry::Shown)],
                          std::to_string(worksheet.rows.size()));
  return worksheet;
}

Worksheet worksheetOf(const TCalculatorSession &session) {
  Worksheet worksheet;
  worksheet.decimalSeparator = decimalSeparator();
  worksheet.formula = session.FormulaText();
  worksheet.assign = session.AssignText();
  const TValueGrid &grid = session.Grid();
  worksheet.shownRows = static_cast<std::size_t>(grid.RowCount() - 1);
  worksheet.rows.clear();
  for (int row = 1; row < grid.KeptRowCount(); ++row)
    worksheet.rows.push_back({grid.Cell(0, row), grid.Cell(1, row)});
  // Hidden rows that hold nothing are as good as none.
  while (worksheet.rows.size() > worksheet.shownRows &&
         worksheet.rows.back().name.empty() && worksheet.rows.back().value.empty())
    worksheet.rows.pop_back();
  // The record's first line and last line, after their labels.
  const TTextLog &record = session.Memo1();
  constexpr std::string_view formulaLabel = "Formula: F = ";
  constexpr std::string_view resultLabel = "F value: ";
  if (record.Count() >= 2)
    worksheet.result = WorksheetResult{
        std::string(record.Line(record.Count() - 1).substr(resultLabel.size())),
        std::string(record.Line(0).substr(formulaLabel.size()))};
  return worksheet;
}

void openWorksheet(TCalculatorSession &session, const Worksheet &worksheet) {
  const char from = worksheet.decimalSeparator;
  const char to = decimalSeparator();
  session.SetFormulaText(formulaWithSeparator(worksheet.formula, from, to));
  session.SetAssignText(worksheet.assign);
  session.ClearResult();
  TValueGrid &grid = session.Grid();
  const int saved = static_cast<int>(worksheet.rows.size());
  const int kept = std::max(grid.KeptRowCount(), saved + 1);
  grid.SetRowCount(kept);
  for (int row = 1; row < kept; ++row) {
    const WorksheetRow *cells = row <= saved ? &worksheet.rows[row - 1] : nullptr;
    grid.SetCell(0, row, cells != nullptr ? cells->name : std::string());
    grid.SetCell(1, row,
                 cells != nullptr ? valueWithSeparator(cells->value, from, to)
                                  : std::string());
  }
  grid.SetRowCount(static_cast<int>(worksheet.shownRows) + 1);
  grid.SetQuantityText(std::to_string(worksheet.shownRows));
}

Worksheet loadWorksheet(const std::string &path) {
  // One byte beyond the limit tells a file over it.
  return readWorksheet(readFileStart(path, maxWorksheetBytes + 1));
}

void saveWorksheet(const std::string &path, const Worksheet &worksheet) {
  const std::string text = writeWorksheet(worksheet);
  // Refused here, a worksheet that would not open again is never written.
  readWorksheet(text);
  replaceFile(path, text);
}

} // namespace quorvex
