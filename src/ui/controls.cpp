#include "ui/controls.h"

#include <algorithm>

StringGrid::StringGrid(int columns, int fixedColumns)
    : fixedCols(fixedColumns), colWidths(static_cast<std::size_t>(columns), 64) {
  SetRowCount(2);
}

void StringGrid::SetRowCount(int rows) {
  rows = std::max(rows, fixedRows + 1);
  cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(colWidths.size()));
  row = std::clamp(row, fixedRows, rows - 1);
  selection.top = std::clamp(selection.top, fixedRows, rows - 1);
  selection.bottom = std::clamp(selection.bottom, selection.top, rows - 1);
}

const std::string& StringGrid::Cell(int col, int r) const {
  static const std::string kNone;
  if (r < 0 || r >= RowCount() || col < 0 || col >= ColCount()) return kNone;
  return cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)];
}

void StringGrid::SetCell(int col, int r, std::string text) {
  if (r < 0 || r >= RowCount() || col < 0 || col >= ColCount()) return;
  cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)] = std::move(text);
}

void StringGrid::SelectRow(int r) {
  row = std::clamp(r, fixedRows, RowCount() - 1);
  selection = {row, row};
}
