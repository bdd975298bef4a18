// A Compute that runs out of memory anywhere, also while it writes the
// result and the two logs, ends like any failed Compute: empty result and
// last-computation log, the session log and the counter as before. Proven by
// failing the n-th allocation of one Compute, for every n until the Compute
// gets through. The global operator new below replaces the library's for
// this whole test program; the other tests pay one branch per allocation.

#include "session/calculatorsession.h"

#include "separatorguard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// Under AddressSanitizer the replacement would hide its new/delete mismatch
// checks from every session test, so there the test is skipped.
#if defined(__SANITIZE_ADDRESS__)
#define QV_FAIL_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_FAIL_ALLOCATIONS 0
#endif
#endif
#ifndef QV_FAIL_ALLOCATIONS
#define QV_FAIL_ALLOCATIONS 1
#endif

namespace {

// Allocations still allowed before one fails; negative while disarmed. The
// session is single-threaded; so is this test.
long allocationsLeft = -1;

// Makes the n-th allocation from now on fail (n = 0: the next one).
class FailingAllocation {
public:
  explicit FailingAllocation(long n) { allocationsLeft = n; }
  ~FailingAllocation() { allocationsLeft = -1; }
  FailingAllocation(const FailingAllocation &) = delete;
  FailingAllocation &operator=(const FailingAllocation &) = delete;
};

} // namespace

#if QV_FAIL_ALLOCATIONS

namespace {
void *allocate(std::size_t size) {
  if (allocationsLeft == 0) {
    allocationsLeft = -1; // one failure per Compute; the unwinding may allocate
    throw std::bad_alloc();
  }
  if (allocationsLeft > 0)
    --allocationsLeft;
  if (void *p = std::malloc(size == 0 ? 1 : size))
    return p;
  throw std::bad_alloc();
}
} // namespace

void *operator new(std::size_t size) {
  return allocate(size);
}
void *operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void *p) noexcept {
  std::free(p);
}
void operator delete[](void *p) noexcept {
  std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept {
  std::free(p);
}

#endif

namespace {

using namespace quorvex;
using Lines = std::vector<std::string>;

TEST(ComputeOutOfMemory, LeavesNoHalfWrittenRecord) {
  if (!QV_FAIL_ALLOCATIONS)
    GTEST_SKIP() << "allocation failures are not injected under AddressSanitizer";
  SeparatorGuard point('.');
  // Long texts, so that the records outgrow what the logs hold after the
  // first Compute and writing them must allocate.
  const std::string formula = "x+y " + std::string(300, '#');
  const std::string value = std::string(200, ' ') + "1.5";
  long n = 0;
  for (;; ++n) {
    SCOPED_TRACE("allocation " + std::to_string(n) + " fails");
    TCalculatorSession s;
    s.Compute(); // one earlier record; builds the standard context unarmed
    s.SetAssignText("x;y");
    s.ApplyVariableList();
    s.Grid().SetCell(1, 1, value);
    s.Grid().SetCell(1, 2, value);
    s.SetFormulaText(formula);
    const Lines sessionBefore = s.Memo2().Lines();

    bool failed = false;
    {
      FailingAllocation failing(n);
      try {
        s.Compute();
      } catch (const std::bad_alloc &) {
        failed = true;
      }
    }
    if (!failed) {
      EXPECT_EQ(s.ResultText(), "3");
      EXPECT_EQ(s.Memo2().Count(), sessionBefore.size() + 5);
      EXPECT_EQ(s.ComputeCount(), 2);
      break;
    }
    EXPECT_EQ(s.ResultText(), "");
    EXPECT_TRUE(s.Memo1().Empty());
    EXPECT_EQ(s.Memo2().Lines(), sessionBefore);
    EXPECT_EQ(s.ComputeCount(), 1);
    // The session goes on: the next Compute is record number 2.
    s.Compute();
    ASSERT_EQ(s.Memo2().Count(), sessionBefore.size() + 5);
    EXPECT_EQ(s.Memo2().Line(sessionBefore.size()), "- - 2 - - - - - - - - -");
  }
  EXPECT_GT(n, 0) << "no allocation was ever made to fail";
}

} // namespace
