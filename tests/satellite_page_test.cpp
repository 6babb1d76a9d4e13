#include "satellites/satellite_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "satellites/satellite_texts.h"
#include "support/channel_file_builder.h"
#include "ui/integer_text.h"

namespace {

const std::vector<std::string> kFourPorts{"Port A", "Port B", "Port C", "Port D"};
const std::vector<std::string> kTwoPorts{"Port A", "Port B"};

// Everything the panel shows, as one value that compares and prints.
auto Panel(const SatellitePage& p) {
  return std::make_tuple(p.Edit1.text, p.MaskEdit1.text, p.RadioGroup1.itemIndex,
                         p.RadioGroup2.itemIndex, p.MaskEdit2.text, p.MaskEdit2.enabled,
                         p.MaskEdit3.text, p.MaskEdit3.enabled, p.RadioGroup3.itemIndex,
                         p.RadioGroup4.items, p.RadioGroup4.enabled, p.RadioGroup4.itemIndex);
}

// Changes every field of the panel away from what the built satellites hold, as a user would.
void EditEverything(SatellitePage& p) {
  p.Edit1.text = "Edited";
  p.MaskEdit1.text = "77,7";
  p.RadioGroup1.itemIndex = 1 - p.RadioGroup1.itemIndex;
  p.RadioGroup2.itemIndex = kLnbUser;
  p.RadioGroup2Click();
  p.MaskEdit2.text = "01000";
  p.MaskEdit3.text = "02000";
  p.RadioGroup3.itemIndex = 1;
  p.RadioGroup3Click();
  p.RadioGroup4.itemIndex = 1;
}

class SatellitePageTest : public ::testing::Test {
 protected:
  // What opening a file does to the page: the database is overwritten, then the page is shown.
  void Open(int satellites) {
    *db = MakeDatabase({.satellites = satellites});
    page.FillSatelliteList();
  }
  // A click on a row: the selection handler runs on the old row, the grid moves, then repaints.
  void Select(int row) {
    page.SatGridSelectCell(0, row);
    page.SatGrid.SelectRow(row);
    page.SatGridDrawCell();
  }
  TSatellite& Slot(int i) { return db->Config.Satellites[static_cast<std::size_t>(i)]; }

  std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
  SatellitePage page{*db};
};

// --- The list and the panel ---

TEST_F(SatellitePageTest, ListsEverySatelliteInUseWithIndexNameAndPosition) {
  page.WriteHeaderTexts();
  Open(3);

  ASSERT_EQ(page.SatGrid.RowCount(), 4);
  const std::vector<std::vector<std::string>> expected{{"Index", "Sat Name", "Position"},
                                                       {"1", "Sat 1", "13.0  E"},
                                                       {"2", "Sat 2", "14.0  W"},
                                                       {"3", "Sat 3", "15.0  E"}};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 3; ++col)
      EXPECT_EQ(page.SatGrid.Cell(col, row), expected[row][col]) << col << "," << row;
  EXPECT_EQ(page.satelliteCount, 3);
  EXPECT_TRUE(page.GroupBox1.enabled);
  EXPECT_TRUE(page.SpeedButton3.enabled);
  EXPECT_EQ(page.Edit1.text, "Sat 1");
  EXPECT_EQ(page.editCopy, Slot(0));
}

TEST_F(SatellitePageTest, KeepsTheCurrentRowWithinTheRowsOfANewFile) {
  Open(3);
  Select(3);
  Open(2);
  EXPECT_EQ(page.SatGrid.row, 2);
  EXPECT_EQ(page.Edit1.text, "Sat 2");
}

TEST_F(SatellitePageTest, CountsSlotsBehindAGapButListsTheFirstSlots) {
  *db = MakeDatabase({.satellites = 6});
  Slot(2).SetInUse(false);
  Slot(2).SetName("Out of use");
  page.FillSatelliteList();

  EXPECT_EQ(page.satelliteCount, 5);
  ASSERT_EQ(page.SatGrid.RowCount(), 6);
  EXPECT_EQ(page.SatGrid.Cell(1, 3), "Out of use");
  EXPECT_EQ(page.SatGrid.Cell(1, 5), "Sat 5");
}

TEST_F(SatellitePageTest, AFileWithoutSatellitesShowsOneEmptyRowAndADisabledPanel) {
  const auto expectEmptyPage = [&] {
    ASSERT_EQ(page.SatGrid.RowCount(), 2);
    for (int col = 0; col < 3; ++col) EXPECT_EQ(page.SatGrid.Cell(col, 1), "");
    EXPECT_FALSE(page.GroupBox1.enabled);
    EXPECT_TRUE(page.SpeedButton3.enabled);
  };
  Open(0);
  expectEmptyPage();
  Open(3);
  Open(0);
  expectEmptyPage();

  // The first satellite added to an empty table can be edited at once.
  page.SpeedButton3Click();
  EXPECT_EQ(page.SatGrid.RowCount(), 2);
  EXPECT_EQ(page.SatGrid.Cell(0, 1), "1");
  EXPECT_TRUE(page.GroupBox1.enabled);
  EXPECT_TRUE(Slot(0).InUse());
}

TEST_F(SatellitePageTest, AFullTableDisablesAddUntilAFileWithFewerSatellites) {
  Open(80);
  EXPECT_EQ(page.SatGrid.RowCount(), 81);
  EXPECT_EQ(page.SatGrid.Cell(0, 80), "80");
  EXPECT_FALSE(page.SpeedButton3.enabled);
  Open(5);
  EXPECT_TRUE(page.SpeedButton3.enabled);
}

struct PositionShown {
  std::uint16_t position;
  unsigned orientation;
  const char* gridText;
  const char* panelText;
  int orientationItem;  // on a page that has shown nothing before
};

class SatellitePositionShown : public SatellitePageTest,
                               public ::testing::WithParamInterface<PositionShown> {};

TEST_P(SatellitePositionShown, InGridAndPanelAndReadsBackUnchanged) {
  const PositionShown& c = GetParam();
  *db = MakeDatabase({.satellites = 1});
  Slot(0).SetPosition(c.position);
  Slot(0).SetOrientation(c.orientation);
  page.FillSatelliteList();

  EXPECT_EQ(page.SatGrid.Cell(2, 1), c.gridText);
  EXPECT_EQ(page.MaskEdit1.text, c.panelText);
  EXPECT_EQ(page.RadioGroup1.itemIndex, c.orientationItem);

  const TSatellite before = Slot(0);
  page.SpeedButton1Click();
  EXPECT_EQ(Slot(0), before);
}

INSTANTIATE_TEST_SUITE_P(
    SatellitePage, SatellitePositionShown,
    ::testing::Values(PositionShown{0, kOrientationWest, "0.0  W", "00,0", 0},
                      PositionShown{5, kOrientationEast, "0.5  E", "00,5", 1},
                      PositionShown{192, kOrientationEast, "19.2  E", "19,2", 1},
                      PositionShown{1800, kOrientationEast, "180.0  E", "180,0", 1},
                      PositionShown{192, 0, "19.2  ", "19,2", -1},
                      PositionShown{192, 3, "19.2  ", "19,2", -1}));

TEST_F(SatellitePageTest, AnUnknownOrientationKeepsTheChoiceShownBeforeAndApplyWritesIt) {
  *db = MakeDatabase({.satellites = 3});
  Slot(2).SetOrientation(0);
  page.FillSatelliteList();
  Select(2);  // West
  Select(3);
  EXPECT_EQ(page.RadioGroup1.itemIndex, 0);
  page.SpeedButton1Click();
  EXPECT_EQ(Slot(2).Orientation(), kOrientationWest);
}

struct LnbShown {
  unsigned type;
  std::uint16_t low;
  std::uint16_t high;
  int item;
  const char* lowText;
  const char* highText;
  bool editable;
  std::uint16_t heldLow;
  std::uint16_t heldHigh;
};

class SatelliteLnbShown : public SatellitePageTest,
                          public ::testing::WithParamInterface<LnbShown> {};

TEST_P(SatelliteLnbShown, ShowsTheStoredPairAndHoldsThePairOfTheType) {
  const LnbShown& c = GetParam();
  *db = MakeDatabase({.satellites = 1});
  Slot(0).SetLnbType(c.type);
  Slot(0).SetLnbLowFreq(c.low);
  Slot(0).SetLnbHighFreq(c.high);
  page.FillSatelliteList();

  EXPECT_EQ(page.RadioGroup2.itemIndex, c.item);
  EXPECT_EQ(page.MaskEdit2.text, c.lowText);
  EXPECT_EQ(page.MaskEdit3.text, c.highText);
  EXPECT_EQ(page.MaskEdit2.enabled, c.editable);
  EXPECT_EQ(page.MaskEdit3.enabled, c.editable);
  EXPECT_EQ(page.heldLnbLow, c.heldLow);
  EXPECT_EQ(page.heldLnbHigh, c.heldHigh);
}

INSTANTIATE_TEST_SUITE_P(
    SatellitePage, SatelliteLnbShown,
    ::testing::Values(LnbShown{kLnbUniversal, 9750, 10600, 0, "09750", "10600", false, 9750, 10600},
                      LnbShown{kLnbNormal, 1234, 5678, 1, "01234", "05678", false, 5150, 5750},
                      LnbShown{kLnbUser, 9000, 10000, 2, "09000", "10000", true, 9000, 10000},
                      LnbShown{3, 9100, 10100, 2, "09100", "10100", true, 9100, 10100}));

struct DiseqcShown {
  unsigned type;
  unsigned port;
  int item;
  std::vector<std::string> ports;
  bool portsEnabled;
  int portItem;
};

class SatelliteDiseqcShown : public SatellitePageTest,
                             public ::testing::WithParamInterface<DiseqcShown> {};

// Each satellite is shown after a ToneBurst one, so the port list must be rebuilt, not kept.
TEST_P(SatelliteDiseqcShown, SelectsTypeAndRebuildsThePortList) {
  const DiseqcShown& c = GetParam();
  *db = MakeDatabase({.satellites = 2});
  Slot(0).SetDiseqcType(1);
  Slot(0).SetDiseqcPort(1);
  Slot(1).SetDiseqcType(c.type);
  Slot(1).SetDiseqcPort(c.port);
  page.FillSatelliteList();
  Select(2);

  EXPECT_EQ(page.RadioGroup3.itemIndex, c.item);
  EXPECT_EQ(page.RadioGroup4.items, c.ports);
  EXPECT_EQ(page.RadioGroup4.enabled, c.portsEnabled);
  EXPECT_EQ(page.RadioGroup4.itemIndex, c.portItem);
}

INSTANTIATE_TEST_SUITE_P(SatellitePage, SatelliteDiseqcShown,
                         ::testing::Values(DiseqcShown{0, 2, 0, kFourPorts, false, 0},
                                           DiseqcShown{1, 3, 1, kTwoPorts, true, 1},
                                           DiseqcShown{2, 3, 2, kFourPorts, true, 3},
                                           DiseqcShown{3, 2, 3, kFourPorts, true, 2},
                                           DiseqcShown{4, 3, 4, kFourPorts, false, 0},
                                           DiseqcShown{9, 2, 5, kFourPorts, false, 0}));

// --- Choices that reshape the panel ---

TEST_F(SatellitePageTest, ChoosingADiseqcTypeRebuildsThePortsWithPortASelected) {
  Open(1);
  const TConfigBlock before = db->Config;
  for (int type = 0; type <= 5; ++type) {
    SCOPED_TRACE(type);
    page.RadioGroup4.itemIndex = 1;
    page.RadioGroup3.itemIndex = type;
    page.RadioGroup3Click();
    EXPECT_EQ(page.RadioGroup4.items, type == 1 ? kTwoPorts : kFourPorts);
    EXPECT_EQ(page.RadioGroup4.enabled, type >= 1 && type <= 3);
    EXPECT_EQ(page.RadioGroup4.itemIndex, 0);
  }
  page.RadioGroup4.itemIndex = 1;
  page.RadioGroup3.itemIndex = -1;
  page.RadioGroup3Click();
  EXPECT_EQ(page.RadioGroup4.itemIndex, 1);
  EXPECT_TRUE(db->Config == before);
}

TEST_F(SatellitePageTest, SwitchingToUserOffersThePairHeldLast) {
  Open(1);  // Universal
  const TConfigBlock before = db->Config;
  const auto choose = [&](int item) {
    page.RadioGroup2.itemIndex = item;
    page.RadioGroup2Click();
    return std::make_tuple(page.MaskEdit2.text, page.MaskEdit3.text, page.MaskEdit2.enabled,
                           page.MaskEdit3.enabled);
  };
  EXPECT_EQ(choose(kLnbUser), std::make_tuple("09750", "10600", true, true));
  EXPECT_EQ(choose(kLnbNormal), std::make_tuple("05150", "05750", false, false));
  EXPECT_EQ(choose(kLnbUser), std::make_tuple("05150", "05750", true, true));
  EXPECT_TRUE(db->Config == before);
}

// --- Apply Changes ---

struct PositionTyped {
  const char* text;
  std::optional<std::uint16_t> stored;  // nothing: the text is refused
};

class SatellitePositionTyped : public SatellitePageTest,
                               public ::testing::WithParamInterface<PositionTyped> {};

TEST_P(SatellitePositionTyped, IsStoredAsTenthsOrRefusedBeforeAnythingIsStored) {
  const PositionTyped& c = GetParam();
  SCOPED_TRACE(c.text);
  Open(1);
  const TConfigBlock before = db->Config;
  page.Edit1.text = "Renamed";
  page.MaskEdit1.text = c.text;

  if (c.stored) {
    page.SpeedButton1Click();
    EXPECT_EQ(Slot(0).Position(), *c.stored);
    EXPECT_EQ(page.SatGrid.Cell(2, 1), PositionText(Slot(0)));
  } else {
    EXPECT_THROW(page.SpeedButton1Click(), ConversionError);
    EXPECT_TRUE(db->Config == before);
    EXPECT_EQ(page.SatGrid.Cell(1, 1), "Sat 1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    SatellitePage, SatellitePositionTyped,
    ::testing::Values(PositionTyped{"19,2", 192}, PositionTyped{" 5,0", 50},
                      PositionTyped{"00,0", 0}, PositionTyped{"180,0", 1800},
                      PositionTyped{"999,9", 9999}, PositionTyped{"19,", 190},
                      PositionTyped{"19", 190}, PositionTyped{" 19,2 ", 192},
                      PositionTyped{"6553,5", 65535}, PositionTyped{"", std::nullopt},
                      PositionTyped{"   ", std::nullopt}, PositionTyped{"abc", std::nullopt},
                      PositionTyped{"19,2,1", std::nullopt}, PositionTyped{"1 9,2", std::nullopt},
                      PositionTyped{"19, 2", std::nullopt}, PositionTyped{"19,25", std::nullopt},
                      PositionTyped{"19.2", std::nullopt}, PositionTyped{"-5,0", std::nullopt},
                      PositionTyped{"+5,0", std::nullopt}, PositionTyped{",5", std::nullopt},
                      PositionTyped{"6553,6", std::nullopt},
                      PositionTyped{"99999999999,0", std::nullopt}));

TEST_F(SatellitePageTest, ARefusedPositionNamesTheTextAsRead) {
  Open(1);
  page.MaskEdit1.text = " 1 9,2 ";
  try {
    page.SpeedButton1Click();
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1 9,2' is not a valid floating point value");
  }
}

struct UserLnbTyped {
  const char* low;
  const char* high;
  unsigned storedType;
  std::uint16_t storedLow;
  std::uint16_t storedHigh;
};

class SatelliteUserLnbTyped : public SatellitePageTest,
                              public ::testing::WithParamInterface<UserLnbTyped> {};

TEST_P(SatelliteUserLnbTyped, IsStoredWithinTheLimitsAndSilentlyUniversalOtherwise) {
  const UserLnbTyped& c = GetParam();
  SCOPED_TRACE(std::string(c.low) + " / " + c.high);
  Open(1);
  page.RadioGroup2.itemIndex = kLnbUser;
  page.RadioGroup2Click();
  page.MaskEdit2.text = c.low;
  page.MaskEdit3.text = c.high;
  page.SpeedButton1Click();

  EXPECT_EQ(Slot(0).LnbType(), c.storedType);
  EXPECT_EQ(Slot(0).LnbLowFreq(), c.storedLow);
  EXPECT_EQ(Slot(0).LnbHighFreq(), c.storedHigh);
  const bool user = c.storedType == kLnbUser;
  EXPECT_EQ(page.RadioGroup2.itemIndex, user ? 2 : 0);
  EXPECT_EQ(page.MaskEdit2.enabled, user);
  EXPECT_EQ(page.MaskEdit3.enabled, user);
  if (!user) {
    EXPECT_EQ(page.MaskEdit2.text, "09750");
    EXPECT_EQ(page.MaskEdit3.text, "10600");
  }
}

INSTANTIATE_TEST_SUITE_P(
    SatellitePage, SatelliteUserLnbTyped,
    ::testing::Values(UserLnbTyped{"09750", "10600", kLnbUser, 9750, 10600},
                      UserLnbTyped{" 10749", "10750 ", kLnbUser, 10749, 10750},
                      UserLnbTyped{"00000", "00001", kLnbUser, 0, 1},
                      UserLnbTyped{"10750", "10750", kLnbUniversal, 9750, 10600},
                      UserLnbTyped{"10600", "09750", kLnbUniversal, 9750, 10600},
                      UserLnbTyped{"09750", "10751", kLnbUniversal, 9750, 10600},
                      UserLnbTyped{"10751", "10752", kLnbUniversal, 9750, 10600},
                      // 76136 is 65536 + 10600
                      UserLnbTyped{"09750", "76136", kLnbUniversal, 9750, 10600},
                      UserLnbTyped{"-1", "10600", kLnbUniversal, 9750, 10600}));

TEST_F(SatellitePageTest, AUserFrequencyThatIsNotANumberStopsApplyAndStoresNothing) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases{
      {"abc", "10600", "'abc' is not a valid integer value"},
      {"09750", " 12a ", "'12a' is not a valid integer value"},
      {"", "10600", "'' is not a valid integer value"}};
  Open(1);
  const TConfigBlock before = db->Config;
  for (const auto& [low, high, message] : cases) {
    SCOPED_TRACE(message);
    page.Edit1.text = "Renamed";
    page.RadioGroup2.itemIndex = kLnbUser;
    page.MaskEdit2.text = low;
    page.MaskEdit3.text = high;
    try {
      page.SpeedButton1Click();
      ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), message);
    }
    EXPECT_TRUE(db->Config == before);
  }
}

TEST_F(SatellitePageTest, UniversalAndNormalStoreTheirPairWhateverTheBoxesShow) {
  *db = MakeDatabase({.satellites = 1});
  Slot(0).SetLnbType(kLnbUser);
  Slot(0).SetLnbLowFreq(9000);
  Slot(0).SetLnbHighFreq(10000);
  page.FillSatelliteList();
  const std::vector<std::tuple<int, std::uint16_t, std::uint16_t>> cases{
      {kLnbUniversal, 9750, 10600}, {kLnbNormal, 5150, 5750}};
  for (const auto& [item, low, high] : cases) {
    SCOPED_TRACE(item);
    page.RadioGroup2.itemIndex = item;
    page.MaskEdit2.text = "abc";
    page.MaskEdit3.text = "xyz";
    page.SpeedButton1Click();
    EXPECT_EQ(Slot(0).LnbType(), static_cast<unsigned>(item));
    EXPECT_EQ(Slot(0).LnbLowFreq(), low);
    EXPECT_EQ(Slot(0).LnbHighFreq(), high);
  }
}

struct DiseqcChosen {
  int typeItem;
  int portItem;
  unsigned storedType;
  unsigned storedPort;
};

class SatelliteDiseqcChosen : public SatellitePageTest,
                              public ::testing::WithParamInterface<DiseqcChosen> {};

TEST_P(SatelliteDiseqcChosen, StoresThePortOnlyForTypesThatAddressOne) {
  const DiseqcChosen& c = GetParam();
  *db = MakeDatabase({.satellites = 1});
  Slot(0).SetDiseqcType(2);  // Switch 1.0, Port D
  Slot(0).SetDiseqcPort(3);
  page.FillSatelliteList();
  page.RadioGroup3.itemIndex = c.typeItem;
  page.RadioGroup3Click();
  page.RadioGroup4.itemIndex = c.portItem;
  page.SpeedButton1Click();

  EXPECT_EQ(Slot(0).DiseqcType(), c.storedType);
  EXPECT_EQ(Slot(0).DiseqcPort(), c.storedPort);
}

INSTANTIATE_TEST_SUITE_P(SatellitePage, SatelliteDiseqcChosen,
                         ::testing::Values(DiseqcChosen{3, 2, 3, 2}, DiseqcChosen{1, 1, 1, 1},
                                           DiseqcChosen{2, 1, 2, 1}, DiseqcChosen{4, 3, 4, 0},
                                           DiseqcChosen{5, 2, 5, 0}, DiseqcChosen{0, 1, 0, 0},
                                           DiseqcChosen{-1, 1, 2, 3}));

TEST_F(SatellitePageTest, TheChosenOrientationEndsTheRowsPositionText) {
  Open(2);  // slot 0 East, slot 1 West
  const std::vector<std::tuple<int, int, unsigned, char>> cases{{1, 0, kOrientationWest, 'W'},
                                                                {2, 1, kOrientationEast, 'E'}};
  for (const auto& [row, item, stored, letter] : cases) {
    SCOPED_TRACE(row);
    Select(row);
    page.RadioGroup1.itemIndex = item;
    page.SpeedButton1Click();
    EXPECT_EQ(Slot(row - 1).Orientation(), stored);
    EXPECT_EQ(page.SatGrid.Cell(2, row).back(), letter);
  }
}

TEST_F(SatellitePageTest, ApplyWritesThePanelAndKeepsEveryByteItDoesNotShow) {
  *db = MakeDatabase({.satellites = 3});
  for (std::size_t i = 26; i < 35; ++i) Slot(0).Bytes[i] = static_cast<std::uint8_t>(0x40 + i);
  for (std::size_t i = 37; i < 40; ++i) Slot(0).Bytes[i] = static_cast<std::uint8_t>(0x80 + i);
  Slot(0).Bytes[35] |= 0xF2;  // kept LNB flag bits 1 and 4-7, beside InUse
  const TConfigBlock before = db->Config;
  page.FillSatelliteList();
  EditEverything(page);
  page.SpeedButton1Click();

  const TSatellite& s = Slot(0);
  EXPECT_EQ(s.Name(), "Edited");
  EXPECT_EQ(s.Position(), 777);
  EXPECT_EQ(s.Orientation(), kOrientationWest);
  EXPECT_EQ(s.LnbType(), kLnbUser);
  EXPECT_EQ(s.LnbLowFreq(), 1000);
  EXPECT_EQ(s.LnbHighFreq(), 2000);
  EXPECT_EQ(s.DiseqcType(), 1u);
  EXPECT_EQ(s.DiseqcPort(), 1u);
  EXPECT_EQ(page.SatGrid.Cell(1, 1), "Edited");
  EXPECT_EQ(page.SatGrid.Cell(2, 1), "77.7  W");

  const TSatellite& old = before.Satellites[0];
  for (std::size_t i = 26; i < 35; ++i) EXPECT_EQ(s.Bytes[i], old.Bytes[i]) << i;
  for (std::size_t i = 37; i < 40; ++i) EXPECT_EQ(s.Bytes[i], old.Bytes[i]) << i;
  EXPECT_EQ(s.Bytes[35] & ~0x0C, old.Bytes[35] & ~0x0C);
  TConfigBlock othersUnchanged = before;
  othersUnchanged.Satellites[0] = s;
  EXPECT_EQ(db->Config, othersUnchanged);
}

TEST_F(SatellitePageTest, ALongNameIsCutToNineteenCharactersInsideItsField) {
  Open(1);
  const TSatellite before = Slot(0);
  page.Edit1.text = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
  page.SpeedButton1Click();

  EXPECT_EQ(Slot(0).Name(), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(Slot(0).Bytes[19], 0);
  for (std::size_t i = 20; i < TSatellite::kSize; ++i)
    EXPECT_EQ(Slot(0).Bytes[i], before.Bytes[i]) << i;
  EXPECT_EQ(page.SatGrid.Cell(1, 1), "ABCDEFGHIJKLMNOPQRS");
}

// --- Dropping unapplied edits ---

TEST_F(SatellitePageTest, CancelShowsTheStoredRecordAgain) {
  Open(3);
  Select(2);
  const auto shown = Panel(page);
  const TConfigBlock before = db->Config;
  EditEverything(page);
  page.SpeedButton2Click();
  EXPECT_EQ(Panel(page), shown);
  EXPECT_TRUE(db->Config == before);
}

TEST_F(SatellitePageTest, EveryGridEventDropsUnappliedEdits) {
  const std::vector<std::pair<const char*, std::function<void(SatellitePage&)>>> events{
      {"wheel", [](SatellitePage& p) { p.SatGridMouseWheelDown(); }},
      {"up", [](SatellitePage& p) { p.SatGridKeyDown(kKeyUp); }},
      {"down", [](SatellitePage& p) { p.SatGridKeyDown(kKeyDown); }},
      {"paint", [](SatellitePage& p) { p.SatGridDrawCell(); }},
      {"select", [](SatellitePage& p) { EXPECT_TRUE(p.SatGridSelectCell(1, 3)); }}};
  Open(3);
  Select(2);
  const auto shown = Panel(page);
  const TConfigBlock before = db->Config;
  for (const auto& [name, event] : events) {
    SCOPED_TRACE(name);
    EditEverything(page);
    event(page);
    EXPECT_EQ(Panel(page), shown);
  }
  EditEverything(page);
  page.SatGridKeyDown(13);  // any other key leaves the panel alone
  EXPECT_EQ(page.Edit1.text, "Edited");
  EXPECT_TRUE(db->Config == before);
}

// --- Add satellite ---

TEST_F(SatellitePageTest, AddCopiesTheSatelliteSelectedBeforeIntoTheNextSlot) {
  *db = MakeDatabase({.satellites = 3});
  TSatellite& model = Slot(1);
  model.SetName("Astra");
  model.SetPosition(192);
  model.SetOrientation(kOrientationEast);
  model.SetLnbType(kLnbUser);
  model.SetLnbLowFreq(9000);
  model.SetLnbHighFreq(10000);
  model.SetDiseqcType(1);
  model.SetDiseqcPort(1);
  for (std::size_t i = 26; i < 35; ++i) Slot(3).Bytes[i] = static_cast<std::uint8_t>(i);
  Slot(3).Bytes[35] = 0xF2;
  Slot(3).Bytes[39] = 0x77;
  const TSatellite modelBefore = model;
  TSatellite expected = Slot(3);
  expected.SetInUse(true);
  expected.SetName("Astra");
  expected.SetPosition(192);
  expected.SetOrientation(kOrientationEast);
  expected.SetLnbType(kLnbUser);
  expected.SetLnbLowFreq(9000);
  expected.SetLnbHighFreq(10000);
  expected.SetDiseqcType(1);
  expected.SetDiseqcPort(1);
  page.FillSatelliteList();
  Select(2);
  EditEverything(page);  // lost: neither satellite receives these

  page.SpeedButton3Click();

  EXPECT_EQ(Slot(3), expected);
  EXPECT_EQ(Slot(1), modelBefore);
  EXPECT_EQ(page.satelliteCount, 4);
  ASSERT_EQ(page.SatGrid.RowCount(), 5);
  EXPECT_EQ(page.SatGrid.row, 4);
  EXPECT_EQ(page.SatGrid.Cell(0, 4), "4");
  EXPECT_EQ(page.SatGrid.Cell(1, 4), "Astra");
  EXPECT_EQ(page.SatGrid.Cell(2, 4), "19.2  E");
  EXPECT_EQ(page.Edit1.text, "Astra");
  EXPECT_TRUE(page.SpeedButton3.enabled);
}

TEST_F(SatellitePageTest, InsertFillsTheLastSlotThenDoesNothing) {
  Open(79);
  page.SatGridKeyDown(kKeyInsert);
  EXPECT_EQ(page.satelliteCount, 80);
  ASSERT_EQ(page.SatGrid.RowCount(), 81);
  EXPECT_EQ(page.SatGrid.row, 80);
  EXPECT_EQ(page.SatGrid.Cell(0, 80), "80");
  EXPECT_TRUE(Slot(79).InUse());
  EXPECT_FALSE(page.SpeedButton3.enabled);

  const TConfigBlock before = db->Config;
  page.SatGridKeyDown(kKeyInsert);
  EXPECT_EQ(page.satelliteCount, 80);
  EXPECT_EQ(page.SatGrid.RowCount(), 81);
  EXPECT_TRUE(db->Config == before);
  EXPECT_EQ(page.AppendSatellite(), -1);
}

}  // namespace
