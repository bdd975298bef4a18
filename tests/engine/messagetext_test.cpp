#include "engine/messagetext.h"

#include <gtest/gtest.h>

using namespace quorvex;

TEST(MessageText, FullStopOnlyAfterCharactersAboveIt) {
  const struct {
    const char *message;
    const char *shown;
  } cases[] = {
      {"", ""},
      {"Floating point overflow", "Floating point overflow."},
      {"Already ends.", "Already ends."},
      {"'x' is not a valid floating point value",
       "'x' is not a valid floating point value."},
      {"Parse error: Unknown symbol: 'y'", "Parse error: Unknown symbol: 'y'"},
      {"(a)", "(a)"},
      {"trailing blank ", "trailing blank "},
      {"minus -", "minus -"},  // "-" is just below "."
      {"slash /", "slash /."}, // "/" is just above it
      {"code 9", "code 9."},
      {"ends in \xC3\xA9", "ends in \xC3\xA9."}, // UTF-8 bytes count as high
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(withFullStop(c.message), c.shown);
  }
}
