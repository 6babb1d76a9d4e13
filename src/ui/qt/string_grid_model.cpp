#include "ui/qt/string_grid_model.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "ui/qt/qt_text.h"

StringGridModel::StringGridModel(const StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shownRows_(grid.RowCount() - grid.fixedRows),
      shownColumns_(grid.ColCount()) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownColumns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return ToQString(grid_.Cell(index.column(), index.row() + grid_.fixedRows));
  }
  // A fixed column looks like the header it belongs with.
  if (role == Qt::BackgroundRole && index.column() < grid_.fixedCols) {
    return QApplication::palette().button();
  }
  return {};
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return ToQString(grid_.Cell(section, 0));
  return section + grid_.fixedRows;
}

void StringGridModel::Refresh() {
  const int rows = grid_.RowCount() - grid_.fixedRows;
  if (rows != shownRows_ || grid_.ColCount() != shownColumns_) {
    beginResetModel();
    shownRows_ = rows;
    shownColumns_ = grid_.ColCount();
    endResetModel();
    return;
  }
  if (rows > 0 && shownColumns_ > 0) {
    emit dataChanged(index(0, 0), index(rows - 1, shownColumns_ - 1));
  }
  emit headerDataChanged(Qt::Horizontal, 0, shownColumns_ - 1);
}
