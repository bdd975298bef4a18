#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The declared variables (FVariableList): one entry per name typed in the
// Assign box V_Q, each stored as the item's text followed by "=". An entry's
// name is its text before the first "=", so "a=5" gives the entry "a=5=" and
// the name "a". Names are deliberately not checked here: duplicates, inner
// blanks and unknown names show up only when Compute binds and compiles.

namespace quorvex {

class TValueGrid;

class TVariableList {
public:
  // Rebuilds the list from an Assign text: the text is trimmed of codes 0..32
  // at both ends, split at ";", each item trimmed the same way, and empty
  // items dropped. Cannot fail.
  void Assign(std::string_view assignText);

  std::size_t Count() const noexcept { return entries_.size(); }
  bool Empty() const noexcept { return entries_.empty(); }
  // The entry as stored, "name=". Asserts i < Count().
  const std::string &Entry(std::size_t i) const;
  // The entry's text before its first "=". Asserts i < Count().
  std::string_view Name(std::size_t i) const;

private:
  std::vector<std::string> entries_;
};

// Trims characters with codes 0..32 from both ends, nowhere else.
std::string_view trimControl(std::string_view text) noexcept;

// Makes the grid and the Quantity box follow the list: row count
// max(N, 1) + 1, headers "Name"/"Value", one row per entry with its name and
// "2" in a value cell that is empty (a cell holding text keeps it, so values
// stay with row positions, not names). With an empty list the grid shows the
// placeholder row x / 2, overwriting that value cell, and Quantity "1"; the
// placeholder binds nothing.
void UpdateVariableGrid(const TVariableList &list, TValueGrid &grid);

} // namespace quorvex
