// A compiled formula runs without touching the heap: all allocation happens
// in Compile. Proven with a global operator new that counts while a scope
// is open; it replaces the library's for this whole test program, and costs
// the other tests one branch per allocation.

#include "enginetestsupport.h"

#include "engine/blockevaluator.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <memory>
#include <memory_resource>
#include <new>
#include <string>
#include <vector>

// Under AddressSanitizer the replacement would hide its new/delete mismatch
// checks from every engine test, so there the counting test is skipped.
#if defined(__SANITIZE_ADDRESS__)
#define QV_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef QV_COUNT_ALLOCATIONS
#define QV_COUNT_ALLOCATIONS 1
#endif

namespace {

// The engine is single-threaded; so are these tests.
bool counting = false;
long allocations = 0;

class AllocationScope {
public:
  AllocationScope() {
    allocations = 0;
    counting = true;
  }
  ~AllocationScope() { counting = false; }
  AllocationScope(const AllocationScope &) = delete;
  AllocationScope &operator=(const AllocationScope &) = delete;
  long count() const { return allocations; }
};

} // namespace

#if QV_COUNT_ALLOCATIONS

namespace {
void *countedAllocation(std::size_t size) {
  if (counting)
    ++allocations;
  if (void *p = std::malloc(size == 0 ? 1 : size))
    return p;
  throw std::bad_alloc();
}
} // namespace

void *operator new(std::size_t size) {
  return countedAllocation(size);
}
void *operator new[](std::size_t size) {
  return countedAllocation(size);
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

namespace quorvex::test {
namespace {

std::string longSum(int terms) {
  std::string text = "x*1.0001";
  for (int i = 2; i <= terms; ++i)
    text += " + x*1." + std::to_string(10000 + i).substr(1);
  return text;
}

class NoAllocation : public ::testing::TestWithParam<std::string> {
protected:
  void SetUp() override {
    if (!QV_COUNT_ALLOCATIONS)
      GTEST_SKIP() << "allocation counting is off under AddressSanitizer";
  }
};

// The counter must see what it is meant to see, or a zero below proves
// nothing.
TEST(AllocationCounter, SeesAnAllocation) {
  if (!QV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocation counting is off under AddressSanitizer";
  AllocationScope scope;
  auto p = std::make_unique<std::string>(100, 'x');
  EXPECT_GE(scope.count(), 1);
}

TEST_P(NoAllocation, EvaluateWithChangingVariables) {
  Calc calc;
  Float &x = calc.bind("x", 2);
  Float &y = calc.bind("y", 3);
  calc.Evaluator.Compile(GetParam());
  ASSERT_TRUE(calc.Evaluator.Machine.HasProgram());

  AllocationScope scope;
  Float sum = 0;
  for (int i = 0; i < 100; ++i) {
    x = 2 + i * 0.25;
    y = 3 + i * 0.5;
    sum += calc.Evaluator.Evaluate();
  }
  EXPECT_EQ(scope.count(), 0) << GetParam();
  EXPECT_TRUE(sum == sum) << "the runs must have produced numbers";
}

// Callers may compile before every run: an unchanged text costs nothing.
TEST_P(NoAllocation, RecompilingTheSameTextBeforeEachRun) {
  Calc calc;
  Float &x = calc.bind("x", 2);
  calc.bind("y", 3);
  const std::string text = GetParam();
  calc.Evaluator.Compile(text);

  AllocationScope scope;
  for (int i = 0; i < 10; ++i) {
    x = 2 + i;
    calc.Evaluator.Compile(text);
    calc.Evaluator.Evaluate();
  }
  EXPECT_EQ(scope.count(), 0) << text;
}

// Nor does a block evaluator, once made, over several blocks of rows. (A
// row that faults allocates what its error's message needs, as Evaluate's
// fault does.)
TEST_P(NoAllocation, BlockEvaluationOverManyRows) {
  Calc calc;
  Float &x = calc.bind("x", 2);
  Float &y = calc.bind("y", 3);
  calc.Evaluator.Compile(GetParam());
  Float *columnVariables[] = {&x, &y};
  BlockEvaluator block(calc.Evaluator, columnVariables);
  std::vector<Float> xs(3000), ys(3000), results(3000);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    xs[i] = static_cast<Float>(i % 7) + 0.5;
    ys[i] = static_cast<Float>(i % 5) + 1;
  }
  const Float *columns[] = {xs.data(), ys.data()};
  struct : BlockFaultSink {
    void rowFailed(std::size_t, const std::exception &) noexcept override { ++count; }
    long count = 0;
  } faults;

  AllocationScope scope;
  for (int i = 0; i < 3; ++i)
    block.evaluate(columns, xs.size(), results.data(), faults);
  EXPECT_EQ(scope.count(), 0) << GetParam();
  EXPECT_EQ(faults.count, 0);
}

INSTANTIATE_TEST_SUITE_P(Formulas, NoAllocation,
                         ::testing::Values("x", "7", "2*x+1", "-x*-y/(x+y)",
                                           "(x > 1)*(x - 1) + (x <= 1)*(1 - x)",
                                           "(x = y) + (x <> y) + (x < y) + (x >= y)",
                                           "sub(twice(x); root(y)) / ten + k2 + Pi",
                                           longSum(1000)));

// What the node and op arenas take from the heap once their buffer inside
// the objects is used up.
class ArenaUpstream final : public std::pmr::memory_resource {
public:
  ArenaUpstream() : previous_(std::pmr::set_default_resource(this)) {}
  ~ArenaUpstream() override { std::pmr::set_default_resource(previous_); }
  ArenaUpstream(const ArenaUpstream &) = delete;
  ArenaUpstream &operator=(const ArenaUpstream &) = delete;
  long count = 0;

private:
  void *do_allocate(std::size_t bytes, std::size_t alignment) override {
    ++count;
    return previous_->allocate(bytes, alignment);
  }
  void do_deallocate(void *p, std::size_t bytes, std::size_t alignment) override {
    previous_->deallocate(p, bytes, alignment);
  }
  bool do_is_equal(const std::pmr::memory_resource &other) const noexcept override {
    return this == &other;
  }
  std::pmr::memory_resource *previous_;
};

// Compiling allocates for its lists, which grow by doubling, never for each
// node or op: those come from arenas, and a short formula's fit in the
// buffers the factory and the machine carry inside them.
TEST(CompileAllocation, NodesAndOpsComeFromTheArenas) {
  if (!QV_COUNT_ALLOCATIONS)
    GTEST_SKIP() << "allocation counting is off under AddressSanitizer";
  const struct {
    int terms;
    bool fitsTheBuffers;
  } rows[] = {{1, true}, {5, true}, {10, true}, {40, false}, {100, false}};
  for (const auto &row : rows) {
    SCOPED_TRACE(row.terms);
    ArenaUpstream upstream;
    Calc calc;
    calc.bind("x", 2);
    AllocationScope scope;
    calc.Evaluator.Compile(longSum(row.terms));
    const auto ops = static_cast<long>(calc.Evaluator.Machine.CodeList.size() +
                                       calc.Evaluator.Machine.ConstList.size());
    EXPECT_EQ(upstream.count == 0, row.fitsTheBuffers) << upstream.count;
    EXPECT_LE(scope.count(), 12 + 2 * std::bit_width(static_cast<unsigned long>(ops)))
        << ops << " ops";
  }
}

} // namespace
} // namespace quorvex::test
