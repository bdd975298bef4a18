#include "contexts.h"

#include "errors.h"

namespace quorvex {

namespace {
const TStringHashMapTraits &traitsFor(bool caseSensitive) {
  if (caseSensitive)
    return TCaseSensitiveTraits::Instance();
  return TCaseInsensitiveTraits::Instance();
}
} // namespace

TExprHashContext::TExprHashContext(bool caseSensitive, std::uint32_t bucketCount)
    : map_(&traitsFor(caseSensitive), bucketCount) {}

TExprHashContext::~TExprHashContext() = default;

TExprSym &TExprHashContext::Add(std::unique_ptr<TExprSym> symbol) {
  QV_ASSERT(symbol != nullptr, "Assertion failure");
  map_.Add(symbol->Name, symbol.get()); // throws on a duplicate: not stored
  symbols_.push_back(std::move(symbol));
  return *symbols_.back();
}

TExprSym *TExprHashContext::Find(std::string_view name) const {
  void *value = nullptr;
  if (!map_.Find(name, value))
    return nullptr;
  return static_cast<TExprSym *>(value);
}

void TExprSetContext::Add(TExprContext &context) {
  QV_ASSERT(!OwnsContexts, "An owning set takes its members by unique_ptr");
  contexts_.push_back(&context);
}

void TExprSetContext::Add(std::unique_ptr<TExprContext> context) {
  QV_ASSERT(OwnsContexts, "A non-owning set takes its members by reference");
  contexts_.push_back(context.get());
  owned_.push_back(std::move(context));
}

TExprContext &TExprSetContext::Context(std::size_t i) const {
  if (i >= contexts_.size())
    throw EListError(static_cast<long long>(i));
  return *contexts_[i];
}

TExprSym *TExprSetContext::Find(std::string_view name) const {
  for (auto it = contexts_.rbegin(); it != contexts_.rend(); ++it)
    if (TExprSym *symbol = (*it)->Find(name))
      return symbol;
  return nullptr;
}

} // namespace quorvex
