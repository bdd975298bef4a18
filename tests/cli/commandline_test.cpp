#include "cli/commandline.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {
EvalOptions parse(const std::vector<std::string_view> &args) {
  return parseCommandLine(args);
}
} // namespace

TEST(CommandLine, VariablesKeepOrderAndSplitAtTheFirstEquals) {
  const EvalOptions o = parse({"-v", "b=1", "--var", "a=x=y", "-vc=", "b+a"});
  ASSERT_EQ(o.variables.size(), 3u);
  EXPECT_EQ(o.variables[0].name, "b");
  EXPECT_EQ(o.variables[0].value, "1");
  EXPECT_EQ(o.variables[1].name, "a");
  EXPECT_EQ(o.variables[1].value, "x=y");
  EXPECT_EQ(o.variables[2].name, "c");
  EXPECT_EQ(o.variables[2].value, "");
  EXPECT_EQ(o.formula, "b+a");
}

TEST(CommandLine, WhatCountsAsTheFormula) {
  const struct {
    std::vector<std::string_view> args;
    const char *formula; // nullptr: none, read stdin
  } cases[] = {
      {{}, nullptr},  {{"--log", "last"}, nullptr},
      {{"-5"}, "-5"}, {{"-(x)"}, "-(x)"},
      {{"-"}, "-"},   {{"--", "--version"}, "--version"},
      {{""}, ""},
  };
  for (const auto &c : cases) {
    const EvalOptions o = parse(c.args);
    if (c.formula == nullptr)
      EXPECT_FALSE(o.formula.has_value());
    else
      EXPECT_EQ(o.formula, c.formula);
  }
}

TEST(CommandLine, Separators) {
  for (char c : {'.', ',', '\'', '#'})
    EXPECT_TRUE(isUsableSeparator(c)) << c;
  // "_" continues a name: "1_5" would be the number 1 and the name "_5".
  for (char c : {'+', '-', '*', '/', '(', ')', ';', '<', '>', '=', '5', 'e', 'E', '_',
                 ' ', '\t', '\0', '\xC3'})
    EXPECT_FALSE(isUsableSeparator(c)) << int(c);
  EXPECT_EQ(parse({"--decimal-separator", ","}).decimalSeparator, ',');
  EXPECT_THROW(parse({"--decimal-separator", ""}), EUsageError);
}

TEST(CommandLine, RefusedSeparatorNamesTheUsableOnes) {
  try {
    parse({"--decimal-separator", "_"});
    ADD_FAILURE() << "'_' accepted";
  } catch (const EUsageError &e) {
    EXPECT_EQ(e.message(), "decimal separator '_' must be one of these characters: "
                           "! \" # $ % & ' , . : ? @ [ \\ ] ^ ` { | } ~");
  }
}

TEST(CommandLine, NamesThatDifferOnlyInCaseAreOneVariableTwice) {
  try {
    parse({"-v", "rate=1", "--var", " RATE =2", "rate"});
    ADD_FAILURE() << "both accepted";
  } catch (const EUsageError &e) {
    EXPECT_EQ(e.message(), "options '-v rate=1' and '--var  RATE =2' declare the same "
                           "variable (names ignore case)");
  }
  // A name is ASCII letters, digits and _, as the lexer reads one.
  EXPECT_THROW(parse({"-v", "\xC3\xA9=1"}), EUsageError);
  EXPECT_EQ(parse({"-v", "x=1", "-v", "xx=2"}).variables.size(), 2u);
}

TEST(CommandLine, LogChoices) {
  EXPECT_EQ(parse({}).log, LogChoice::None);
  EXPECT_EQ(parse({"--log", "last"}).log, LogChoice::Last);
  EXPECT_EQ(parse({"--log=session"}).log, LogChoice::Session);
  EXPECT_THROW(parse({"--log", "Last"}), EUsageError);
}

TEST(CommandLine, FormatsAndWhatTheyRefuse) {
  EXPECT_EQ(parse({"--format", "fixed:2", "1"}).format,
            (NumberFormat{Notation::Fixed, 2}));
  const auto refusal = [](const std::vector<std::string_view> &args) {
    try {
      parse(args);
    } catch (const EUsageError &e) {
      return e.message();
    }
    return std::string("accepted");
  };
  EXPECT_EQ(
      refusal({"--format", "sci:18", "1"}),
      "--format: format 'sci:18' needs a number of significant digits from 1 to 17");
  EXPECT_EQ(refusal({"--format=Exact"}),
            "--format: unknown format 'Exact' (general:N, sci:N, "
            "eng:N, fixed:N, shortest, exact or hex)");
  EXPECT_EQ(refusal({"--round-trip", "--format", "hex"}),
            "--format cannot be used with --round-trip");
}
