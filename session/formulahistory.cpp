#include "formulahistory.h"

namespace quorvex {

void FormulaHistory::add(std::string_view formula) {
  position_.reset();
  draft_.clear();
  if (!entries_.empty() && entries_.front() == formula)
    return;
  entries_.emplace_front(formula);
  if (entries_.size() > maxEntries)
    entries_.pop_back();
}

// Entries equal to the draft are stepped over: the box holds that text
// already (the formula just computed, most often), so showing it again
// would look like a key that did nothing.
std::optional<std::string> FormulaHistory::older(std::string_view editedText) {
  const std::string_view draft = position_ ? std::string_view(draft_) : editedText;
  std::size_t next = position_ ? *position_ + 1 : 0;
  while (next < entries_.size() && entries_[next] == draft)
    ++next;
  if (next >= entries_.size())
    return std::nullopt;
  if (!position_)
    draft_.assign(editedText);
  position_ = next;
  return entries_[next];
}

std::optional<std::string> FormulaHistory::newer() {
  if (!position_)
    return std::nullopt;
  std::size_t next = *position_;
  while (next > 0 && entries_[next - 1] == draft_)
    --next;
  if (next == 0) {
    position_.reset();
    return std::move(draft_);
  }
  position_ = next - 1;
  return entries_[next - 1];
}

} // namespace quorvex
