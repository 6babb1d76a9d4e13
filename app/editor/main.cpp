// The channel editor: one window over the receiver's channel file.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "channelfile/posix_file_system.h"
#include "shell/qt/main_window.h"
#include "ui/qt/qt_platform.h"

namespace {

int RunEditor(QApplication& app) {
  QtPlatform platform;
  PosixFileSystem files;
  MainWindow window(platform, files, QFile::encodeName(QDir::currentPath()).toStdString());
  platform.SetParent(&window);
  platform.SetBeforeModal([&window] { window.RenderAll(); });

  const QRect screen = app.primaryScreen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
  window.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationDisplayName(kApplicationTitle);
  try {
    return RunEditor(app);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(e.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, kApplicationTitle, QString());
  }
  return 1;
}
