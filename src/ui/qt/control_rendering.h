#pragma once

// Copies the simple controls' state into their widgets.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/qt/qt_text.h"

inline void Render(QPushButton& widget, const Button& button) {
  widget.setText(ToQString(button.caption));
  widget.setEnabled(button.enabled);
}

inline void Render(QGroupBox& widget, const GroupBox& box) {
  widget.setTitle(ToQString(box.caption));
  widget.setEnabled(box.enabled);
}

inline void Render(QLabel& widget, const StaticText& text) {
  widget.setText(ToQString(text.caption));
  widget.setEnabled(text.enabled);
}
