#include "valuegrid.h"

#include "engine/errors.h"

#include <algorithm>

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
  std::size_t kept = static_cast<std::size_t>(rowCount_);
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

} // namespace quorvex
