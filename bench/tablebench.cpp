#include "tablebench.h"

#include "benchcommon.h"
#include "childprocess.h"
#include "formulas.h"

#include "engine/blockevaluator.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"
#include "session/plotsampling.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>
#include <unistd.h>

namespace quorvex::bench {

namespace {

constexpr int tableLines = 1000000;
constexpr int plotPoints = 10000;
constexpr const char *mawkPath = "/usr/bin/mawk";
constexpr const char *plotRow = "plot F4, 10000 points";
constexpr int manyPlotPoints = 1000000;
constexpr const char *manyPlotRow = "plot F4, 1M points, evaluate";
constexpr const char *pointByPointColumn = "point by point";
constexpr const char *evaluatingColumn = "evaluating";

struct TableJob {
  const char *row;     // the table's label
  const char *formula; // BenchFormulas() name
  int columns;         // x, or x and y
  const char *jobs;    // quorvex-eval --jobs
  // The same job for mawk, or none for a row against our own --jobs 1 row.
  const char *mawkProgram;
};

const TableJob jobs[] = {
    {"table F1 --jobs 1 vs mawk, 1M rows", "F1", 1, "1",
     R"(NR>1{printf "%s,%.15g\n", $1, 5.22-5.44e-4*($1-817)})"},
    {"table F4 --jobs 1 vs mawk, 1M rows", "F4", 2, "1",
     "NR>1{printf \"%s,%s,%.15g\\n\", $1, $2, "
     "sin($1)*cos($2)+sqrt($1*$1+$2*$2)-atan2($2,$1)}"},
    {"table F4 --jobs 2 vs --jobs 1, 1M rows", "F4", 2, "2", nullptr},
};
// The row a --jobs row is compared with.
const TableJob &oneJob = jobs[1];

const BenchFormula &formulaNamed(std::string_view name) {
  for (const BenchFormula &formula : benchFormulas())
    if (formula.name == name)
      return formula;
  std::abort();
}

// The same measured-looking values for every run: six significant digits,
// x in [0, 2000) for F1 and x, y in [-10, 10) for F4.
std::string tableFile(int columns) {
  static char names[2][40] = {"/tmp/quorvex-table1-XXXXXX", "/tmp/quorvex-table2-XXXXXX"};
  static bool made[2] = {false, false};
  char *name = names[columns - 1];
  if (made[columns - 1])
    return name;
  const int fd = mkstemp(name);
  if (fd < 0)
    return {};
  close(fd);
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> f1(0, 2000), f4(-10, 10);
  std::string text = columns == 1 ? "x\n" : "x,y\n";
  char cell[64];
  for (int i = 0; i < tableLines; ++i) {
    if (columns == 1) {
      std::snprintf(cell, sizeof cell, "%.6g\n", f1(random));
    } else {
      const double x = f4(random), y = f4(random);
      std::snprintf(cell, sizeof cell, "%.6g,%.6g\n", x, y);
    }
    text += cell;
  }
  std::ofstream(name) << text;
  made[columns - 1] = true;
  std::atexit([] {
    for (int i = 0; i < 2; ++i)
      if (made[i])
        std::filesystem::remove(names[i]);
  });
  return name;
}

// The number in the given field counted from the end of each line (0 the
// last), one per line.
std::vector<double> valuesFromEnd(const std::string &output, int fromEnd) {
  std::vector<double> values;
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos)
      end = output.size();
    std::string_view line(output.data() + start, end - start);
    for (int i = 0; i < fromEnd; ++i)
      line = line.substr(0, line.rfind(','));
    values.push_back(
        std::strtod(std::string(line.substr(line.rfind(',') + 1)).c_str(), nullptr));
    start = end + 1;
  }
  return values;
}

// Our rows (header first, the result before the empty error column) against
// mawk's, row by row.
bool outputsAgree(const std::string &ours, const std::string &mawk) {
  std::vector<double> a = valuesFromEnd(ours.substr(ours.find('\n') + 1), 1);
  std::vector<double> b = valuesFromEnd(mawk, 0);
  if (a.size() != tableLines || b.size() != tableLines)
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!agrees(a[i], b[i]))
      return false;
  return true;
}

const std::string &mawkOutput(const TableJob &job) {
  static std::string outputs[2];
  std::string &output = outputs[job.columns - 1];
  if (output.empty())
    output =
        runChild({mawkPath, "-F,", job.mawkProgram}, {}, tableFile(job.columns)).output;
  return output;
}

ChildRun runOurs(const TableJob &job) {
  return runChild({QUORVEX_EVAL_PATH, "--jobs", job.jobs, "--table",
                   tableFile(job.columns), formulaNamed(job.formula).ours},
                  {"LC_ALL=C"}, "");
}

void ours(benchmark::State &state, const TableJob &job) {
  bool checked = false;
  for (auto _ : state) {
    const ChildRun run = runOurs(job);
    bool agrees = run.exitStatus == 0;
    if (agrees && !checked) {
      // Several jobs must write exactly what one writes; one job what mawk does.
      if (job.mawkProgram == nullptr)
        agrees = run.output == runOurs(oneJob).output;
      else if (access(mawkPath, X_OK) == 0)
        agrees = outputsAgree(run.output, mawkOutput(job));
    }
    if (!agrees) {
      failBenchmark(state, std::string(job.row) + ": the table disagrees with " +
                               (job.mawkProgram == nullptr ? "--jobs 1" : "mawk's"));
      return;
    }
    checked = true;
    state.SetIterationTime(run.totalSeconds);
  }
}

void mawk(benchmark::State &state, const TableJob &job) {
  const std::string input = tableFile(job.columns);
  for (auto _ : state) {
    const ChildRun run =
        runChild({mawkPath, "-F,", job.mawkProgram}, {"LC_ALL=C"}, input);
    if (run.exitStatus != 0) {
      failBenchmark(state, std::string("mawk failed on ") + job.row);
      return;
    }
    state.SetIterationTime(run.totalSeconds);
  }
}

// What the plot window does for one plot: F4 compiled once, y at 0.5, then
// 10,000 points of x from -10 to 10 (and 0).
void plotSampling(benchmark::State &state) {
  const FormulaOnScreen screen{formulaNamed("F4").ours, {"x", "y"}, {"0.7", "1.3"}};
  const auto evaluator = plotEvaluator(screen, 0);
  for (auto _ : state) {
    const PlotSamples samples = samplePlot(*evaluator, 0, -10, 10, plotPoints);
    benchmark::DoNotOptimize(samples.points.data());
  }
  const PlotSamples samples = samplePlot(*evaluator, 0, -10, 10, plotPoints);
  const PlotPoint &last = samples.points.back();
  const double expected[] = {last.x, 1.3};
  if (!agrees(last.y, formulaNamed("F4").native(expected)))
    failBenchmark(state, "plot sampling disagrees with native");
}

// What the table mode spends evaluating in such a run: the same formula
// over the same file's values, already converted, through the block
// evaluator (in this process, CPU time).
void evaluateTable(benchmark::State &state, const TableJob &job) {
  const BenchFormula &formula = formulaNamed(job.formula);
  std::vector<std::vector<double>> columns(job.columns);
  {
    std::ifstream file(tableFile(job.columns));
    std::string line;
    std::getline(file, line); // the header
    while (std::getline(file, line)) {
      const char *cell = line.c_str();
      for (auto &column : columns) {
        char *end = nullptr;
        column.push_back(std::strtod(cell, &end));
        cell = end + 1;
      }
    }
  }
  std::vector<double> storage = initialValues(formula);
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  std::vector<Float *> variables;
  for (std::size_t k = 0; k < storage.size(); ++k) {
    evaluator.AddVariable(formula.variables[k].name, &storage[k]);
    variables.push_back(&storage[k]);
  }
  evaluator.Compile(formula.ours);
  BlockEvaluator block(evaluator, variables);
  std::vector<const double *> pointers;
  pointers.reserve(columns.size());
  for (const auto &column : columns)
    pointers.push_back(column.data());
  std::vector<double> results(columns.front().size());
  struct : BlockFaultSink {
    void rowFailed(std::size_t, const std::exception &) noexcept override {}
  } faults;
  for (auto _ : state) {
    block.evaluate(pointers, results.size(), results.data(), faults);
    benchmark::DoNotOptimize(results.data());
  }
}

// The same for a plot of a million points, wall-clock time, since a plot
// that large is computed on every processor; beside it, the same points
// evaluated one by one through RowEvaluator::evaluateAt, as a plot was
// computed before the block evaluator.
void manyPlot(benchmark::State &state) {
  const FormulaOnScreen screen{formulaNamed("F4").ours, {"x", "y"}, {"0.7", "1.3"}};
  const auto evaluator = plotEvaluator(screen, 0);
  for (auto _ : state) {
    const PlotSamples samples = samplePlot(*evaluator, 0, -10, 10, manyPlotPoints);
    benchmark::DoNotOptimize(samples.points.data());
  }
}

void manyPlotPointByPoint(benchmark::State &state) {
  const FormulaOnScreen screen{formulaNamed("F4").ours, {"x", "y"}, {"0.7", "1.3"}};
  const auto evaluator = plotEvaluator(screen, 0);
  const PlotSamples reference = samplePlot(*evaluator, 0, -10, 10, manyPlotPoints);
  for (auto _ : state) {
    std::vector<PlotPoint> points;
    points.reserve(reference.points.size());
    RowOutcome outcome;
    for (const PlotPoint &point : reference.points) {
      evaluator->evaluateAt(0, point.x, outcome);
      points.push_back({point.x, outcome.value, outcome.ok ? -1 : 0});
    }
    benchmark::DoNotOptimize(points.data());
    if (points.back().y != reference.points.back().y) {
      failBenchmark(state, "plot points one by one disagree with the plot");
      return;
    }
  }
}

} // namespace

void registerTableBenchmarks() {
  for (const TableJob &job : jobs) {
    benchmark::RegisterBenchmark(benchName(job.row, oursColumn).c_str(), ours, job)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    if (job.mawkProgram != nullptr && access(mawkPath, X_OK) == 0)
      benchmark::RegisterBenchmark(benchName(job.row, peerPlainColumn).c_str(), mawk, job)
          ->UseManualTime()
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    if (job.mawkProgram != nullptr)
      benchmark::RegisterBenchmark(benchName(job.row, evaluatingColumn).c_str(),
                                   evaluateTable, job)
          ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark(benchName(plotRow, oursColumn).c_str(), plotSampling)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(benchName(manyPlotRow, oursColumn).c_str(), manyPlot)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(benchName(manyPlotRow, pointByPointColumn).c_str(),
                               manyPlotPointByPoint)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

std::vector<TableRow> tableRows(const MedianCollector &medians) {
  std::vector<TableRow> rows;
  for (const TableJob &job : jobs) {
    TableRow row;
    row.label = job.row;
    row.unit = "rows/s";
    row.ours = tableLines / (medians.median(benchName(job.row, oursColumn)) * 1e-9);
    // A --jobs row puts our own --jobs 1 figure in the peer's place.
    const bool againstMawk = job.mawkProgram != nullptr;
    row.peerPlain =
        tableLines /
        (medians.median(benchName(againstMawk ? job.row : oneJob.row,
                                  againstMawk ? peerPlainColumn : oursColumn)) *
         1e-9);
    row.ratio = row.ours / row.peerPlain;
    const double goal = againstMawk ? 1.5 : 1.6;
    row.goal = againstMawk ? ">= 1.50 x mawk" : ">= 1.60 x --jobs 1";
    if (!std::isnan(row.ratio))
      row.met = row.ratio >= goal;
    rows.push_back(row);
    if (againstMawk) {
      TableRow share;
      share.label = std::string("  of it evaluating, ") + job.formula;
      share.unit = "%";
      share.ours = 100 * medians.median(benchName(job.row, evaluatingColumn)) /
                   medians.median(benchName(job.row, oursColumn));
      rows.push_back(share);
    }
  }
  TableRow plot;
  plot.label = std::string(plotRow) + ", evaluate";
  plot.unit = "ms";
  plot.ours = medians.median(benchName(plotRow, oursColumn)) * 1e-6;
  plot.goal = "<= 8.3 (half a frame)";
  if (!std::isnan(plot.ours))
    plot.met = plot.ours <= 8.3;
  rows.push_back(plot);
  // The "peer opt off" column holds the point-by-point time.
  TableRow many;
  many.label = manyPlotRow;
  many.unit = "ms";
  many.ours = medians.median(benchName(manyPlotRow, oursColumn)) * 1e-6;
  many.peerPlain = medians.median(benchName(manyPlotRow, pointByPointColumn)) * 1e-6;
  many.ratio = many.peerPlain / many.ours;
  many.goal = ">= 3.00 x point by point";
  if (!std::isnan(many.ratio))
    many.met = many.ratio >= 3;
  rows.push_back(many);
#ifdef QUORVEX_PLOT_PROBE_PATH
  // Painting needs the toolkit, so it is timed in a process of its own.
  const ChildRun run = runChild(
      {QUORVEX_PLOT_PROBE_PATH},
      {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtimeDirectory()}, "");
  auto value = [&](const std::string &key) {
    const std::size_t at = run.output.find(key + " ");
    return at == std::string::npos
               ? none
               : std::strtod(run.output.c_str() + at + key.size() + 1, nullptr);
  };
  const struct {
    const char *label;
    const char *key;
    const char *goal;
  } probeRows[] = {
      {"plot F4, 10000 points, paint", "draw_ms", ""},
      {"  the same at 2x pixels", "draw_2x_ms", ""},
      {"  evaluate + paint", "total_ms", "<= 8.3 (half a frame)"},
  };
  for (const auto &probe : probeRows) {
    TableRow row;
    row.label = probe.label;
    row.unit = "ms";
    row.ours = run.exitStatus == 0 ? value(probe.key) : none;
    row.goal = probe.goal;
    if (*probe.goal != '\0')
      row.met = !std::isnan(row.ours) && row.ours <= 8.3;
    rows.push_back(row);
  }
#endif
  return rows;
}

} // namespace quorvex::bench
