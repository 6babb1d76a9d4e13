#pragma once

#include <QLabel>
#include <functional>

// A text that looks and acts like a link; what it opens is the caller's business.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& caption, std::function<void()> onClick, QWidget* parent = nullptr);
};
