#pragma once

#include "table.h"

#include <vector>

namespace quorvex::bench {

// The whole programs: the session's Compute, the command-line tool's batch
// mode, the desktop program's start-up. Each only when it is built.
void registerProgramBenchmarks();
std::vector<TableRow> programRows(const MedianCollector &medians);

// Runs the million-Compute soak once and reports its resident-memory growth.
std::vector<TableRow> soakRows();

} // namespace quorvex::bench
