#include "ui/qt/radio_group_box.h"

#include <QGridLayout>
#include <QSignalBlocker>

#include "ui/qt/qt_text.h"

RadioGroupBox::RadioGroupBox(RadioGroup& group, QWidget* parent)
    : QGroupBox(ToQString(group.caption), parent), group_(group) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(2);
  connect(&buttons_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == group_.itemIndex) return;  // a click on the chosen item changes nothing
    group_.itemIndex = id;
    if (onClick) onClick();
  });
  Render();
}

void RadioGroupBox::Render() {
  if (shownItems_ != group_.items) RebuildItems();
  setEnabled(group_.enabled);
  setTitle(ToQString(group_.caption));
  const QSignalBlocker blocker(&buttons_);
  // An exclusive group cannot show "no item", so it is lifted while everything is cleared.
  buttons_.setExclusive(false);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->setChecked(static_cast<int>(i) == group_.itemIndex);
  }
  buttons_.setExclusive(true);
}

void RadioGroupBox::RebuildItems() {
  for (QRadioButton* item : items_) {
    buttons_.removeButton(item);
    delete item;
  }
  items_.clear();
  auto* grid = static_cast<QGridLayout*>(layout());
  const int columns = std::max(group_.columns, 1);
  for (std::size_t i = 0; i < group_.items.size(); ++i) {
    auto* item = new QRadioButton(ToQString(group_.items[i]), this);
    const int index = static_cast<int>(i);
    grid->addWidget(item, index / columns, index % columns);
    buttons_.addButton(item, index);
    items_.push_back(item);
  }
  shownItems_ = group_.items;
}
