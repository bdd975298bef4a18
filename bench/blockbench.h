#pragma once

#include "table.h"

#include <cstdio>

namespace quorvex::bench {

// Every formula over columns of 10,000 rows, ns per row: our block
// evaluator, the formula as a native C++ loop over the same arrays, and
// the peer's bulk mode over them (process CPU time, so that all its
// threads count), beside the peer's single evaluation with its optimizer.
void registerBlockBenchmarks();
// Prints that table, each row against its goals; false when one was missed.
bool printBlockTable(const MedianCollector &medians, std::FILE *out);

} // namespace quorvex::bench
