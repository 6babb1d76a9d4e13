#pragma once

// Plain stand-ins for the widgets the page logic drives. They hold state and nothing else:
// setting a value fires no handler. The Qt views copy this state into real widgets and write what
// the user does back into it before they call a handler.

#include <string>
#include <vector>

// Key codes the grids report to the page logic.
constexpr int kKeyInsert = 45;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;

struct Control {
  bool enabled = true;
};

struct Button : Control {
  std::string caption;
};

struct GroupBox : Control {
  std::string caption;
};

struct StaticText : Control {
  std::string caption;
};

struct Edit : Control {
  std::string text;
  bool readOnly = false;
  int maxLength = 0;  // 0: no limit
};

// An edit box with an edit mask in the toolkit's notation: '9' an optional digit, '0' a required
// digit, other characters literals; the part after ';' says whether literals are kept in the text
// and which character stands for a blank.
struct MaskEdit : Edit {
  std::string mask;
};

struct RadioGroup : Control {
  std::string caption;
  std::vector<std::string> items;
  int itemIndex = -1;  // -1: no item selected
  int columns = 1;
};

struct ComboBox : Control {
  std::vector<std::string> items;
  int itemIndex = -1;
  std::string text;
};

struct MenuItem : Control {
  std::string caption;
  std::string shortcut;  // in the portable notation "Ctrl+L"
};

struct StatusBar : Control {
  std::string simpleText;
};

struct PageControl : Control {
  std::vector<std::string> pages;
  int activePageIndex = 0;
};

// A grid of texts. Row and column 0 may be fixed (headers); the current row is kept inside the
// rows that exist whenever the row count changes.
struct StringGrid : Control {
  struct Selection {
    int top = 1;
    int bottom = 1;
  };

  int fixedRows = 1;
  int fixedCols = 0;
  std::vector<int> colWidths;
  bool rangeSelect = false;
  bool rowMoving = false;
  int row = 1;  // current row
  Selection selection;

  StringGrid(int columns, int fixedColumns);

  int ColCount() const { return static_cast<int>(colWidths.size()); }
  int RowCount() const { return static_cast<int>(cells_.size()); }
  void SetRowCount(int rows);
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);
  // Makes row current and the only selected row.
  void SelectRow(int row);

 private:
  std::vector<std::vector<std::string>> cells_;  // [row][col]
};
