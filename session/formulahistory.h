#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// The formulas of this session's successful Computes, which the formula box
// recalls with Up (older) and Down (newer). Memory only: nothing is saved.
//
// Browsing starts with the first Up, which keeps the text being edited as the
// draft; Down past the newest entry gives the draft back and ends browsing.
// A formula equal to the newest entry is not added again, so a Compute
// repeated without an edit leaves one entry; and browsing steps over the
// entries equal to the draft, so that every Up or Down changes the text.

namespace quorvex {

class FormulaHistory {
public:
  // The oldest entries go first beyond this many; a formula may be a
  // mebibyte, and the history must not grow without bound.
  static constexpr std::size_t maxEntries = 200;

  // After a successful Compute; browsing ends.
  void add(std::string_view formula);
  // Up: the next older entry, or none when there is no older one (the box
  // keeps its text). editedText becomes the draft on the first step.
  std::optional<std::string> older(std::string_view editedText);
  // Down: the next newer entry, or the draft past the newest; none while
  // not browsing.
  std::optional<std::string> newer();

  std::size_t size() const noexcept { return entries_.size(); }

private:
  std::deque<std::string> entries_;     // newest first
  std::optional<std::size_t> position_; // the entry shown while browsing
  std::string draft_;
};

} // namespace quorvex
