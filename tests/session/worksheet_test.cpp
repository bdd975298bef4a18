#include "session/worksheet.h"

#include "separatorguard.h"
#include "session/calculatorsession.h"
#include "session/separatorconversion.h"
#include "session/textfile.h"

#include <gtest/gtest.h>

using namespace quorvex;
using namespace std::string_literals;
using Problem = EWorksheetError::Problem;

namespace {

const std::string head =
    "Quorvex worksheet 1\nseparator \".\"\nformula \"x\"\nassign \"x\"\n";
const std::string body = head + "shown 1\nrow \"x\" \"2\"\n";

} // namespace

TEST(Worksheet, EveryByteComesBackAndEveryEntryKeepsToItsLine) {
  Worksheet w;
  w.decimalSeparator = ',';
  w.formula = "a\tb\nc\rd\0e\x7F\xC2\x85 \xFF\xC3(\" \\ \xE2\x80\xA8\xE2\x80\xAE π "s;
  w.assign = " x; y ";
  w.rows = {{"x", " 1,5 "}, {"", ""}, {"\xEF\xBB\xBF", "\x01"}};
  w.shownRows = 2;
  w.result = WorksheetResult{"3", "x*2"};
  const std::string text = writeWorksheet(w);
  EXPECT_EQ(readWorksheet(text), w);
  // One entry a line, nothing an editor would show as something else.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11) << text;
  for (const char c : text)
    EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
  EXPECT_EQ(text.find("\xE2\x80"), std::string::npos);
  EXPECT_NE(text.find(" π "), std::string::npos);
}

TEST(Worksheet, TheExampleIsWhatTheWriterWritesAndComputes) {
  SeparatorGuard point('.');
  const std::string file =
      readFileStart(QUORVEX_SOURCE_DIR "/examples/compoundinterest.qvws", 1000);
  const Worksheet w = readWorksheet(file);
  EXPECT_EQ(writeWorksheet(w), file);
  TCalculatorSession s;
  openWorksheet(s, w);
  s.Compute();
  EXPECT_EQ(s.ResultText(), "1647.00949769028");
  EXPECT_EQ(worksheetOf(s), w);
}

TEST(Worksheet, EditorsLineEndsByteOrderMarkAndCommentsAreAccepted) {
  const Worksheet plain = readWorksheet(body + "end\n");
  std::string crlf = "\xEF\xBB\xBF" + body + "end"; // and no last line end
  for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
    crlf.insert(at, "\r");
  EXPECT_EQ(readWorksheet(crlf), plain);
  EXPECT_EQ(readWorksheet(head +
                          "\n# note\n  \t\nshown 1  \nrow  \"x\"\t\"2\" \nend\n\n# "
                          "after\n"),
            plain);
}

TEST(Worksheet, BadFilesSayWhatIsWrongAndWhere) {
  const struct {
    const char *what;
    std::string bytes;
    Problem problem;
    std::size_t line;
    const char *message;
  } cases[] = {
      {"empty", "", Problem::Empty, 0, "the file is empty"},
      {"other text", "x;y\n", Problem::NotAWorksheet, 0, "it is not a Quorvex worksheet"},
      {"binary", "\177ELF\2\1\0\0"s, Problem::NotAWorksheet, 0, nullptr},
      {"version 0", "Quorvex worksheet 0\nend\n", Problem::NotAWorksheet, 0, nullptr},
      {"newer", "Quorvex worksheet 002\nfuture\nend\n", Problem::NewerVersion, 0,
       "it is a worksheet of version 2, made by a newer Quorvex; this one reads version "
       "1"},
      {"cut in a text", body.substr(0, body.size() - 4), Problem::Truncated, 0,
       "it is cut short: its last line, \"end\", is missing"},
      {"header only", "Quorvex worksheet 1\r\n", Problem::Truncated, 0, nullptr},
      {"too large", body + std::string(maxWorksheetBytes, '#') + "\nend\n",
       Problem::TooLarge, 0, "it is larger than 16 MiB, the most a worksheet may hold"},
      {"not UTF-8", head + "row \"\xC3\" \"\"\nend\n", Problem::NotUtf8, 5,
       "line 5 is not UTF-8 text"},
      {"unknown", head + "colour\x1B[31m \"red\"\nend\n", Problem::UnknownEntry, 5,
       "line 5: unknown entry 'colour\\x1B[31m'"},
      {"repeated", body + "formula \"y\"\nend\n", Problem::RepeatedEntry, 7,
       "line 7: a second 'formula' entry"},
      {"one text of two", head + "row \"x\"\nend\n", Problem::BadForm, 5,
       R"(line 5: write the entry as row "NAME" "VALUE")"},
      {"unquoted", head + "shown 1\nrow x 2\nend\n", Problem::BadForm, 6, nullptr},
      {"count", head + "shown -1\nend\n", Problem::BadForm, 5, nullptr},
      {"unclosed", head + "row \"x\" \"2\\\"\nend\n", Problem::UnclosedText, 5,
       "line 5: a text has no closing quote"},
      {"escape", head + "row \"x\" \"\\q\"\nend\n", Problem::BadEscape, 5,
       R"(line 5: unknown escape '\q' (a text knows \\, \", \t, \n, \r and \xHH))"},
      {"short hex", head + "row \"x\" \"\\x4\"\nend\n", Problem::BadEscape, 5, nullptr},
      {"raw tab", head + "row \"x\" \"\t2\"\nend\n", Problem::ControlCharacter, 5,
       nullptr},
      {"raw C1", head + "row \"x\" \"\xC2\x9B\"\nend\n", Problem::ControlCharacter, 5,
       nullptr},
      {"none shown", head + "shown 0\nrow \"x\" \"2\"\nend\n", Problem::BadRowCount, 5,
       "line 5: the rows shown must be a number from 1 to the number of rows, 1"},
      {"more shown", head + "shown 2\nrow \"x\" \"2\"\nend\n", Problem::BadRowCount, 5,
       nullptr},
      {"separator", "Quorvex worksheet 1\nseparator \"+\"\nend\n", Problem::BadSeparator,
       2, "line 2: '+' cannot be a decimal separator"},
      {"after end", body + "end\nshown 1\nend\n", Problem::TextAfterEnd, 8,
       "line 8: text after the line \"end\""},
      {"no rows", head + "shown 1\nend\n", Problem::MissingEntry, 0,
       "the entry 'row' is missing"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    try {
      readWorksheet(c.bytes);
      ADD_FAILURE() << "read";
    } catch (const EWorksheetError &e) {
      EXPECT_EQ(e.problem(), c.problem) << e.what();
      EXPECT_EQ(e.line(), c.line) << e.what();
      if (c.message != nullptr) {
        EXPECT_STREQ(e.what(), c.message);
      }
    }
  }
}

TEST(Worksheet, OneLimitForSavingAndOpening) {
  Worksheet w;
  w.formula.assign(maxWorksheetBytes, 'x');
  const std::string path = testing::TempDir() + "large.qvws";
  std::remove(path.c_str());
  EXPECT_THROW(saveWorksheet(path, w), EWorksheetError);
  EXPECT_THROW(readFileStart(path, 1), EFileError);
  w.formula.resize(maxWorksheetBytes - 200);
  saveWorksheet(path, w);
  EXPECT_EQ(loadWorksheet(path), w);
}

TEST(Worksheet, OpeningRestoresEveryCellAndComputesNothing) {
  SeparatorGuard comma(',');
  TCalculatorSession saved;
  saved.SetAssignText("x;y;z");
  saved.ApplyVariableList();
  for (int row = 1; row <= 3; ++row)
    saved.Grid().SetCell(1, row, std::to_string(row) + ",5");
  saved.SetAssignText("x");
  saved.ApplyVariableList(); // y and z hidden, kept
  saved.SetAssignText("x;X");
  saved.SetFormulaText("x*2,5");
  const Worksheet w = readWorksheet(writeWorksheet(worksheetOf(saved)));

  SeparatorGuard point('.');
  TCalculatorSession opened;
  opened.SetFormulaText("a+e");
  opened.SetAssignText("a;b;c;d;e");
  opened.ApplyVariableList(); // a hidden fifth row the worksheet empties
  opened.Compute();
  openWorksheet(opened, w);
  EXPECT_EQ(opened.FormulaText(), "x*2.5");
  EXPECT_EQ(opened.AssignText(), "x;X"); // as typed, unapplied
  EXPECT_EQ(opened.Grid().RowCount(), 2);
  EXPECT_EQ(opened.Grid().QuantityText(), "1");
  const char *values[] = {"1.5", "2.5", "3.5", "", ""};
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(opened.Grid().Cell(1, row), values[row - 1]) << row;
  EXPECT_EQ(opened.ResultText(), "");
  EXPECT_EQ(opened.ComputeCount(), 1);
  EXPECT_EQ(opened.Memo2().Count(), 8u);
  EXPECT_THROW(opened.Compute(), EStringHashMapError);
}

TEST(Worksheet, OnlyNumbersTakeTheOtherSeparator) {
  const struct {
    std::string text;
    char from, to;
    std::string formula, value;
  } cases[] = {
      {"5,22 - 5,44E-4 * (x - 817)", ',', '.', "5.22 - 5.44E-4 * (x - 817)", ""},
      {"power(2,5;x2,5)", ',', '.', "power(2.5;x2,5)", ""},
      {"1.5e3+2.", '.', ',', "1,5e3+2,", ""},
      {"2.5,3", ',', '.', "2.5,3", "2.5,3"}, // not numbers where they were typed
      {"1,5\0 2,5"s, ',', '.', "1.5\0 2,5"s, "1,5\0 2,5"s},
      {"0,05", ',', '.', "0.05", "0.05"},
      {"  -1,5e-3 ", ',', '.', "  -1.5e-3 ", "  -1.5e-3 "},
      {",", ',', '.', ",", "."},
      {",5", ',', '.', ",5", ".5"},
      {"1,5,6", ',', '.', "1.5,6", "1,5,6"},
      {"e,5", ',', '.', "e,5", "e,5"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formulaWithSeparator(c.text, c.from, c.to), c.formula);
    EXPECT_EQ(valueWithSeparator(c.text, c.from, c.to),
              c.value.empty() ? c.text : c.value);
  }
}
