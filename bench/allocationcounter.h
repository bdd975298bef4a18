#pragma once

#include <cstddef>

// Counts the heap traffic of this program while a scope is open. The global
// allocation functions are replaced for the whole program; outside a
// counting scope they cost one predictable branch more than the library's.

namespace quorvex::bench {

struct HeapCounts {
  std::size_t allocations = 0;
  std::size_t liveBytes = 0; // usable bytes held now, relative to the start
  std::size_t peakBytes = 0; // the most held at once, relative to the start
};

class HeapCounter {
public:
  HeapCounter();  // starts counting from zero
  ~HeapCounter(); // stops counting
  HeapCounter(const HeapCounter &) = delete;
  HeapCounter &operator=(const HeapCounter &) = delete;

  HeapCounts counts() const;
};

} // namespace quorvex::bench
