// One session, 1,000,000 Computes alternating between a formula that
// succeeds and one that fails (in turn: division by zero at run time, an
// unknown name, a parse error, a domain error), printing the resident memory
// every 100,000. Run standalone, or by quorvex_bench for its table row.
//
//   quorvex_compute_soak [count] [--keep-session-log]
//
// The session log records every successful Compute by design, so it grows
// when kept; the batch tool runs without it, and so does this by default.

#include "engine/errors.h"
#include "session/calculatorsession.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0)
      return std::atol(line.c_str() + 6);
  return -1;
}

} // namespace

int main(int argc, char **argv) {
  long count = 1000000;
  bool keepLog = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep-session-log") == 0)
      keepLog = true;
    else
      count = std::atol(argv[i]);
  }
  const char *const failing[] = {"1/(x-2)", "nosuchname*x", "(x+1", "ln(x-2)"};
  quorvex::TCalculatorSession session;
  session.SetKeepSessionLog(keepLog);
  const std::string good = session.FormulaText();
  long failures = 0, successes = 0;
  long first = -1, last = -1;
  const long interval = count >= 10 ? count / 10 : 1;
  std::printf("%10s %12s\n", "computes", "VmRSS KiB");
  for (long i = 1; i <= count; ++i) {
    session.SetFormulaText(i % 2 != 0 ? good : failing[(i / 2) % 4]);
    try {
      session.Compute();
      ++successes;
    } catch (const quorvex::Exception &) {
      ++failures;
    }
    if (i % interval == 0) {
      const long rss = residentKiB();
      if (first < 0)
        first = rss;
      last = rss;
      std::printf("%10ld %12ld\n", i, rss);
    }
  }
  std::printf("successes %ld failures %ld growth_kib %ld\n", successes, failures,
              last - first);
  return successes == (count + 1) / 2 && failures == count / 2 ? 0 : 1;
}
