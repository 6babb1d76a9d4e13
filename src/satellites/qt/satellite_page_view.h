#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "satellites/satellite_page.h"
#include "ui/qt/masked_line_edit.h"
#include "ui/qt/radio_group_box.h"
#include "ui/qt/string_grid_view.h"
#include "ui/qt/view_host.h"

// The "Edit Satellites" page on screen: the satellite grid and the "Satellite Settings" panel.
class SatellitePageView : public QWidget {
  Q_OBJECT
 public:
  SatellitePageView(SatellitePage& page, ViewHost& host, QWidget* parent = nullptr);

  void Render();

  StringGridView* grid() const { return grid_; }
  MaskedLineEdit* nameBox() const { return name_; }
  MaskedLineEdit* positionBox() const { return position_; }
  MaskedLineEdit* lowFrequencyBox() const { return low_; }
  MaskedLineEdit* highFrequencyBox() const { return high_; }
  RadioGroupBox* orientationChoice() const { return orientation_; }
  RadioGroupBox* lnbChoice() const { return lnb_; }
  RadioGroupBox* diseqcChoice() const { return diseqc_; }
  RadioGroupBox* portChoice() const { return port_; }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* addButton() const { return add_; }

 private:
  QWidget* BuildPanel();

  SatellitePage& page_;
  ViewHost& host_;
  StringGridView* grid_;
  QGroupBox* panel_ = nullptr;
  QGroupBox* nameGroup_ = nullptr;
  QGroupBox* positionGroup_ = nullptr;
  MaskedLineEdit* name_ = nullptr;
  MaskedLineEdit* position_ = nullptr;
  RadioGroupBox* orientation_ = nullptr;
  RadioGroupBox* lnb_ = nullptr;
  QLabel* lowLabel_ = nullptr;
  QLabel* highLabel_ = nullptr;
  MaskedLineEdit* low_ = nullptr;
  MaskedLineEdit* high_ = nullptr;
  RadioGroupBox* diseqc_ = nullptr;
  RadioGroupBox* port_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* add_ = nullptr;
};
