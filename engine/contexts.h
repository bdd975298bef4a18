#pragma once

#include "stringhashmap.h"
#include "symbols.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Contexts map names to symbols: a hash context holds and owns symbols; a
// set context searches other contexts, the last added first.

namespace quorvex {

class TExprContext {
public:
  virtual ~TExprContext() = default;
  // The symbol stored under that name, or null.
  virtual TExprSym *Find(std::string_view name) const = 0;
};

class TExprHashContext final : public TExprContext {
public:
  TExprHashContext(bool caseSensitive, std::uint32_t bucketCount);
  ~TExprHashContext() override;

  // Takes the symbol over. A name already present throws the map's
  // duplicate error and the symbol is discarded.
  TExprSym &Add(std::unique_ptr<TExprSym> symbol);
  TExprSym *Find(std::string_view name) const override;

  const TStringHashMap &Map() const noexcept { return map_; }

private:
  TStringHashMap map_;
  std::vector<std::unique_ptr<TExprSym>> symbols_; // what map_ points at
};

class TExprSetContext final : public TExprContext {
public:
  explicit TExprSetContext(bool ownsContexts) : OwnsContexts(ownsContexts) {}

  // For a set that does not own its members; the same one may come twice.
  void Add(TExprContext &context);
  // For a set that owns its members.
  void Add(std::unique_ptr<TExprContext> context);

  TExprSym *Find(std::string_view name) const override;
  std::size_t Count() const noexcept { return contexts_.size(); }
  // Throws "List index out of bounds (%d)" past the last member.
  TExprContext &Context(std::size_t i) const;

  const bool OwnsContexts;

private:
  std::vector<TExprContext *> contexts_;
  std::vector<std::unique_ptr<TExprContext>> owned_;
};

} // namespace quorvex
