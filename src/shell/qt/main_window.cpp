#include "shell/qt/main_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include "satellites/qt/satellite_page_view.h"
#include "shell/qt/logo_band.h"
#include "ui/qt/control_rendering.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/string_grid_view.h"

// The pictures live in a static library; its resources have to be pulled in by name.
static void LoadResources() {
  Q_INIT_RESOURCE(resources);
}

MainWindow::MainWindow(Platform& platform, FileSystem& files, const std::string& currentDirectory,
                       QWidget* parent)
    : QWidget(parent), form_(platform, files, currentDirectory) {
  LoadResources();
  setWindowTitle(kApplicationTitle);
  setFixedSize(kWidth, kHeight);
  BuildBands();
  BuildFileGroup();
  BuildPages();
  BuildStatusBar();
  BuildShortcuts();
  RenderAll();
}

MainWindow::~MainWindow() {
  // The views read the form's controls up to their last repaint, so they go before the form.
  qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void MainWindow::BuildBands() {
  auto* caption = new QLabel(ToQString(kApplicationTitle), this);
  caption->setGeometry(0, 0, kWidth, 48);
  caption->setObjectName("captionBand");
  caption->setStyleSheet(
      "#captionBand { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2f4f7f, "
      "stop:1 #1b2f4f); color: white; font-size: 15px; font-weight: bold; padding-left: 12px; }");
  auto* logo = new LogoBand(this);
  logo->setGeometry(0, 48, kWidth, 50);
  connect(logo, &LogoBand::clicked, this,
          [this] { Handle([this] { form_.suiImagePanel1Click(); }); });
}

void MainWindow::BuildFileGroup() {
  auto* group = new QGroupBox(this);
  group->setGeometry(0, 96, kWidth, 50);
  path_ = new QLineEdit(group);
  path_->setReadOnly(true);
  path_->setFixedWidth(425);
  open_ = new QPushButton(group);
  save_ = new QPushButton(group);
  help_ = new QPushButton(group);
  auto* layout = new QHBoxLayout(group);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->addWidget(path_);
  layout->addStretch(1);
  for (QPushButton* button : {open_, save_, help_}) {
    button->setFixedSize(80, 40);
    layout->addWidget(button);
  }
  connect(open_, &QPushButton::clicked, this, [this] { Handle([this] { form_.OpenClick(); }); });
  connect(save_, &QPushButton::clicked, this, [this] { Handle([this] { form_.SaveClick(); }); });
  connect(help_, &QPushButton::clicked, this,
          [this] { Handle([this] { form_.SpeedButton9Click(); }); });
}

StringGridView* MainWindow::AddGridPage(StringGrid& grid) {
  auto* page = new QWidget;
  auto* view = new StringGridView(grid, page);
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(view, 0, Qt::AlignLeft);
  view->setFixedWidth(view->horizontalHeader()->length() + 2 * view->frameWidth() + 20);
  pages_->addTab(page, {});
  return view;
}

void MainWindow::BuildPages() {
  pages_ = new QTabWidget(this);
  pages_->setGeometry(0, 152, 697, 521);
  satellitePage_ = new SatellitePageView(form_.satellites, *this);
  pages_->addTab(satellitePage_, {});
  // The other pages show their grids until their own views take their place.
  pendingPageGrids_ = {AddGridPage(form_.transponders.TpGrid), AddGridPage(form_.channels.ChGrid),
                       AddGridPage(form_.favourites.FavGrid)};
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    form_.PageControl1.activePageIndex = index;
    Handle([this] { form_.PageControl1Change(); });
  });
}

void MainWindow::BuildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setGeometry(0, kHeight - 22, kWidth, 22);
  bar->setSizeGripEnabled(false);
  status_ = new QLabel(bar);
  bar->addWidget(status_, 1);
}

void MainWindow::BuildShortcuts() {
  const auto bind = [this](QKeySequence keys, void (TForm1::*handler)()) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this,
            [this, handler] { Handle([this, handler] { (form_.*handler)(); }); });
  };
  bind(QKeySequence::Open, &TForm1::OpenClick);
  bind(QKeySequence::Save, &TForm1::SaveClick);
  bind(QKeySequence::HelpContents, &TForm1::SpeedButton9Click);
}

void MainWindow::RenderAll() {
  path_->setText(ToQString(form_.Path.text));
  ::Render(*open_, form_.Open);
  ::Render(*save_, form_.Save);
  ::Render(*help_, form_.SpeedButton9);
  {
    const QSignalBlocker blocker(pages_);
    for (int i = 0; i < pages_->count(); ++i) {
      pages_->setTabText(i, ToQString(form_.PageControl1.pages[static_cast<std::size_t>(i)]));
    }
    pages_->setCurrentIndex(form_.PageControl1.activePageIndex);
    pages_->setEnabled(form_.PageControl1.enabled);
  }
  status_->setText(ToQString(form_.StatusBar1.simpleText));
  satellitePage_->Render();
  for (StringGridView* grid : pendingPageGrids_) grid->Render();
}

void MainWindow::Handle(const std::function<void()>& handler) {
  form_.Run(handler);
  RenderAll();
}

void MainWindow::HandleBeforeChange(const std::function<void()>& handler) {
  form_.Run(handler);
}

void MainWindow::OpenUserGuide() {
  Handle([this] { form_.suiImagePanel1Click(); });
}
