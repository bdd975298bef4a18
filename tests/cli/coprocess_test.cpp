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
