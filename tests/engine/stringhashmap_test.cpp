// The string hash map: hashing and comparison traits, duplicates, bucket
// trees and their visiting order, bucket count changes.

#include "enginetestsupport.h"

#include "engine/errors.h"
#include "engine/stringhashmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using test::capture;
using test::Outcome;

const TStringHashMapTraits &sensitive() {
  return TCaseSensitiveTraits::Instance();
}
const TStringHashMapTraits &insensitive() {
  return TCaseInsensitiveTraits::Instance();
}

// Each value is the address of an int that names it, so the map's untyped
// values can be told apart.
int values[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

std::vector<std::string> visitOrder(TStringHashMap &map) {
  std::vector<std::string> keys;
  map.Iterate([&](const std::string &key, void *&) {
    keys.push_back(key);
    return true;
  });
  return keys;
}

TEST(HashTraits, ElfHashOfKnownKeys) {
  // Worked out by hand from the shift-add-fold rule: "AB" is 65*16+66, and
  // "ThisIsALongerKey" is long enough for the top nibble to fold back.
  struct Row {
    const char *key;
    std::uint32_t sensitiveHash;
    std::uint32_t insensitiveHash;
  };
  const Row rows[] = {
      {"", 0, 0},
      {"A", 65, 65},
      {"AB", 1106, 1106},
      {"abc", 26499, 17763},
      {"ABC", 17763, 17763},
      {"Sin", 23038, 22494},
      {"x", 120, 88},
      {"ThisIsALongerKey", 215973801u, 89686601u},
      {"\xE9t\xE9", 61737, 61225},
  };
  for (const Row &row : rows) {
    EXPECT_EQ(sensitive().Hash(row.key), row.sensitiveHash) << row.key;
    EXPECT_EQ(insensitive().Hash(row.key), row.insensitiveHash) << row.key;
  }
}

TEST(HashTraits, CompareIsBytewiseUnsignedWithLengthAsTieBreak) {
  struct Row {
    const char *a;
    const char *b;
    int sensitiveResult;
    int insensitiveResult;
  };
  const Row rows[] = {
      {"abc", "abc", 0, 0},
      {"a", "B", 'a' - 'B', 'A' - 'B'},
      {"sin", "SIN", 's' - 'S', 0},
      {"ab", "abcd", -2, -2},
      {"abcd", "ab", 2, 2},
      {"\xE9", "a", 0xE9 - 'a', 0xE9 - 'A'},
      {"\xE9", "\xC9", 0xE9 - 0xC9, 0xE9 - 0xC9}, // no locale folding
      {"_", "a", '_' - 'a', '_' - 'A'},
      {"", "", 0, 0},
  };
  for (const Row &row : rows) {
    EXPECT_EQ(sensitive().Compare(row.a, row.b), row.sensitiveResult)
        << row.a << "|" << row.b;
    EXPECT_EQ(insensitive().Compare(row.a, row.b), row.insensitiveResult)
        << row.a << "|" << row.b;
  }
}

TEST(HashMap, AddAndFindUnderBothTraits) {
  TStringHashMap caseless(&insensitive(), 10);
  caseless.Add("Sin", &values[1]);
  for (const char *spelling : {"Sin", "SIN", "sin", "sIn"}) {
    void *found = nullptr;
    EXPECT_TRUE(caseless.Find(spelling, found)) << spelling;
    EXPECT_EQ(found, &values[1]) << spelling;
  }
  TStringHashMap exact(&sensitive(), 10);
  exact.Add("x", &values[1]);
  exact.Add("X", &values[2]);
  EXPECT_EQ(exact.Count(), 2u);
  void *found = nullptr;
  ASSERT_TRUE(exact.Find("X", found));
  EXPECT_EQ(found, &values[2]);
  ASSERT_TRUE(exact.Find("x", found));
  EXPECT_EQ(found, &values[1]);
}

TEST(HashMap, FindOfAnAbsentKeyLeavesTheValueAlone) {
  TStringHashMap map(&sensitive(), 3);
  map.Add("a", &values[1]);
  void *found = &values[9];
  EXPECT_FALSE(map.Find("b", found));
  EXPECT_FALSE(map.Find("A", found));
  EXPECT_EQ(found, &values[9]);
}

TEST(HashMap, DuplicatesAreRefusedAndChangeNothing) {
  struct Row {
    const TStringHashMapTraits *traits;
    const char *first;
    const char *second;
  };
  const Row rows[] = {
      {&insensitive(), "Sin", "SIN"},
      {&insensitive(), "x", "X"},
      {&sensitive(), "x", "x"},
      {&sensitive(), "", ""},
  };
  for (const Row &row : rows) {
    TStringHashMap map(row.traits, 127);
    map.Add(row.first, &values[1]);
    const Outcome outcome = capture([&] {
      map.Add(row.second, &values[2]);
      return 0.0;
    });
    EXPECT_EQ(outcome.errorClass, "EStringHashMapError");
    EXPECT_EQ(outcome.message, std::string("Duplicate hash list entry: ") + row.second);
    EXPECT_EQ(map.Count(), 1u);
    void *found = nullptr;
    ASSERT_TRUE(map.Find(row.first, found));
    EXPECT_EQ(found, &values[1]);
  }
}

TEST(HashMap, IterationVisitsBucketsInOrderAndTreesInPreOrder) {
  // One bucket: M is the root, C and T its children, A under C.
  TStringHashMap single(&sensitive(), 1);
  for (const char *key : {"M", "C", "T", "A"})
    single.Add(key, &values[1]);
  EXPECT_EQ(visitOrder(single), (std::vector<std::string>{"M", "C", "A", "T"}));

  // Ten buckets: A (65) and K (75) share bucket 5, B is in 6, C in 7.
  TStringHashMap ten(&sensitive(), 10);
  for (const char *key : {"C", "K", "B", "A"})
    ten.Add(key, &values[1]);
  EXPECT_EQ(visitOrder(ten), (std::vector<std::string>{"K", "A", "B", "C"}));
}

TEST(HashMap, IterationStopsWhenTheCallbackSaysSo) {
  TStringHashMap map(&sensitive(), 1);
  for (const char *key : {"M", "C", "T", "A"})
    map.Add(key, &values[1]);
  int visits = 0;
  map.Iterate([&](const std::string &, void *&) {
    ++visits;
    return false;
  });
  EXPECT_EQ(visits, 1);
  visits = 0;
  map.Iterate([&](const std::string &key, void *&) {
    ++visits;
    return key != "A"; // the third in pre-order
  });
  EXPECT_EQ(visits, 3);
}

TEST(HashMap, IterationMayReplaceValues) {
  TStringHashMap map(&insensitive(), 5);
  map.Add("a", &values[1]);
  map.Add("b", &values[2]);
  map.Iterate([](const std::string &, void *&value) {
    value = &values[15];
    return true;
  });
  void *found = nullptr;
  ASSERT_TRUE(map.Find("B", found));
  EXPECT_EQ(found, &values[15]);
}

TEST(HashMap, RebuildReaddsInReverseVisitingOrder) {
  TStringHashMap map(&sensitive(), 1);
  for (const char *key : {"M", "C", "T", "A"})
    map.Add(key, &values[1]);
  // Visiting order M C A T, re-added as T A C M: T is the new root, A its
  // left child, C right of A, M right of C.
  map.SetBucketCount(1);
  EXPECT_EQ(visitOrder(map), (std::vector<std::string>{"T", "A", "C", "M"}));
  EXPECT_EQ(map.Count(), 4u);
}

TEST(HashMap, BucketCountChangesKeepEveryEntry) {
  TStringHashMap map(&insensitive(), 3);
  std::vector<std::string> keys;
  keys.reserve(200);
  for (int i = 0; i < 200; ++i)
    keys.push_back("key" + std::to_string(i));
  for (std::size_t i = 0; i < keys.size(); ++i)
    map.Add(keys[i], &values[i % 16]);
  for (std::uint32_t buckets : {1u, 7u, 1000u, 3u, 3u, 127u}) {
    map.SetBucketCount(buckets);
    EXPECT_EQ(map.BucketCount(), buckets);
    EXPECT_EQ(map.Count(), keys.size());
    EXPECT_EQ(visitOrder(map).size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
      void *found = nullptr;
      ASSERT_TRUE(map.Find(keys[i], found)) << keys[i] << " with " << buckets;
      EXPECT_EQ(found, &values[i % 16]);
    }
  }
}

TEST(HashMap, ZeroBucketsOnlyWhenEmpty) {
  TStringHashMap map(&sensitive(), 4);
  map.Add("a", &values[1]);
  const Outcome outcome = capture([&] {
    map.SetBucketCount(0);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EStringHashMapError");
  EXPECT_EQ(outcome.message, "HashList: must be empty to set size to zero");
  EXPECT_EQ(map.BucketCount(), 4u);
  void *found = nullptr;
  EXPECT_TRUE(map.Find("a", found));

  map.Clear();
  EXPECT_EQ(map.Count(), 0u);
  EXPECT_FALSE(map.Find("a", found));
  map.SetBucketCount(0);
  EXPECT_EQ(map.BucketCount(), 0u);
  map.SetBucketCount(0); // no table: nothing happens
  EXPECT_EQ(map.BucketCount(), 0u);
  map.SetBucketCount(5);
  map.Add("b", &values[2]);
  EXPECT_TRUE(map.Find("b", found));
  EXPECT_EQ(found, &values[2]);
}

TEST(HashMap, ClearEmptiesButKeepsTheBuckets) {
  TStringHashMap map(&sensitive(), 9);
  map.Add("a", &values[1]);
  map.Add("b", &values[2]);
  map.Clear();
  EXPECT_EQ(map.Count(), 0u);
  EXPECT_EQ(map.BucketCount(), 9u);
  EXPECT_TRUE(visitOrder(map).empty());
  map.Add("a", &values[3]); // no longer a duplicate
  EXPECT_EQ(map.Count(), 1u);
}

TEST(HashMap, MissingTraitsIsAProgrammingError) {
  const Outcome outcome = capture([] {
    TStringHashMap map(nullptr, 10);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EAssertionFailed");
  EXPECT_EQ(outcome.message.rfind("HashList must have traits (", 0), 0u)
      << outcome.message;
  EXPECT_NE(outcome.message.find(", line "), std::string::npos) << outcome.message;
}

TEST(HashMap, SearchingAMapWithoutBucketsIsAProgrammingError) {
  TStringHashMap map(&sensitive(), 0);
  EXPECT_EQ(map.BucketCount(), 0u);
  const Outcome outcome = capture([&] {
    void *found = nullptr;
    map.Find("a", found);
    return 0.0;
  });
  EXPECT_EQ(outcome.errorClass, "EAssertionFailed");
}

// Keys added in sorted order make each bucket a list; lookups, iteration,
// a rebuild and destruction must not recurse along it.
TEST(HashMap, DegenerateTreesStayUsable) {
  TStringHashMap map(&sensitive(), 1);
  std::vector<std::string> keys;
  for (int i = 0; i < 1000; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "k%06d", i);
    keys.emplace_back(key);
  }
  for (const std::string &key : keys)
    map.Add(key, &values[1]);
  EXPECT_EQ(visitOrder(map), keys);
  void *found = nullptr;
  EXPECT_TRUE(map.Find(keys.back(), found));
  map.SetBucketCount(1);
  std::vector<std::string> reversed(keys.rbegin(), keys.rend());
  EXPECT_EQ(visitOrder(map), reversed);
}

} // namespace
} // namespace quorvex
