#pragma once

#include "engine/errors.h"

#include <string>
#include <string_view>
#include <vector>

// Model of the value grid SG_Variables and its companion Quantity box
// edVarQuantity. The GUI's grid widget is only a view of this model: it
// shows RowCount() rows of Cell(column, row) and forwards every in-place
// edit of a column-1 cell to SetCell at once.
//
// Cell texts persist per (column, row) independently of the row count: when
// the row count shrinks, the hidden rows keep their texts and show them again
// when the count grows back. That is why this is a model of its own rather
// than whatever the widget happens to keep.

namespace quorvex {

// Pasted lines that do not fit into the grid's value cells.
class EGridPasteError final : public Exception {
public:
  using Exception::Exception;
};

class TValueGrid {
public:
  static constexpr int columnCount = 2; // "Name" and "Value"

  // Header row only until UpdateVariableGrid runs; Quantity box "1".
  TValueGrid();

  // Visible rows, the fixed header row 0 included.
  int RowCount() const noexcept { return rowCount_; }
  // Asserts count >= 1. Texts of rows beyond the new count are kept.
  void SetRowCount(int count);

  // "" for a cell never written. Asserts 0 <= column < ColumnCount and
  // row >= 0; rows beyond RowCount() answer their remembered text.
  const std::string &Cell(int column, int row) const;
  // Rows that may hold text, the header row and the hidden ones included:
  // Cell() answers "" for every row from here on.
  int KeptRowCount() const noexcept;
  // Asserts 0 <= column < ColumnCount and 0 <= row < RowCount(): only
  // visible cells are written, so the model never grows past what was shown.
  void SetCell(int column, int row, std::string_view text);

  // Lines of text (a column copied from a spreadsheet or a file) into the
  // value cells from row down, one line each; a line ends at "\n" or
  // "\r\n", and a line break at the very end ends the last line. Throws
  // EGridPasteError, and changes no cell, when the lines reach past the
  // last row. Asserts 1 <= row < RowCount().
  void pasteValues(int row, std::string_view text);
  // Rows first..last as spreadsheets take them: one "name<TAB>value" line
  // each, every line ended by "\n".
  std::string rowsAsText(int first, int last) const;

  // Text of the Quantity box (disabled for the user; only
  // UpdateVariableGrid writes it).
  const std::string &QuantityText() const noexcept { return quantityText_; }
  void SetQuantityText(std::string_view text) { quantityText_.assign(text); }

private:
  int rowCount_ = 1;
  std::vector<std::string> columns_[columnCount]; // grows, never shrinks
  std::string quantityText_ = "1";
};

} // namespace quorvex
