#include "stringhashmap.h"

#include "errors.h"

#include <utility>

namespace quorvex {

namespace {

unsigned char upper(unsigned char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

// The ELF hash of the System V ABI.
template <class Map> std::uint32_t elfHash(std::string_view key, Map map) {
  std::uint32_t h = 0;
  for (char ch : key) {
    h = (h << 4) + map(static_cast<unsigned char>(ch));
    const std::uint32_t g = h & 0xF0000000u;
    if (g != 0)
      h ^= g >> 24;
    h &= 0x0FFFFFFFu;
  }
  return h;
}

template <class Map> int compareBytes(std::string_view a, std::string_view b, Map map) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = map(static_cast<unsigned char>(a[i]));
    const int cb = map(static_cast<unsigned char>(b[i]));
    if (ca != cb)
      return ca - cb;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

unsigned char same(unsigned char c) noexcept {
  return c;
}

} // namespace

std::uint32_t TCaseSensitiveTraits::Hash(std::string_view key) const {
  return elfHash(key, same);
}
int TCaseSensitiveTraits::Compare(std::string_view a, std::string_view b) const {
  return compareBytes(a, b, same);
}
const TCaseSensitiveTraits &TCaseSensitiveTraits::Instance() {
  static const TCaseSensitiveTraits instance;
  return instance;
}

std::uint32_t TCaseInsensitiveTraits::Hash(std::string_view key) const {
  return elfHash(key, upper);
}
int TCaseInsensitiveTraits::Compare(std::string_view a, std::string_view b) const {
  return compareBytes(a, b, upper);
}
const TCaseInsensitiveTraits &TCaseInsensitiveTraits::Instance() {
  static const TCaseInsensitiveTraits instance;
  return instance;
}

TStringHashMap::TStringHashMap(const TStringHashMapTraits *traits,
                               std::uint32_t bucketCount)
    : traits_(traits) {
  QV_ASSERT(traits != nullptr, "HashList must have traits");
  SetBucketCount(bucketCount);
}

TStringHashMap::~TStringHashMap() = default;

THashNode **TStringHashMap::FindSlot(std::string_view key) const {
  QV_ASSERT(!buckets_.empty(), "HashList has no buckets");
  const std::uint32_t bucket = traits_->Hash(key) % BucketCount();
  // The bucket array is logically mutable through the returned link.
  auto **link = const_cast<THashNode **>(&buckets_[bucket]);
  while (*link != nullptr) {
    const int c = traits_->Compare(key, (*link)->Key);
    if (c < 0)
      link = &(*link)->Left;
    else if (c > 0)
      link = &(*link)->Right;
    else
      break;
  }
  return link;
}

void TStringHashMap::Add(std::string_view key, void *value) {
  THashNode **slot = FindSlot(key);
  if (*slot != nullptr)
    throw EStringHashMapError("Duplicate hash list entry: " + std::string(key));
  THashNode &node = nodes_.emplace_back();
  node.Key.assign(key);
  node.Value = value;
  *slot = &node;
  ++count_;
}

bool TStringHashMap::Find(std::string_view key, void *&value) const {
  THashNode *const *slot = FindSlot(key);
  if (*slot == nullptr)
    return false;
  value = (*slot)->Value;
  return true;
}

void TStringHashMap::Clear() {
  for (THashNode *&root : buckets_)
    root = nullptr;
  nodes_.clear();
  count_ = 0;
}

// Pre-order without recursion: a tree built from sorted keys is a list, and
// its depth must not reach the call stack.
template <class Visit> void TStringHashMap::VisitPreOrder(Visit &&visit) {
  std::vector<THashNode *> pending;
  for (THashNode *root : buckets_) {
    if (root == nullptr)
      continue;
    pending.push_back(root);
    while (!pending.empty()) {
      THashNode *node = pending.back();
      pending.pop_back();
      if (!visit(*node))
        return;
      if (node->Right != nullptr)
        pending.push_back(node->Right);
      if (node->Left != nullptr)
        pending.push_back(node->Left);
    }
  }
}

void TStringHashMap::Iterate(const IterateCallback &callback) {
  VisitPreOrder([&](THashNode &node) { return callback(node.Key, node.Value); });
}

void TStringHashMap::SetBucketCount(std::uint32_t n) {
  if (buckets_.empty()) {
    buckets_.assign(n, nullptr);
    return;
  }
  if (n == 0) {
    if (count_ != 0)
      throw EStringHashMapError("HashList: must be empty to set size to zero");
    buckets_.clear();
    buckets_.shrink_to_fit();
    return;
  }
  // Collect at the head of a list, then re-add from the head: the reverse of
  // the visiting order, which decides the shape of the rebuilt trees.
  std::vector<std::pair<std::string, void *>> collected;
  collected.reserve(count_);
  VisitPreOrder([&](THashNode &node) {
    collected.emplace_back(std::move(node.Key), node.Value);
    return true;
  });
  Clear();
  buckets_.assign(n, nullptr);
  for (auto it = collected.rbegin(); it != collected.rend(); ++it)
    Add(it->first, it->second);
}

} // namespace quorvex
