#include "ui/qt/qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "ui/qt/qt_text.h"

void QtPlatform::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  BeforeModal();
  const QMessageBox::Icon shown = icon == MessageIcon::Error         ? QMessageBox::Critical
                                  : icon == MessageIcon::Information ? QMessageBox::Information
                                                                     : QMessageBox::NoIcon;
  QMessageBox box(shown, ToQString(title), ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

std::optional<std::string> QtPlatform::ChooseFileToOpen(const OpenFileRequest& request) {
  BeforeModal();
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // A typed name that does not exist is handed on: the open itself reports it.
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog matches name filters in any letter case, so list.VCN shows too.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilter(ToQString(request.filterName));
  if (!request.initialFolder.empty())
    dialog.setDirectory(QFile::decodeName(request.initialFolder.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

void QtPlatform::OpenDocument(const std::string& pathOrAddress) {
  const QString target = QFile::decodeName(pathOrAddress.c_str());
  const QUrl url(target);
  if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
    QDesktopServices::openUrl(url);
    return;
  }
  // A plain path: relative ones are things shipped beside the program. A missing file is ignored
  // quietly, as the desktop's own "open" would.
  const QString path = QDir::isAbsolutePath(target)
                           ? target
                           : QDir(QCoreApplication::applicationDirPath()).filePath(target);
  if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int QtPlatform::RunModal(ModalDialog& dialog) {
  if (!dialogFactory_) return kModalCancel;
  BeforeModal();
  const std::unique_ptr<QDialog> shown = dialogFactory_(dialog, parent_);
  return shown && shown->exec() == QDialog::Accepted ? kModalOk : kModalCancel;
}
