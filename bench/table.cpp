#include "table.h"

namespace quorvex::bench {

namespace {

double toNanoseconds(double value, benchmark::TimeUnit unit) {
  switch (unit) {
  case benchmark::kNanosecond:
    return value;
  case benchmark::kMicrosecond:
    return value * 1e3;
  case benchmark::kMillisecond:
    return value * 1e6;
  case benchmark::kSecond:
    return value * 1e9;
  }
  return value;
}

// Compact, fixed-width numbers: 3 significant digits is all a noisy machine
// supports.
std::string number(double value) {
  if (std::isnan(value))
    return "-";
  char text[32];
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e6)
    std::snprintf(text, sizeof text, "%.3g", value);
  else if (magnitude >= 100)
    std::snprintf(text, sizeof text, "%.0f", value);
  else if (magnitude >= 10)
    std::snprintf(text, sizeof text, "%.1f", value);
  else
    std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

} // namespace

bool MedianCollector::ReportContext(const Context &) {
  return true;
}

void MedianCollector::ReportRuns(const std::vector<Run> &runs) {
  for (const Run &run : runs) {
    const std::string &name = run.run_name.function_name;
    if (run.error_occurred) {
      errors_.push_back(name + ": " + run.error_message);
      continue;
    }
    // Process-level benchmarks time the wall clock; the rest CPU time,
    // which a busy neighbour disturbs less (that of the whole process for
    // those that say so).
    const std::string &timeType = run.run_name.time_type;
    const bool wallClock = timeType.find("real_time") != std::string::npos ||
                           timeType.find("manual_time") != std::string::npos;
    const double time = wallClock ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    const double ns = toNanoseconds(time, run.time_unit);
    if (run.run_type == Run::RT_Aggregate) {
      if (run.aggregate_name == "median")
        medians_[name] = ns;
    } else {
      singles_[name] = ns;
      if (run.repetitions > repetitions_)
        repetitions_ = static_cast<int>(run.repetitions);
    }
  }
  std::fputc('.', stderr);
}

double MedianCollector::median(const std::string &name) const {
  if (auto it = medians_.find(name); it != medians_.end())
    return it->second;
  if (auto it = singles_.find(name); it != singles_.end())
    return it->second;
  return none;
}

void printTable(const std::vector<TableRow> &rows, int repetitions, std::FILE *out) {
  std::fprintf(out,
               "\nMedians of %d repetitions. Times in ns per call (CPU time) unless the "
               "unit says otherwise; ratio = ours / peer as the goal states it.\n\n",
               repetitions);
  std::fprintf(out, "%-30s %-9s %10s %12s %12s %10s %8s  %-22s %s\n", "measure", "unit",
               "ours", "peer opt on", "peer opt off", "native", "ratio", "goal", "met");
  std::fprintf(out, "%s\n", std::string(130, '-').c_str());
  for (const TableRow &row : rows) {
    const char *met = row.met < 0 ? "" : row.met ? "yes" : "NO";
    std::fprintf(out, "%-30s %-9s %10s %12s %12s %10s %8s  %-22s %s\n", row.label.c_str(),
                 row.unit.c_str(), number(row.ours).c_str(),
                 number(row.peerOptimized).c_str(), number(row.peerPlain).c_str(),
                 number(row.native).c_str(), number(row.ratio).c_str(), row.goal.c_str(),
                 met);
  }
}

} // namespace quorvex::bench
