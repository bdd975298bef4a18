#pragma once

#include "table.h"

#include <cstdio>

namespace quorvex::bench {

// Every formula through the library's public interface: one evaluation,
// and columns of 10,000 rows; the table sets each beside the engine's own
// call for the same formula (the "F evaluate" and "F block" rows' ours).
void registerLibraryBenchmarks();
// Prints that table, each row against its goal of at most 1.05 times the
// internal call; false when one was missed.
bool printLibraryTable(const MedianCollector &medians, std::FILE *out);

} // namespace quorvex::bench
