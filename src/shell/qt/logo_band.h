#pragma once

#include <QLabel>

// The logo picture across the window, stretched to the band; a click opens the user guide.
class LogoBand : public QLabel {
  Q_OBJECT
 public:
  explicit LogoBand(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
