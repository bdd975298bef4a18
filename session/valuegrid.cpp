#include "valuegrid.h"

#include "engine/errors.h"

#include <algorithm>
#include <vector>

namespace quorvex {

namespace {
const std::string emptyCell;
} // namespace

TValueGrid::TValueGrid() = default;

void TValueGrid::SetRowCount(int count) {
  QV_ASSERT(count >= 1, "Grid needs its header row");
  rowCount_ = count;
}

const std::string &TValueGrid::Cell(int column, int row) const {
  QV_ASSERT(column >= 0 && column < columnCount && row >= 0, "Grid cell out of range");
  const auto &cells = columns_[column];
  const auto index = static_cast<std::size_t>(row);
  return index < cells.size() ? cells[index] : emptyCell;
}

int TValueGrid::KeptRowCount() const noexcept {
  auto kept = static_cast<std::size_t>(rowCount_);
  for (const auto &cells : columns_)
    kept = std::max(kept, cells.size());
  return static_cast<int>(kept);
}

void TValueGrid::SetCell(int column, int row, std::string_view text) {
  QV_ASSERT(column >= 0 && column < columnCount && row >= 0 && row < rowCount_,
            "Grid cell out of range");
  auto &cells = columns_[column];
  const auto index = static_cast<std::size_t>(row);
  if (index >= cells.size())
    cells.resize(index + 1);
  cells[index].assign(text);
}

void TValueGrid::pasteValues(int row, std::string_view text) {
  QV_ASSERT(row >= 1 && row < rowCount_, "Paste outside the value cells");
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  if (lines.empty())
    lines.emplace_back();
  // All or nothing: a column that does not fit is not cut to fit.
  const int room = rowCount_ - row;
  if (lines.size() > static_cast<std::size_t>(room))
    throw EGridPasteError(MessageParts{
        room == 1
            ? QV_TRANSLATE_NOOP("Error", "Cannot paste %1 lines from %2 down: the grid "
                                         "has %3 row from there")
            : QV_TRANSLATE_NOOP("Error", "Cannot paste %1 lines from %2 down: the grid "
                                         "has %3 rows from there"),
        {std::to_string(lines.size()), Cell(0, row), std::to_string(room)}});
  for (const std::string_view line : lines)
    SetCell(1, row++, line);
}

std::string TValueGrid::rowsAsText(int first, int last) const {
  std::string text;
  for (int row = first; row <= last; ++row)
    text.append(Cell(0, row)).append(1, '\t').append(Cell(1, row)).append(1, '\n');
  return text;
}

} // namespace quorvex
