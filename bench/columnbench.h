#pragma once

#include "table.h"

#include <cstdio>

namespace quorvex::bench {

// Every function with a column form over a column of 1,000,000 rows, ns per
// row: the column form on the vector path in use, our routine called once
// per row as the block evaluator called it before, and the C library's
// scalar function of the same meaning over the same column. The data are
// those bench/columnmath.py gives NumPy and numexpr.
void registerColumnBenchmarks();
// Prints that table, each row against its goal; false when one was missed.
bool printColumnTable(const MedianCollector &medians, std::FILE *out);

} // namespace quorvex::bench
