#include "ui/qt/masked_line_edit.h"

#include <QSignalBlocker>

#include "ui/qt/qt_text.h"

QString QtInputMask(const std::string& mask) {
  const std::size_t end = mask.find(';');
  const std::string places = mask.substr(0, end);
  QString qt;
  for (char c : places) {
    if (c == '9') {
      qt += QLatin1Char('0');  // Qt's optional digit
    } else if (c == '0') {
      qt += QLatin1Char('9');  // Qt's required digit
    } else {
      qt += QLatin1Char('\\');
      qt += QLatin1Char(c);
    }
  }
  const std::size_t blankAt = mask.rfind(';');
  const char blank = blankAt != std::string::npos && blankAt != end && blankAt + 1 < mask.size()
                         ? mask[blankAt + 1]
                         : ' ';
  return qt + QLatin1Char(';') + QLatin1Char(blank);
}

MaskedLineEdit::MaskedLineEdit(Edit& edit, const std::string& mask, QWidget* parent)
    : QLineEdit(parent), edit_(edit) {
  if (!mask.empty()) {
    const QString qtMask = QtInputMask(mask);
    setInputMask(qtMask);
    maskWidth_ =
        static_cast<int>(mask.find(';') == std::string::npos ? mask.size() : mask.find(';'));
  }
  // With a mask, text() leaves out the places left blank: "45 ,5" is read as "45,5".
  connect(this, &QLineEdit::textEdited, this, [this] { edit_.text = FromQString(text()); });
  Render();
}

void MaskedLineEdit::Render() {
  const QSignalBlocker blocker(this);
  setEnabled(edit_.enabled);
  setReadOnly(edit_.readOnly);
  if (edit_.maxLength > 0 && maskWidth_ == 0) setMaxLength(edit_.maxLength);
  QString wanted = ToQString(edit_.text);
  // A masked text shorter than the mask fills the places from the right, as numbers do.
  if (maskWidth_ > 0 && wanted.size() < maskWidth_) {
    wanted = QString(maskWidth_ - wanted.size(), QLatin1Char(' ')) + wanted;
  }
  if (text() != ToQString(edit_.text)) setText(wanted);
}
