// quorvex-eval as a co-process: another program writes one formula, waits
// for its answer, and only then writes the next.

#include "coprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

using namespace std::chrono_literals;

TEST(EvalCoProcess, AnswersEachLineBeforeTheNextArrives) {
  CoProcess eval(QUORVEX_EVAL_PATH, {"-v", "x=6"});
  // Integers only: the child keeps this process's locale.
  const struct {
    const char *line;
    const char *answer;
  } exchanges[] = {{"1+1\n", "2"},
                   {"x*7\n", "42"},
                   {"1/0\n", "error: Floating point division by zero."}};
  for (const auto &e : exchanges) {
    SCOPED_TRACE(e.line);
    ASSERT_TRUE(eval.write(e.line));
    // Generous: a sanitizer build starts slowly. A tool that holds its
    // answers until the end of input never gives one.
    EXPECT_EQ(eval.readLine(10s), std::optional<std::string>(e.answer));
  }
  eval.closeInput();
  EXPECT_EQ(eval.readLine(10s), std::nullopt); // nothing more, and the end
  EXPECT_EQ(eval.wait(), 1);                   // one line failed
}

// The same for the table mode: the header's answer, then each row's, each
// before the next line is sent, with one job and with several.
TEST(EvalCoProcess, AnswersEachTableRowBeforeTheNextArrives) {
  for (const char *jobs : {"1", "2"}) {
    SCOPED_TRACE(std::string(jobs) + " jobs");
    CoProcess eval(QUORVEX_EVAL_PATH, {"--jobs", jobs, "--table", "-", "x/y"});
    const struct {
      const char *line;
      const char *answer;
    } exchanges[] = {{"day,x,y\n", "day,x,y,F,error"},
                     {"mon,6,3\n", "mon,6,3,2,"},
                     {"\"tue, wed\",1,0\n",
                      "\"tue, wed\",1,0,,Floating point division by zero."},
                     {"thu,-8,4\r\n", "thu,-8,4,-2,"}};
    for (const auto &e : exchanges) {
      SCOPED_TRACE(e.line);
      ASSERT_TRUE(eval.write(e.line));
      EXPECT_EQ(eval.readLine(10s), std::optional<std::string>(e.answer));
    }
    eval.closeInput();
    EXPECT_EQ(eval.readLine(10s), std::nullopt);
    EXPECT_EQ(eval.wait(), 1);
  }
}
