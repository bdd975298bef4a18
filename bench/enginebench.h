#pragma once

namespace quorvex::bench {

// Our engine: Evaluate and Compile of every formula.
void RegisterEngineBenchmarks();

} // namespace quorvex::bench
