#include "formulahistory.h"

namespace quorvex {

void FormulaHistory::add(std::string_view formula) {
  position_.reset();
  draft_.clear();
  if (!entries_.empty() && entries_.front() == formula)
    return;
  entries_.emplace_front(formula);
  if (entries_.size() > MaxEntries)
    entries_.pop_back();
}

std::optional<std::string> FormulaHistory::older(std::string_view editedText) {
  const std::size_t next = position_ ? *position_ + 1 : 0;
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
  if (*position_ == 0) {
    position_.reset();
    return std::move(draft_);
  }
  --*position_;
  return entries_[*position_];
}

} // namespace quorvex
