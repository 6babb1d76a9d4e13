#pragma once

#include <QTableView>
#include <functional>

#include "ui/controls.h"
#include "ui/qt/string_grid_model.h"

// A string grid on screen. The grid control stays the one truth: Render() shows it, and what the
// user does is reported through the callbacks before the control is changed, in the order the
// page logic expects (a cell is about to become current, then it is).
class StringGridView : public QTableView {
  Q_OBJECT
 public:
  StringGridView(StringGrid& grid, QWidget* parent = nullptr);

  // A cell is about to become current; the control still holds the old row.
  std::function<void(int col, int row)> onSelectCell;
  // The new row is current now, or the grid scrolled: what shows may have to be reloaded.
  std::function<void()> onMoved;
  std::function<void(int key)> onKeyDown;
  std::function<void()> onWheel;

  void Render();
  StringGridModel& Model() { return model_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  StringGrid& grid_;
  StringGridModel model_;
  bool rendering_ = false;
};
