#include "ui/qt/string_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

StringGridView::StringGridView(StringGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(grid) {
  setModel(&model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(grid.rangeSelect ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(20);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(false);
  for (int col = 0; col < grid.ColCount(); ++col) {
    setColumnWidth(col, grid.colWidths[static_cast<std::size_t>(col)]);
  }
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (!rendering_ && onMoved) onMoved();
  });
}

void StringGridView::Render() {
  rendering_ = true;
  model_.Refresh();
  setEnabled(grid_.enabled);
  const int current = grid_.row - grid_.fixedRows;
  if (current >= 0 && current < model_.rowCount()) {
    const QModelIndex index =
        model_.index(current, currentIndex().isValid() ? currentIndex().column() : 0);
    // Only a row the logic made current is scrolled to; the user's own scrolling stays.
    if (currentIndex().row() != current) {
      selectionModel()->setCurrentIndex(
          index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      scrollTo(index);
    }
  }
  rendering_ = false;
}

void StringGridView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key() == Qt::Key_Insert   ? kKeyInsert
                  : event->key() == Qt::Key_Up     ? kKeyUp
                  : event->key() == Qt::Key_Down   ? kKeyDown
                  : event->key() == Qt::Key_Delete ? kKeyDelete
                                                   : 0;
  if (key != 0 && event->modifiers() == Qt::NoModifier && onKeyDown) onKeyDown(key);
  QTableView::keyPressEvent(event);
}

void StringGridView::wheelEvent(QWheelEvent* event) {
  if (onWheel) onWheel();
  QTableView::wheelEvent(event);
}

void StringGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (rendering_ || !current.isValid()) return;
  const int row = current.row() + grid_.fixedRows;
  if (onSelectCell) onSelectCell(current.column(), row);
  grid_.row = row;
  grid_.selection = {row, row};
  if (onMoved) onMoved();
}
