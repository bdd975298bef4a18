#pragma once

#include "table.h"

#include <vector>

namespace quorvex::bench {

// quorvex-eval's table mode over a million-row CSV file with one job, F1 over
// one column and F4 over two, side by side with Debian's mawk doing the same
// job (read the rows, evaluate, print 15 significant digits); F4 with two
// jobs against one; and the plot window's sampling of 10,000 points of F4.
void registerTableBenchmarks();
std::vector<TableRow> tableRows(const MedianCollector &medians);

} // namespace quorvex::bench
