#include "session/signtoggle.h"

#include "engine/errors.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvex;

namespace {

struct ToggleCase {
  const char *what;
  const char *before;
  std::size_t selStart;
  std::size_t selLength;
  char separator;
  const char *after; // nullptr: no change
  std::size_t caret;
};

const ToggleCase toggleCases[] = {
    // The documented cases.
    {"selected sign", "5 - 3", 2, 1, '.', "5 + 3", 3},
    {"before first digit, no sign", "2 * 15", 4, 0, '.', "2 * -15", 5},
    {"inside a signed number", "x + 12", 5, 0, '.', "x - 12", 5},
    {"before separator inside number", "0.5", 1, 0, '.', "-0.5", 2},
    {"before a sign followed by a digit", "5 -3", 2, 0, '.', "5 +3", 2},
    {"between E and exponent digits", "2.0E3", 4, 0, '.', "2.0E-3", 5},
    {"between exponent sign and digits", "2.0E-3", 5, 0, '.', "2.0E+3", 5},
    // Where nothing happens.
    {"caret at end", "12", 2, 0, '.', nullptr, 0},
    {"caret at end of empty text", "", 0, 0, '.', nullptr, 0},
    {"number then blank", "12 + 3", 2, 0, '.', nullptr, 0},
    {"sign followed by blank", "5 - 3", 2, 0, '.', nullptr, 0},
    {"leading separator, caret 0", ".5", 0, 0, '.', nullptr, 0},
    {"leading separator, caret 1", ".5", 1, 0, '.', nullptr, 0},
    {"letter run", "abc", 1, 0, '.', nullptr, 0},
    // Insertions and flips.
    {"caret 0 before number", "12", 0, 0, '.', "-12", 1},
    {"before operator followed by digit", "x*5", 1, 0, '.', "x*-5", 2},
    {"long selection works from its start", "x*12", 2, 2, '.', "x*-12", 3},
    {"selected non-sign character", "12", 0, 1, '.', "-12", 1},
    {"comma: point splits numbers", "1.5", 2, 0, ',', "1.-5", 3},
    {"comma: one number", "1,5", 2, 0, ',', "-1,5", 3},
    {"point: comma splits numbers", "1,5", 2, 0, '.', "1,-5", 3},
    {"spaces and tab between sign and number", "7 -\t  4", 6, 0, '.', "7 +\t  4", 6},
    {"selection past the end is clipped", "5-3", 1, 99, '.', "5+3", 1},
    {"selection start past the end", "12", 7, 0, '.', nullptr, 0},
};

void expectToggle(const ToggleCase &c) {
  SCOPED_TRACE(std::string(c.what) + ": \"" + c.before + "\"");
  const auto edit = ToggleSign(c.before, c.selStart, c.selLength, c.separator);
  if (c.after == nullptr) {
    EXPECT_FALSE(edit.has_value());
    return;
  }
  ASSERT_TRUE(edit.has_value());
  EXPECT_EQ(edit->Text, c.after);
  EXPECT_EQ(edit->Caret, c.caret);
}

std::u16string toUtf16(const char *ascii) {
  return {ascii, ascii + std::char_traits<char>::length(ascii)};
}

} // namespace

TEST(SignToggle, EveryCase) {
  for (const ToggleCase &c : toggleCases)
    expectToggle(c);
}

TEST(SignToggle, Utf16TextGivesTheSameEdits) {
  for (const ToggleCase &c : toggleCases) {
    SCOPED_TRACE(c.what);
    const auto edit = ToggleSign(std::u16string_view(toUtf16(c.before)), c.selStart,
                                 c.selLength, c.separator);
    ASSERT_EQ(edit.has_value(), c.after != nullptr);
    if (edit) {
      EXPECT_EQ(edit->Text, toUtf16(c.after));
      EXPECT_EQ(edit->Caret, c.caret);
    }
  }
}

TEST(SignToggle, NonAsciiUnitsAreNeitherDigitsNorBlanks) {
  // U+00B1 and U+2212 look like signs to a reader but are not ones here.
  const auto edit = ToggleSign(std::u16string_view(u"\u22125"), 1, 0, '.');
  ASSERT_TRUE(edit.has_value());
  EXPECT_EQ(edit->Text, u"\u2212-5");
  EXPECT_EQ(edit->Caret, 2u);
}

TEST(SignToggle, RepeatedTogglesAlternateAndNeverRemoveTheSign) {
  std::string text = "5";
  std::size_t caret = 0;
  const char *expected[] = {"-5", "+5", "-5"};
  for (const char *want : expected) {
    const auto edit = ToggleSign(text, caret, 0, '.');
    ASSERT_TRUE(edit.has_value());
    text = edit->Text;
    caret = edit->Caret;
    EXPECT_EQ(text, want);
    EXPECT_EQ(caret, 1u);
  }
}

TEST(SignToggle, InverseOfSwapsSigns) {
  EXPECT_EQ(InverseOf('+'), '-');
  EXPECT_EQ(InverseOf('-'), '+');
}

TEST(SignToggle, InverseOfAssertsOnAnythingElse) {
  for (char c : {'*', '5', ' ', '\0'}) {
    try {
      InverseOf(c);
      ADD_FAILURE() << "no assertion for code " << int(c);
    } catch (const EAssertionFailed &e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("Unexpected input to InverseOf (", 0), 0u) << message;
      EXPECT_NE(message.find("signtoggle.cpp, line "), std::string::npos) << message;
      EXPECT_EQ(message.back(), ')');
    }
  }
}
