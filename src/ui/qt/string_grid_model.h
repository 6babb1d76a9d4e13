#pragma once

#include <QAbstractTableModel>

#include "ui/controls.h"

// A string grid's texts as a table model: the grid's fixed header row becomes the header, every
// other row a model row. It reads the grid on demand, so even thousands of rows cost nothing
// until they are painted.
class StringGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit StringGridModel(const StringGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Tells the view what changed since the last call.
  void Refresh();

 private:
  const StringGrid& grid_;
  int shownRows_ = 0;
  int shownColumns_ = 0;
};
