#include "satellites/qt/satellite_page_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/qt/control_rendering.h"
#include "ui/qt/link_label.h"

SatellitePageView::SatellitePageView(SatellitePage& page, ViewHost& host, QWidget* parent)
    : QWidget(parent), page_(page), host_(host), grid_(new StringGridView(page.SatGrid, this)) {
  QFont bold = grid_->font();
  bold.setBold(true);
  grid_->setFont(bold);
  grid_->setFixedWidth(300);

  grid_->onSelectCell = [this](int col, int row) {
    host_.HandleBeforeChange([this, col, row] { page_.SatGridSelectCell(col, row); });
  };
  grid_->onMoved = [this] { host_.Handle([this] { page_.SatGridDrawCell(); }); };
  grid_->onKeyDown = [this](int key) { host_.Handle([this, key] { page_.SatGridKeyDown(key); }); };
  grid_->onWheel = [this] { host_.Handle([this] { page_.SatGridMouseWheelDown(); }); };

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(grid_);
  layout->addWidget(BuildPanel(), 1);
  Render();
}

QWidget* SatellitePageView::BuildPanel() {
  panel_ = new QGroupBox(this);
  nameGroup_ = new QGroupBox(panel_);
  name_ = new MaskedLineEdit(page_.Edit1, {}, nameGroup_);
  (new QVBoxLayout(nameGroup_))->addWidget(name_);
  positionGroup_ = new QGroupBox(panel_);
  position_ = new MaskedLineEdit(page_.MaskEdit1, page_.MaskEdit1.mask, positionGroup_);
  (new QVBoxLayout(positionGroup_))->addWidget(position_);

  orientation_ = new RadioGroupBox(page_.RadioGroup1, panel_);
  lnb_ = new RadioGroupBox(page_.RadioGroup2, panel_);
  lnb_->onClick = [this] { host_.Handle([this] { page_.RadioGroup2Click(); }); };
  lowLabel_ = new QLabel(panel_);
  highLabel_ = new QLabel(panel_);
  low_ = new MaskedLineEdit(page_.MaskEdit2, page_.MaskEdit2.mask, panel_);
  high_ = new MaskedLineEdit(page_.MaskEdit3, page_.MaskEdit3.mask, panel_);
  diseqc_ = new RadioGroupBox(page_.RadioGroup3, panel_);
  diseqc_->onClick = [this] { host_.Handle([this] { page_.RadioGroup3Click(); }); };
  port_ = new RadioGroupBox(page_.RadioGroup4, panel_);

  cancel_ = new QPushButton(panel_);
  apply_ = new QPushButton(panel_);
  add_ = new QPushButton(panel_);
  connect(apply_, &QPushButton::clicked, this,
          [this] { host_.Handle([this] { page_.SpeedButton1Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this] { host_.Handle([this] { page_.SpeedButton2Click(); }); });
  connect(add_, &QPushButton::clicked, this,
          [this] { host_.Handle([this] { page_.SpeedButton3Click(); }); });
  for (QPushButton* button : {cancel_, apply_, add_}) button->setMinimumHeight(32);

  auto* frequencies = new QGridLayout;
  frequencies->addWidget(lowLabel_, 0, 0);
  frequencies->addWidget(low_, 0, 1);
  frequencies->addWidget(highLabel_, 1, 0);
  frequencies->addWidget(high_, 1, 1);
  frequencies->setRowStretch(2, 1);

  auto* grid = new QGridLayout(panel_);
  grid->setContentsMargins(10, 16, 10, 10);
  grid->setVerticalSpacing(8);
  grid->addWidget(nameGroup_, 0, 0);
  grid->addWidget(positionGroup_, 0, 1);
  grid->addWidget(orientation_, 1, 0, 1, 2);
  grid->addWidget(lnb_, 2, 0);
  grid->addLayout(frequencies, 2, 1);
  grid->addWidget(diseqc_, 3, 0);
  grid->addWidget(port_, 3, 1, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cancel_);
  buttons->addWidget(apply_);
  buttons->addWidget(add_);
  grid->addLayout(buttons, 4, 0, 1, 2);
  grid->addWidget(new LinkLabel(
                      "User guide", [this] { host_.OpenUserGuide(); }, panel_),
                  5, 0, 1, 2, Qt::AlignRight);
  grid->setRowStretch(6, 1);
  return panel_;
}

void SatellitePageView::Render() {
  grid_->Render();
  ::Render(*panel_, page_.GroupBox1);
  ::Render(*nameGroup_, page_.GroupBox2);
  ::Render(*positionGroup_, page_.GroupBox3);
  ::Render(*lowLabel_, page_.Label1);
  ::Render(*highLabel_, page_.Label2);
  ::Render(*cancel_, page_.SpeedButton2);
  ::Render(*apply_, page_.SpeedButton1);
  ::Render(*add_, page_.SpeedButton3);
  for (MaskedLineEdit* box : {name_, position_, low_, high_}) box->Render();
  for (RadioGroupBox* choice : {orientation_, lnb_, diseqc_, port_}) choice->Render();
}
