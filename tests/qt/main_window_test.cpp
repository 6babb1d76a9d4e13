// The real window, driven through its widgets, with the desktop and the disk played by fakes.

#include "shell/qt/main_window.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QtTest>

#include "satellites/qt/satellite_page_view.h"
#include "support/channel_file_builder.h"
#include "support/fake_file_system.h"
#include "support/fake_platform.h"
#include "ui/qt/masked_line_edit.h"
#include "ui/qt/radio_group_box.h"
#include "ui/qt/string_grid_view.h"

namespace {

const std::string kFile = "/d/list.vcn";

QString Cell(StringGridView* grid, int row, int col) {
  return grid->model()->index(row, col).data().toString();
}

void ClickRow(StringGridView* grid, int row) {
  const QRect cell = grid->visualRect(grid->model()->index(row, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Clicks item i on its indicator, where a person clicks.
void ClickItem(RadioGroupBox* group, int i) {
  QRadioButton* item = group->findChildren<QRadioButton*>().at(i);
  QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

void Retype(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  box->home(false);
  QTest::keyClicks(box, text);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<FakePlatform> platform;
  std::unique_ptr<FakeFileSystem> files;
  std::unique_ptr<MainWindow> window;

  SatellitePageView* page() { return window->satellitePage(); }
  void OpenThroughTheButton(const std::string& path) {
    platform->chosenFiles.push_back(path);
    QTest::mouseClick(window->openButton(), Qt::LeftButton);
  }

 private slots:
  void init() {
    platform = std::make_unique<FakePlatform>();
    files = std::make_unique<FakeFileSystem>();
    files->files[kFile] = MakeChannelFile(MakeDatabase({.satellites = 3}));
    window = std::make_unique<MainWindow>(*platform, *files, "/home/user");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  void cleanup() { window.reset(); }

  void startsIdleWithThePagesDisabled() {
    QCOMPARE(window->windowTitle(), QString("V.O.R.N Z5 Duo PC Channel Editor V1.3"));
    QCOMPARE(window->size(), QSize(700, 699));
    QVERIFY(!window->pages()->isEnabled());
    QCOMPARE(window->pages()->currentIndex(), 0);
    QCOMPARE(window->pages()->tabText(3), QString("Edit Favourites"));
    QCOMPARE(window->statusText()->text(), QString("Idle"));
    QCOMPARE(window->pathBox()->text(), QString());
    QVERIFY(window->pathBox()->isReadOnly());
    StringGridView* grid = page()->grid();
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("Sat Name"));
    QCOMPARE(Cell(grid, 0, 1), QString());
  }

  void openFillsTheSatellitePage() {
    OpenThroughTheButton(kFile);
    QVERIFY(platform->messages.empty());
    QVERIFY(window->pages()->isEnabled());
    QCOMPARE(window->statusText()->text(), QString("Service DataBase CRC : OK"));
    QCOMPARE(window->pathBox()->text(), QString::fromStdString(kFile));
    StringGridView* grid = page()->grid();
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(Cell(grid, 1, 0), QString("2"));
    QCOMPARE(Cell(grid, 1, 1), QString("Sat 2"));
    QCOMPARE(Cell(grid, 1, 2), QString("14.0  W"));
    QCOMPARE(page()->nameBox()->text(), QString("Sat 1"));
    QCOMPARE(page()->positionBox()->text(), QString("13,0"));
    QVERIFY(!page()->lowFrequencyBox()->isEnabled());  // Universal
  }

  void refusedOpenShowsItsMessageAndKeepsTheWindow() {
    OpenThroughTheButton("/d/missing.vcn");
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(platform->messages[0].text,
             std::string("Error[1] : Couldn't open VORN channel file.\n"));
    QVERIFY(!window->pages()->isEnabled());
    QCOMPARE(window->pathBox()->text(), QString());
  }

  void unappliedEditsAreDroppedWhenTheGridMoves() {
    OpenThroughTheButton(kFile);
    Retype(page()->nameBox(), "Not applied");
    ClickRow(page()->grid(), 2);
    QCOMPARE(page()->nameBox()->text(), QString("Sat 3"));
    ClickRow(page()->grid(), 0);
    QCOMPARE(page()->nameBox()->text(), QString("Sat 1"));
  }

  void editApplySaveAndReopen() {
    OpenThroughTheButton(kFile);
    ClickRow(page()->grid(), 1);
    QCOMPARE(page()->nameBox()->text(), QString("Sat 2"));
    Retype(page()->nameBox(), "Renamed");
    Retype(page()->positionBox(), "45,5");
    ClickItem(page()->orientationChoice(), 1);
    QTest::mouseClick(page()->applyButton(), Qt::LeftButton);
    QVERIFY(platform->messages.empty());
    QCOMPARE(Cell(page()->grid(), 1, 1), QString("Renamed"));
    QCOMPARE(Cell(page()->grid(), 1, 2), QString("45.5  E"));

    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform->messages.back().text, std::string("NEW_list.vcn Created"));
    QCOMPARE(window->statusText()->text(), QString("Idle"));

    OpenThroughTheButton("/d/NEW_list.vcn");
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(Cell(page()->grid(), 1, 1), QString("Renamed"));
    QCOMPARE(window->form().database->Config.Satellites[1].Position(), 455);
  }

  void userLnbPairIsTypedAndABlankNumberShowsTheErrorBox() {
    OpenThroughTheButton(kFile);
    ClickItem(page()->lnbChoice(), 2);
    QVERIFY(page()->lowFrequencyBox()->isEnabled());
    Retype(page()->lowFrequencyBox(), "5150");
    Retype(page()->highFrequencyBox(), "10600");
    QTest::mouseClick(page()->applyButton(), Qt::LeftButton);
    QCOMPARE(window->form().database->Config.Satellites[0].LnbLowFreq(), 5150);
    QCOMPARE(window->form().database->Config.Satellites[0].LnbType(), 2u);

    Retype(page()->lowFrequencyBox(), "");
    QTest::mouseClick(page()->applyButton(), Qt::LeftButton);
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(platform->messages[0].text, std::string("'' is not a valid integer value."));
    QCOMPARE(platform->messages[0].title, std::string("V.O.R.N Z5 Duo PC Channel Editor V1.3"));
    QCOMPARE(window->form().database->Config.Satellites[0].LnbLowFreq(), 5150);
  }

  void insertKeyAddsACopyOfTheSelectedSatellite() {
    OpenThroughTheButton(kFile);
    ClickRow(page()->grid(), 1);
    QTest::keyClick(page()->grid(), Qt::Key_Insert);
    StringGridView* grid = page()->grid();
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(Cell(grid, 3, 0), QString("4"));
    QCOMPARE(Cell(grid, 3, 1), QString("Sat 2"));
    QCOMPARE(grid->currentIndex().row(), 3);
  }

  void diseqcChoiceReshapesThePortList() {
    OpenThroughTheButton(kFile);
    ClickItem(page()->diseqcChoice(), 1);
    QCOMPARE(page()->portChoice()->findChildren<QRadioButton*>().size(), 2);
    QVERIFY(page()->portChoice()->isEnabled());
    ClickItem(page()->diseqcChoice(), 4);
    QCOMPARE(page()->portChoice()->findChildren<QRadioButton*>().size(), 4);
    QVERIFY(!page()->portChoice()->isEnabled());
  }

  void gridModelKeepsItsContract() {
    OpenThroughTheButton(kFile);
    QAbstractItemModelTester tester(page()->grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTest::keyClick(page()->grid(), Qt::Key_Insert);
    OpenThroughTheButton(kFile + ".missing");
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
