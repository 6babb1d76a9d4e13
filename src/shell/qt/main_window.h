#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>

#include "shell/main_form.h"
#include "ui/qt/view_host.h"

class SatellitePageView;
class StringGridView;

// The editor's window: caption and logo bands, the file group, the four pages and the status bar,
// laid out at the fixed size the editor has always had.
class MainWindow : public QWidget, public ViewHost {
  Q_OBJECT
 public:
  static constexpr int kWidth = 700;
  static constexpr int kHeight = 699;

  MainWindow(Platform& platform, FileSystem& files, const std::string& currentDirectory,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Shows the whole window's state.
  void RenderAll();

  void Handle(const std::function<void()>& handler) override;
  void HandleBeforeChange(const std::function<void()>& handler) override;
  void OpenUserGuide() override;

  TForm1& form() { return form_; }
  QPushButton* openButton() const { return open_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* helpButton() const { return help_; }
  QTabWidget* pages() const { return pages_; }
  QLineEdit* pathBox() const { return path_; }
  QLabel* statusText() const { return status_; }
  SatellitePageView* satellitePage() const { return satellitePage_; }

 private:
  void BuildBands();
  void BuildFileGroup();
  void BuildPages();
  void BuildStatusBar();
  void BuildShortcuts();
  StringGridView* AddGridPage(StringGrid& grid);

  TForm1 form_;
  QLineEdit* path_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* help_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QLabel* status_ = nullptr;
  SatellitePageView* satellitePage_ = nullptr;
  std::vector<StringGridView*> pendingPageGrids_;
};
