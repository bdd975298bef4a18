#include "cli/commandline.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {
TEvalOptions parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}
} // namespace

TEST(CommandLine, VariablesKeepOrderAndSplitAtTheFirstEquals) {
  const TEvalOptions o = parse({"-v", "b=1", "--var", "a=x=y", "-vc=", "b+a"});
  ASSERT_EQ(o.Variables.size(), 3u);
  EXPECT_EQ(o.Variables[0].Name, "b");
  EXPECT_EQ(o.Variables[0].Value, "1");
  EXPECT_EQ(o.Variables[1].Name, "a");
  EXPECT_EQ(o.Variables[1].Value, "x=y");
  EXPECT_EQ(o.Variables[2].Name, "c");
  EXPECT_EQ(o.Variables[2].Value, "");
  EXPECT_EQ(o.Formula, "b+a");
}

TEST(CommandLine, WhatCountsAsTheFormula) {
  const struct {
    std::vector<std::string_view> args;
    const char *formula; // nullptr: none, read stdin
  } cases[] = {
      {{}, nullptr},
      {{"--log", "last"}, nullptr},
      {{"-5"}, "-5"},
      {{"-(x)"}, "-(x)"},
      {{"-"}, "-"},
      {{"--", "--version"}, "--version"},
      {{""}, ""},
  };
  for (const auto &c : cases) {
    const TEvalOptions o = parse(c.args);
    if (c.formula == nullptr)
      EXPECT_FALSE(o.Formula.has_value());
    else
      EXPECT_EQ(o.Formula, c.formula);
  }
}

TEST(CommandLine, Separators) {
  for (char c : {'.', ',', '\'', '_', '#'})
    EXPECT_TRUE(IsUsableSeparator(c)) << c;
  for (char c : {'+', '-', '*', '/', '(', ')', ';', '<', '>', '=', '5', 'e',
                 'E', ' ', '\t', '\0', '\xC3'})
    EXPECT_FALSE(IsUsableSeparator(c)) << int(c);
  EXPECT_EQ(parse({"--decimal-separator", ","}).DecimalSeparator, ',');
  EXPECT_THROW(parse({"--decimal-separator", ""}), EUsageError);
}

TEST(CommandLine, LogChoices) {
  EXPECT_EQ(parse({}).Log, TLogChoice::None);
  EXPECT_EQ(parse({"--log", "last"}).Log, TLogChoice::Last);
  EXPECT_EQ(parse({"--log=session"}).Log, TLogChoice::Session);
  EXPECT_THROW(parse({"--log", "Last"}), EUsageError);
}
