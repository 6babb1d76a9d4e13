#pragma once

#include <QLineEdit>
#include <functional>

#include "ui/controls.h"

// An edit box, with or without an edit mask, on screen. Optional digit places of a mask may be
// left blank; the control then holds the text without them.
class MaskedLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  MaskedLineEdit(Edit& edit, const std::string& mask = {}, QWidget* parent = nullptr);

  void Render();

 private:
  Edit& edit_;
  int maskWidth_ = 0;
};

// The page logic's mask notation ('9' an optional digit, '0' a required one, ";1; " or ";1;_"
// for literals kept and the blank character) as a Qt input mask.
QString QtInputMask(const std::string& mask);
