#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "ui/controls.h"

// A radio group on screen: its items are rebuilt whenever the control's items change.
class RadioGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroupBox(RadioGroup& group, QWidget* parent = nullptr);

  // Runs after the user's choice has been written into the control.
  std::function<void()> onClick;

  void Render();

 private:
  void RebuildItems();

  RadioGroup& group_;
  QButtonGroup buttons_;
  std::vector<QRadioButton*> items_;
  std::vector<std::string> shownItems_;
};
