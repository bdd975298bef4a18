#pragma once

#include "table.h"

#include <vector>

namespace quorvex::bench {

// Heap use of our engine, counted allocation by allocation: bytes per op of
// the generated machine, the compile's peak per token, and allocations
// during Evaluate.
std::vector<TableRow> memoryRows();

} // namespace quorvex::bench
