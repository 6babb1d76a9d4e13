#include "ui/qt/link_label.h"

LinkLabel::LinkLabel(const QString& caption, std::function<void()> onClick, QWidget* parent)
    : QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent) {
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  setCursor(Qt::PointingHandCursor);
  connect(this, &QLabel::linkActivated, this, [onClick = std::move(onClick)] { onClick(); });
}
