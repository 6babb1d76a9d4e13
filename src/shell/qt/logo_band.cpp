#include "shell/qt/logo_band.h"

#include <QMouseEvent>
#include <QPixmap>

LogoBand::LogoBand(QWidget* parent) : QLabel(parent) {
  setPixmap(QPixmap(":/logo.png"));
  setScaledContents(true);
  setCursor(Qt::PointingHandCursor);
  setToolTip("Open the user guide");
}

void LogoBand::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}
