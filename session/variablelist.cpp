#include "variablelist.h"

#include "engine/errors.h"
#include "engine/translationmark.h"
#include "valuegrid.h"

#include <algorithm>
#include <string>

namespace quorvex {

namespace {
bool isTrimmed(char c) noexcept {
  return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view trimControl(std::string_view text) noexcept {
  while (!text.empty() && isTrimmed(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isTrimmed(text.back()))
    text.remove_suffix(1);
  return text;
}

void TVariableList::Assign(std::string_view assignText) {
  entries_.clear();
  std::string_view rest = trimControl(assignText);
  while (!rest.empty()) {
    std::string_view item;
    const std::size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos) {
      item = rest;
      rest = {};
    } else {
      item = trimControl(rest.substr(0, semicolon));
      rest = trimControl(rest.substr(semicolon + 1));
    }
    if (!item.empty()) {
      std::string entry;
      entry.reserve(item.size() + 1);
      entry.append(item).push_back('=');
      entries_.push_back(std::move(entry));
    }
  }
}

const std::string &TVariableList::Entry(std::size_t i) const {
  QV_ASSERT(i < entries_.size(), "Variable list index out of range");
  return entries_[i];
}

std::string_view TVariableList::Name(std::size_t i) const {
  const std::string &entry = Entry(i);
  // Every entry holds at least the "=" appended to it.
  return std::string_view(entry).substr(0, entry.find('='));
}

void UpdateVariableGrid(const TVariableList &list, TValueGrid &grid) {
  const std::size_t n = list.Count();
  grid.SetRowCount(static_cast<int>(std::max<std::size_t>(n, 1) + 1));
  // The desktop shows the headings in the user's language.
  //: Heading of the grid's column of variable names, 90 pixels wide; about 14
  //: characters fit
  grid.SetCell(0, 0, QV_TRANSLATE_NOOP("VariableList", "Name"));
  //: Heading of the grid's column of values, 90 pixels wide; about 14 characters fit
  grid.SetCell(1, 0, QV_TRANSLATE_NOOP("VariableList", "Value"));
  if (n == 0) {
    // A placeholder only: Compute binds nothing while the list is empty.
    grid.SetCell(0, 1, "x");
    grid.SetCell(1, 1, "2");
    grid.SetQuantityText("1");
    return;
  }
  for (std::size_t i = 0; i < n; ++i) {
    const int row = static_cast<int>(i + 1);
    grid.SetCell(0, row, list.Name(i));
    if (grid.Cell(1, row).empty())
      grid.SetCell(1, row, "2");
  }
  grid.SetQuantityText(std::to_string(n));
}

} // namespace quorvex
