#pragma once

#include "table.h"

#include <vector>

namespace quorvex::bench {

// Our engine: Evaluate and Compile of every formula, and the run of a long
// program of cheap ops, fault-free and failing at its last op.
void registerEngineBenchmarks();
std::vector<TableRow> engineRows(const MedianCollector &medians);

} // namespace quorvex::bench
