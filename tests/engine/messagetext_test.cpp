#include "engine/messagetext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(MessageText, FillsEachPlaceholderOnceFromItsArgument) {
  const struct {
    const char *source;
    std::vector<std::string> arguments;
    const char *filled;
  } cases[] = {
      {"'%1' is not a valid floating point value",
       {"1,5"},
       "'1,5' is not a valid floating point value"},
      {"%2 before %1", {"a", "b"}, "b before a"},
      {"quotes '%1'", {"%2 and %1"}, "quotes '%2 and %1'"},
      {"%3 has no argument, %1 has", {"x"}, "%3 has no argument, x has"},
      {"100% sure, 50%", {"x"}, "100% sure, 50%"},
      {"%10", {"a"}, "a0"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_EQ(fillMessage(c.source, c.arguments), c.filled);
  }
}
