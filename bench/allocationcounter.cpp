#include "allocationcounter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace quorvex::bench {

namespace {

// Single-threaded: the benchmarks run on one thread.
bool counting = false;
std::size_t allocations = 0;
// Signed: blocks allocated before the scope may be freed inside it.
long long live = 0;
long long peak = 0;

void *allocate(std::size_t size, std::size_t alignment) {
  if (size == 0)
    size = 1;
  void *p =
      alignment > alignof(std::max_align_t)
          ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
          : std::malloc(size);
  if (p == nullptr)
    throw std::bad_alloc();
  if (counting) [[unlikely]] {
    ++allocations;
    live += static_cast<long long>(malloc_usable_size(p));
    if (live > peak)
      peak = live;
  }
  return p;
}

void release(void *p) noexcept {
  if (p == nullptr)
    return;
  if (counting) [[unlikely]]
    live -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

} // namespace

HeapCounter::HeapCounter() {
  allocations = 0;
  live = 0;
  peak = 0;
  counting = true;
}

HeapCounter::~HeapCounter() {
  counting = false;
}

HeapCounts HeapCounter::counts() const {
  HeapCounts counts;
  counts.allocations = allocations;
  counts.liveBytes = live > 0 ? static_cast<std::size_t>(live) : 0;
  counts.peakBytes = static_cast<std::size_t>(peak);
  return counts;
}

} // namespace quorvex::bench

using quorvex::bench::allocate;
using quorvex::bench::release;

void *operator new(std::size_t size) {
  return allocate(size, 0);
}
void *operator new[](std::size_t size) {
  return allocate(size, 0);
}
void *operator new(std::size_t size, std::align_val_t a) {
  return allocate(size, static_cast<std::size_t>(a));
}
void *operator new[](std::size_t size, std::align_val_t a) {
  return allocate(size, static_cast<std::size_t>(a));
}
void operator delete(void *p) noexcept {
  release(p);
}
void operator delete[](void *p) noexcept {
  release(p);
}
void operator delete(void *p, std::size_t) noexcept {
  release(p);
}
void operator delete[](void *p, std::size_t) noexcept {
  release(p);
}
void operator delete(void *p, std::align_val_t) noexcept {
  release(p);
}
void operator delete[](void *p, std::align_val_t) noexcept {
  release(p);
}
void operator delete(void *p, std::size_t, std::align_val_t) noexcept {
  release(p);
}
void operator delete[](void *p, std::size_t, std::align_val_t) noexcept {
  release(p);
}
