#include "session/textlog.h"

#include "engine/errors.h"

#include <gtest/gtest.h>

using namespace quorvex;

TEST(TextLog, PartsJoinIntoOneLine) {
  TTextLog log;
  log.Append({"Formula: F = ", "1+2"});
  log.Append({});
  log.Append({"x", ": ", "3"});
  ASSERT_EQ(log.Count(), 3u);
  EXPECT_EQ(log.Line(0), "Formula: F = 1+2");
  EXPECT_EQ(log.Line(1), "");
  EXPECT_EQ(log.Line(2), "x: 3");
  EXPECT_EQ(log.Text(), "Formula: F = 1+2\n\nx: 3\n");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Formula: F = 1+2", "", "x: 3"}));
  EXPECT_THROW(log.Line(3), EAssertionFailed);
}

TEST(TextLog, TruncateDropsTrailingLinesOnly) {
  TTextLog log;
  log.Append({"a"});
  log.Append({"b"});
  log.Append({"c"});
  log.Truncate(5);
  EXPECT_EQ(log.Count(), 3u);
  log.Truncate(1);
  EXPECT_EQ(log.Text(), "a\n");
  log.Append({"d"});
  EXPECT_EQ(log.Line(1), "d");
  log.Clear();
  EXPECT_TRUE(log.Empty());
  EXPECT_EQ(log.Text(), "");
}
