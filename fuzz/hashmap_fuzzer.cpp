// The string hash map against std::map as a model: random adds, finds,
// bucket-count changes, clears and iterations, with either traits. Keys come
// from a small alphabet or from keys already added, with their case flipped,
// so duplicates and case-insensitive matches are common.

#include "check.h"

#include "engine/errors.h"
#include "engine/stringhashmap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

unsigned char fold(unsigned char c, bool caseSensitive) {
  return !caseSensitive && c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

// Byte-wise unsigned order, after folding ASCII letters when insensitive.
struct KeyLess {
  bool caseSensitive;
  bool operator()(const std::string &a, const std::string &b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [this](char x, char y) {
          return fold(static_cast<unsigned char>(x), caseSensitive) <
                 fold(static_cast<unsigned char>(y), caseSensitive);
        });
  }
};

using Model = std::map<std::string, std::uintptr_t, KeyLess>;

// The map holds opaque pointers; the model's are numbered ones.
void *asValue(std::uintptr_t id) {
  return reinterpret_cast<void *>(id); // NOLINT(performance-no-int-to-ptr)
}

int sign(int v) {
  return (v > 0) - (v < 0);
}

// The ELF hash of the System V ABI, over the folded bytes.
std::uint32_t elfHash(const std::string &key, bool caseSensitive) {
  std::uint32_t h = 0;
  for (const char c : key) {
    h = (h << 4) + fold(static_cast<unsigned char>(c), caseSensitive);
    if (const std::uint32_t g = h & 0xF0000000u; g != 0)
      h ^= g >> 24;
    h &= 0x0FFFFFFFu;
  }
  return h;
}

std::string makeKey(FuzzedDataProvider &in, const Model &model) {
  switch (in.ConsumeIntegralInRange(0, 2)) {
  case 0:
    return in.ConsumeRandomLengthString(12);
  case 1: {
    // Few distinct bytes: many shared prefixes and deep bucket trees.
    static constexpr char alphabet[] = {'a', 'A', 'b', 'B', '_', '0', 'z', '\x80'};
    std::string key(in.ConsumeIntegralInRange<std::size_t>(0, 6), 'a');
    for (char &c : key)
      c = alphabet[in.ConsumeIntegralInRange<std::size_t>(0, sizeof alphabet - 1)];
    return key;
  }
  default: {
    if (model.empty())
      return "";
    auto it = model.begin();
    std::advance(it, in.ConsumeIntegralInRange<std::size_t>(0, model.size() - 1));
    std::string key = it->first;
    for (char &c : key)
      if (in.ConsumeBool() && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
        c = static_cast<char>(c ^ 0x20);
    return key;
  }
  }
}

// Count, bucket count, every entry findable with its value, and a full
// iteration visiting exactly the model's entries, buckets in ascending order.
void checkWhole(TStringHashMap &map, const Model &model, std::uint32_t buckets) {
  FUZZ_CHECK(map.Count() == model.size());
  FUZZ_CHECK(map.BucketCount() == buckets);
  if (buckets == 0)
    return;
  for (const auto &[key, id] : model) {
    void *value = nullptr;
    FUZZ_CHECK(map.Find(key, value));
    FUZZ_CHECK(value == asValue(id));
  }
  Model seen(model.key_comp());
  std::uint32_t lastBucket = 0;
  map.Iterate([&](const std::string &key, void *&value) {
    const std::uint32_t bucket = map.Traits().Hash(key) % buckets;
    FUZZ_CHECK(bucket >= lastBucket);
    lastBucket = bucket;
    FUZZ_CHECK(seen.emplace(key, reinterpret_cast<std::uintptr_t>(value)).second);
    return true;
  });
  FUZZ_CHECK(seen == model);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool caseSensitive = in.ConsumeBool();
  const TStringHashMapTraits &traits =
      caseSensitive
          ? static_cast<const TStringHashMapTraits &>(TCaseSensitiveTraits::Instance())
          : TCaseInsensitiveTraits::Instance();
  auto buckets = in.ConsumeIntegralInRange<std::uint32_t>(0, 300);
  TStringHashMap map(&traits, buckets);
  Model model(KeyLess{caseSensitive});
  std::uintptr_t nextId = 1;

  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0: { // Add
      const std::string key = makeKey(in, model);
      if (buckets == 0) {
        // A table that was never allocated must not be used; the map says so.
        bool refused = false;
        try {
          map.Add(key, asValue(nextId));
        } catch (const EAssertionFailed &) {
          refused = true;
        }
        FUZZ_CHECK(refused);
        break;
      }
      const bool present = model.count(key) != 0;
      try {
        map.Add(key, asValue(nextId));
        FUZZ_CHECK(!present);
        model.emplace(key, nextId++);
      } catch (const EStringHashMapError &e) {
        FUZZ_CHECK(present);
        FUZZ_CHECK(e.message() == "Duplicate hash list entry: " + key);
      }
      break;
    }
    case 1: { // Find
      if (buckets == 0)
        break;
      const std::string key = makeKey(in, model);
      void *value = asValue(0xdead);
      const auto it = model.find(key);
      FUZZ_CHECK(map.Find(key, value) == (it != model.end()));
      FUZZ_CHECK(value == (it != model.end() ? asValue(it->second) : asValue(0xdead)));
      break;
    }
    case 2: { // SetBucketCount
      const auto n = in.ConsumeIntegralInRange<std::uint32_t>(0, 520);
      try {
        map.SetBucketCount(n);
        FUZZ_CHECK(n != 0 || model.empty());
        buckets = n;
      } catch (const EStringHashMapError &e) {
        FUZZ_CHECK(n == 0 && !model.empty());
        FUZZ_CHECK(e.message() == "HashList: must be empty to set size to zero");
      }
      break;
    }
    case 3: // Clear
      map.Clear();
      model.clear();
      break;
    case 4: { // Iterate, stopping after 'limit' entries, replacing values
      const auto limit = in.ConsumeIntegralInRange<std::size_t>(0, 40);
      std::size_t visits = 0;
      map.Iterate([&](const std::string &key, void *&value) {
        ++visits;
        const auto it = model.find(key);
        FUZZ_CHECK(it != model.end() && value == asValue(it->second));
        value = asValue(nextId);
        it->second = nextId++;
        return visits < limit;
      });
      FUZZ_CHECK(visits == std::min(std::max<std::size_t>(limit, 1), model.size()));
      break;
    }
    case 5: { // the traits against the model's order
      const std::string a = makeKey(in, model);
      const std::string b = makeKey(in, model);
      const KeyLess less{caseSensitive};
      const int want = less(a, b) ? -1 : less(b, a) ? 1 : 0;
      FUZZ_CHECK(sign(traits.Compare(a, b)) == want);
      FUZZ_CHECK(traits.Hash(a) == elfHash(a, caseSensitive));
      break;
    }
    default:
      checkWhole(map, model, buckets);
      break;
    }
  }
  checkWhole(map, model, buckets);
  return 0;
}
