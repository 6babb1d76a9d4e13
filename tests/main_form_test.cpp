#include "shell/main_form.h"

#include <gtest/gtest.h>

#include "support/channel_file_builder.h"
#include "support/fake_file_system.h"
#include "support/fake_platform.h"
#include "ui/integer_text.h"

namespace {

class MainFormTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  FakeFileSystem files;
  TForm1 form{platform, files, "/home/user/editor"};

  void OpenFile(const std::string& path, const ChannelDatabase& content) {
    files.files[path] = MakeChannelFile(content);
    platform.chosenFiles.push_back(path);
    form.OpenClick();
  }
};

TEST_F(MainFormTest, StartsIdleWithPagesDisabledAndEmptyGrids) {
  EXPECT_FALSE(form.PageControl1.enabled);
  EXPECT_EQ(form.PageControl1.activePageIndex, 0);
  EXPECT_EQ(form.PageControl1.pages,
            (std::vector<std::string>{"Edit Satellites", "Edit Transponders", "Edit Channels",
                                      "Edit Favourites"}));
  EXPECT_EQ(form.StatusBar1.simpleText, "Idle");
  EXPECT_TRUE(form.Path.readOnly);
  EXPECT_FALSE(form.satellites.GroupBox1.enabled);

  const StringGrid* grids[] = {&form.satellites.SatGrid, &form.transponders.TpGrid,
                               &form.channels.ChGrid, &form.favourites.FavGrid};
  const std::vector<std::string> headers[] = {
      {"Index", "Sat Name", "Position"},
      {"Frequency", "Polarity", "Symbol Rate", "F.E.C"},
      {"Num.", "Name", "Lock", "Fav 1", "Fav 2", "Fav 3", "Fav 4", "Fav 5"},
      {"Num.", "Name"}};
  for (int g = 0; g < 4; ++g) {
    const StringGrid& grid = *grids[g];
    EXPECT_EQ(grid.RowCount(), 2);
    std::vector<std::string> row0;
    for (int col = 0; col < grid.ColCount(); ++col) {
      row0.push_back(grid.Cell(col, 0));
      EXPECT_EQ(grid.Cell(col, 1), "");
    }
    EXPECT_EQ(row0, headers[g]);
  }
  EXPECT_FALSE(form.channels.Lock.enabled);
  EXPECT_FALSE(form.favourites.FavDelete.enabled);
}

TEST(HelpFilePath, IsTheStartFolderJoinedWithTheHelpFile) {
  FakePlatform platform;
  FakeFileSystem files;
  const std::string longFolder = "/" + std::string(300, 'd');
  const std::pair<std::string, std::string> cases[] = {
      {"/", "/Channel Editor.chm"},
      {"/tools/ed", "/tools/ed/Channel Editor.chm"},
      {"/a", "/a/Channel Editor.chm"},  // a one-letter folder is a folder like any other
      {longFolder, longFolder + "/Channel Editor.chm"},
  };
  for (const auto& [folder, expected] : cases) {
    TForm1 form(platform, files, folder);
    EXPECT_EQ(form.HelpFilePath, expected);
    form.SpeedButton9Click();
    EXPECT_EQ(platform.openedDocuments.back(), expected);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainFormTest, LogoOpensTheUserGuide) {
  form.suiImagePanel1Click();
  EXPECT_EQ(platform.openedDocuments, (std::vector<std::string>{kUserGuideAddress}));
}

TEST_F(MainFormTest, CancelledOpenChangesNothing) {
  form.PageControl1.activePageIndex = 2;
  form.OpenClick();
  ASSERT_EQ(platform.openRequests.size(), 1u);
  EXPECT_EQ(platform.openRequests[0].filterName, "VORN Channel Files (*.vcn)");
  EXPECT_EQ(platform.openRequests[0].extension, "vcn");
  EXPECT_EQ(form.PageControl1.activePageIndex, 2);
  EXPECT_EQ(form.StatusBar1.simpleText, "Idle");
}

TEST_F(MainFormTest, SuccessfulOpenShowsTheSatellitePageAndEnablesThePages) {
  form.PageControl1.activePageIndex = 3;
  form.channelFilter.kind = ChannelFilter::kRadio;
  OpenFile("/data/list.vcn", MakeDatabase({.satellites = 4}));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(form.PageControl1.enabled);
  EXPECT_EQ(form.PageControl1.activePageIndex, 0);
  EXPECT_EQ(form.Path.text, "/data/list.vcn");
  EXPECT_EQ(form.StatusBar1.simpleText, "Service DataBase CRC : OK");
  EXPECT_EQ(form.satellites.SatGrid.RowCount(), 5);
  EXPECT_EQ(form.satellites.SatGrid.Cell(1, 2), "Sat 2");
  EXPECT_EQ(form.channelFilter.kind, ChannelFilter::kTv);

  // The next dialog starts in the opened file's folder.
  form.OpenClick();
  EXPECT_EQ(platform.openRequests.back().initialFolder, "/data/");
}

TEST_F(MainFormTest, RefusedOpenKeepsPathAndPagesButShowsSatellitePage) {
  OpenFile("/data/list.vcn", MakeDatabase());
  form.PageControl1.activePageIndex = 1;
  platform.chosenFiles.push_back("/data/other.txt");
  form.OpenClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error[0] : Wrong File Format.");
  EXPECT_EQ(form.Path.text, "/data/list.vcn");
  EXPECT_EQ(form.PageControl1.activePageIndex, 0);
  EXPECT_TRUE(form.PageControl1.enabled);
}

TEST_F(MainFormTest, SaveEndsIdleWhateverHappened) {
  form.SaveClick();  // nothing opened: nowhere to write
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Level[9] : Couldn't create New VCN File.");
  EXPECT_EQ(form.StatusBar1.simpleText, "Idle");

  OpenFile("/data/list.vcn", MakeDatabase());
  form.SaveClick();
  EXPECT_EQ(platform.messages.back().text, "NEW_list.vcn Created");
  EXPECT_EQ(form.StatusBar1.simpleText, "Idle");
  EXPECT_EQ(files.files["/data/NEW_list.vcn"], files.files["/data/list.vcn"]);
}

TEST_F(MainFormTest, DispatchReconcilesFavouritesForChannelAndFavouritePages) {
  for (int page : {2, 3}) {
    OpenFile("/data/p" + std::to_string(page) + ".vcn", MakeDatabase());
    form.database->Services[4].SetIndex(99);
    form.PageControl1.activePageIndex = page;
    form.PageControl1Change();
    EXPECT_EQ(form.database->Services[4].Index(), 4) << page;
  }
  form.PageControl1.activePageIndex = 7;  // no such page: nothing
  form.PageControl1Change();
}

TEST_F(MainFormTest, ExceptionBoxAddsAFullStopAfterLettersOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
      {"Done.", "Done."},
      {"Really!", "Really!"},  // '!' sorts before '.'
      {"", ""},
  };
  for (const auto& [message, shown] : cases) {
    form.Run([&] { throw ConversionError(message); });
    EXPECT_EQ(platform.messages.back(),
              (ShownMessage{shown, kApplicationTitle, MessageIcon::Error}));
  }
}

}  // namespace
