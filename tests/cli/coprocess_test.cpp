// quorvex-eval as a co-process: another program writes one formula, waits
// for its answer, and only then writes the next.

#include "coprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
// before the next line is sent, with one job and with several, from standard
// input and from a named pipe (which the shell feeds with that input).
TEST(EvalCoProcess, AnswersEachTableRowBeforeTheNextArrives) {
  const std::string fifo = "/tmp/quorvex-fifo-" + std::to_string(::getpid());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string direct = "exec \"$0\" --table -";
  const std::string named = R"(exec 3<&0; cat <&3 >"$1" & exec "$0" --table "$1" 3<&-)";
  for (const std::string &run : {direct + " --jobs 1", direct + " --jobs 2",
                                 named + " --jobs 1", named + " --jobs 2"}) {
    SCOPED_TRACE(run);
    CoProcess eval("/bin/sh", {"-c", run + " x/y", QUORVEX_EVAL_PATH, fifo});
    const struct {
      const char *line;
      const char *answer;
    } exchanges[] = {
        {"day,x,y\n", "day,x,y,F,error"},
        {"mon,6,3\n", "mon,6,3,2,"},
        {"\"tue, wed\",1,0\n", "\"tue, wed\",1,0,,Floating point division by zero."},
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
  ::unlink(fifo.c_str());
}

namespace {

// How many threads the process runs now.
int threadsOf(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.starts_with("Threads:"))
      return std::stoi(line.substr(8));
  return -1;
}

} // namespace

// By default one job per CPU the process may use, which may be fewer than
// the machine has: pinned to one CPU, the tool computes on its own thread.
TEST(EvalCoProcess, DefaultJobsAreTheCpusTheProcessMayUse) {
  cpu_set_t allowed;
  ASSERT_EQ(::sched_getaffinity(0, sizeof allowed, &allowed), 0);
  if (CPU_COUNT(&allowed) < 2)
    GTEST_SKIP() << "fewer than two CPUs to pin to one of";
  cpu_set_t one;
  CPU_ZERO(&one);
  int cpu = 0;
  while (!CPU_ISSET(cpu, &allowed))
    ++cpu;
  CPU_SET(cpu, &one);
  const struct {
    std::vector<std::string> args;
    int threads;
  } cases[] = {{{"--table", "-", "x"}, 1}, {{"--jobs", "2", "--table", "-", "x"}, 3}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.args.front());
    // A child starts with the CPUs of the thread that forked it.
    ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
    CoProcess eval(QUORVEX_EVAL_PATH, c.args);
    ASSERT_EQ(::sched_setaffinity(0, sizeof allowed, &allowed), 0);
    ASSERT_TRUE(eval.write("x\n"));
    // The header's answer comes once the jobs are under way.
    EXPECT_EQ(eval.readLine(10s), std::optional<std::string>("x,F,error"));
    EXPECT_EQ(threadsOf(eval.pid()), c.threads);
  }
}
