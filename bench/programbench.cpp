#include "programbench.h"

#include "benchcommon.h"
#include "childprocess.h"

#include "session/calculatorsession.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quorvex::bench {

namespace {

constexpr const char *computeLabel = "Compute, session";
constexpr const char *batchLabel = "CLI batch, 100000 lines";
constexpr const char *startupLabel = "start-up to shown window";
constexpr int batchLines = 100000;

// F1-sized formulas that differ line by line; line i gives
// 5.22 - 5.44E-4 * (2 - i).
std::string batchFile() {
  // Plain char arrays: they outlive the exit handlers that remove the files.
  static char name[] = "/tmp/quorvex-batch-XXXXXX";
  static const bool made = [] {
    const int fd = mkstemp(name);
    if (fd < 0)
      return false;
    close(fd);
    std::string text;
    for (int i = 1; i <= batchLines; ++i)
      text += "5.22 - 5.44E-4 * (x - " + std::to_string(i) + ")\n";
    std::ofstream(name) << text;
    std::atexit([] { std::filesystem::remove(name); });
    return true;
  }();
  return made ? std::string(name) : std::string();
}

// Every line a number that agrees with the native value.
bool batchOutputAgrees(const std::string &output) {
  std::istringstream lines(output);
  std::string line;
  int i = 0;
  while (std::getline(lines, line)) {
    ++i;
    const double expected = 5.22 - 5.44E-4 * (2 - i);
    if (!agrees(std::strtod(line.c_str(), nullptr), expected))
      return false;
  }
  return i == batchLines;
}

void compute(benchmark::State &state) {
  TCalculatorSession session; // start-up state: the default formula, x = 2
  const double value = session.Compute();
  if (!agrees(value, 5.22 - 5.44E-4 * (2 - 817))) {
    failBenchmark(state, "Compute disagrees with native");
    return;
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(session.Compute());
}

void batch(benchmark::State &state) {
  const std::string input = batchFile();
  for (auto _ : state) {
    const ChildRun run = runChild({QUORVEX_EVAL_PATH, "-v", "x=2"}, {}, input);
    if (run.exitStatus != 0 || !batchOutputAgrees(run.output)) {
      failBenchmark(state, "quorvex-eval batch output disagrees with native");
      return;
    }
    state.SetIterationTime(run.totalSeconds);
  }
}

#ifdef QUORVEX_STARTUP_PROBE_PATH
void startup(benchmark::State &state) {
  const std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen",
                                                "XDG_RUNTIME_DIR=" + runtimeDirectory()};
  for (auto _ : state) {
    const ChildRun run = runChild({QUORVEX_STARTUP_PROBE_PATH}, environment, "");
    if (run.exitStatus != 0 || run.output.rfind("shown", 0) != 0) {
      failBenchmark(state, "the desktop program did not show its main window");
      return;
    }
    state.SetIterationTime(run.firstLineSeconds);
  }
}
#endif

TableRow row(const std::string &label, const std::string &unit, double value) {
  TableRow r;
  r.label = label;
  r.unit = unit;
  r.ours = value;
  return r;
}

} // namespace

void registerProgramBenchmarks() {
  benchmark::RegisterBenchmark(benchName(computeLabel, oursColumn).c_str(), compute);
  benchmark::RegisterBenchmark(benchName(batchLabel, oursColumn).c_str(), batch)
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
#ifdef QUORVEX_STARTUP_PROBE_PATH
  benchmark::RegisterBenchmark(benchName(startupLabel, oursColumn).c_str(), startup)
      ->UseManualTime()
      ->Iterations(2)
      ->Unit(benchmark::kMillisecond);
#endif
}

std::vector<TableRow> programRows(const MedianCollector &medians) {
  std::vector<TableRow> rows;
  rows.push_back(
      row(computeLabel, "ns", medians.median(benchName(computeLabel, oursColumn))));

  const double batchNs = medians.median(benchName(batchLabel, oursColumn));
  TableRow batchRow = row(batchLabel, "lines/s", batchLines / (batchNs * 1e-9));
  batchRow.goal = ">= 100000";
  if (!std::isnan(batchNs))
    batchRow.met = batchRow.ours >= 100000;
  rows.push_back(batchRow);

  rows.push_back(row(startupLabel, "ms",
                     medians.median(benchName(startupLabel, oursColumn)) * 1e-6));
  return rows;
}

std::vector<TableRow> soakRows() {
  std::vector<TableRow> rows;
#ifdef QUORVEX_SOAK_PATH
  const ChildRun run = runChild({QUORVEX_SOAK_PATH}, {}, "");
  const std::size_t at = run.output.rfind("growth_kib ");
  TableRow soak = row("VmRSS growth, 1M Computes", "KiB", none);
  soak.goal = "flat (<= 256)";
  if (run.exitStatus == 0 && at != std::string::npos) {
    soak.ours = std::strtod(run.output.c_str() + at + 11, nullptr);
    soak.met = soak.ours <= 256;
  } else {
    soak.met = 0;
    std::fprintf(stderr, "FAILED: compute soak\n%s", run.output.c_str());
  }
  rows.push_back(soak);
#endif
  return rows;
}

} // namespace quorvex::bench
