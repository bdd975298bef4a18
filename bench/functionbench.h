#pragma once

#include "table.h"

#include <cstdio>

namespace quorvex::bench {

// One formula per math function, "exp(x)" and the like, evaluated three
// ways: by our engine with the standard context, by our engine calling the
// C library's double function of the same meaning, and by the peer.
void registerFunctionBenchmarks();
// The table of those rows, each against the goal of at most twice the
// engine with the C library's function. Returns whether every goal was met.
bool printFunctionTable(const MedianCollector &medians, std::FILE *out);

} // namespace quorvex::bench
