#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A map from strings to untyped references with pluggable hashing and
// comparison. Each bucket holds an unbalanced binary search tree; the map
// never changes its bucket count by itself.

namespace quorvex {

class TStringHashMapTraits {
public:
  virtual ~TStringHashMapTraits() = default;
  virtual std::uint32_t Hash(std::string_view key) const = 0;
  virtual int Compare(std::string_view a, std::string_view b) const = 0;
};

// ELF hash over the key's bytes; byte-wise unsigned comparison.
class TCaseSensitiveTraits final : public TStringHashMapTraits {
public:
  std::uint32_t Hash(std::string_view key) const override;
  int Compare(std::string_view a, std::string_view b) const override;
  static const TCaseSensitiveTraits &Instance();
};

// The same after mapping ASCII "a".."z" to upper case; no locale rules.
class TCaseInsensitiveTraits final : public TStringHashMapTraits {
public:
  std::uint32_t Hash(std::string_view key) const override;
  int Compare(std::string_view a, std::string_view b) const override;
  static const TCaseInsensitiveTraits &Instance();
};

struct THashNode {
  std::string Key;
  void *Value = nullptr; // never freed by the map
  THashNode *Left = nullptr;
  THashNode *Right = nullptr;
};

class TStringHashMap final {
public:
  // Return false to stop the iteration at once; the value may be replaced.
  using IterateCallback = std::function<bool(const std::string &key, void *&value)>;

  // A null traits pointer is a programming error.
  TStringHashMap(const TStringHashMapTraits *traits, std::uint32_t bucketCount);
  ~TStringHashMap();
  TStringHashMap(const TStringHashMap &) = delete;
  TStringHashMap &operator=(const TStringHashMap &) = delete;

  // Throws EStringHashMapError "Duplicate hash list entry: %s" when present.
  void Add(std::string_view key, void *value);
  // True and value set when found; false and value untouched otherwise.
  bool Find(std::string_view key, void *&value) const;
  void Clear();
  // Buckets in order, each tree in pre-order (node, left, right).
  void Iterate(const IterateCallback &callback);
  // Rebuilds the table with n buckets; n = 0 only on an empty map.
  void SetBucketCount(std::uint32_t n);

  std::uint32_t Count() const noexcept { return count_; }
  std::uint32_t BucketCount() const noexcept {
    return static_cast<std::uint32_t>(buckets_.size());
  }
  const TStringHashMapTraits &Traits() const noexcept { return *traits_; }

private:
  THashNode **FindSlot(std::string_view key) const;
  template <class Visit> void VisitPreOrder(Visit &&visit);

  std::vector<THashNode *> buckets_;
  std::uint32_t count_ = 0;
  const TStringHashMapTraits *traits_;
  // Entries are never removed one by one, so the nodes live in a deque that
  // keeps their addresses; the trees only link them.
  std::deque<THashNode> nodes_;
};

} // namespace quorvex
