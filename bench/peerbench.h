#pragma once

namespace quorvex::bench {

// The peer with its bytecode optimizer on and off, and the native baseline.
void registerPeerBenchmarks();

} // namespace quorvex::bench
