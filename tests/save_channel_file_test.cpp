#include <gtest/gtest.h>

#include "support/open_fixture.h"

namespace {

const std::string kOpened = "/d/list.vcn";
const std::string kSaved = "/d/NEW_list.vcn";

class SaveChannelFileTest : public ChannelFileFixture {
 protected:
  void OpenGoodFile(const DatabaseShape& shape = {}) {
    Put(kOpened, MakeChannelFile(MakeDatabase(shape)));
    ASSERT_FALSE(Open(kOpened).has_value());
    status.texts.clear();
  }
  void ExpectFailure(SaveError error, const std::string& text) {
    EXPECT_EQ(Save(), error);
    EXPECT_EQ(status.texts, (std::vector<std::string>{"Saving....", "Error creating new file."}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (ShownMessage{text, "Error", MessageIcon::Error}));
  }
};

TEST_F(SaveChannelFileTest, WritesNewFileReportsAndReleasesTheOpenedOne) {
  OpenGoodFile();
  EXPECT_FALSE(Save().has_value());
  EXPECT_EQ(status.texts, (std::vector<std::string>{
                              "Saving....", "The New VORN Channel File Successfully Created."}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            (ShownMessage{"NEW_list.vcn Created", "Success", MessageIcon::Information}));
  EXPECT_FALSE(files.IsHeld(kOpened));
  EXPECT_EQ(files.Paths(), (std::set<std::string>{kOpened, kSaved}));  // no temporary left
  // The writer wrote the file the opened one was built by: byte for byte the same.
  EXPECT_EQ(files.files[kSaved], files.files[kOpened]);
}

TEST_F(SaveChannelFileTest, RoundTripsFullFileAndSavedFileReopensQuietly) {
  OpenGoodFile({.satellites = 80, .transponders = 3500, .services = 5000});
  ASSERT_FALSE(Save().has_value());
  const std::vector<std::uint8_t> first = files.files[kSaved];
  EXPECT_EQ(first, files.files[kOpened]);

  messages.shown.clear();
  status.texts.clear();
  ASSERT_FALSE(Open(kSaved).has_value());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(status.Last(), "Service DataBase CRC : OK");
  ASSERT_FALSE(Save().has_value());  // writes NEW_NEW_list.vcn
  EXPECT_EQ(files.files["/d/NEW_NEW_list.vcn"], first);
}

TEST_F(SaveChannelFileTest, SavingTwiceReplacesTheFirstWithTheSame) {
  OpenGoodFile();
  ASSERT_FALSE(Save().has_value());
  const auto first = files.files[kSaved];
  ASSERT_FALSE(Save().has_value());
  EXPECT_EQ(files.files[kSaved], first);
}

TEST_F(SaveChannelFileTest, EmptyDatabaseSavesTheSmallestFile) {
  OpenGoodFile({.satellites = 0, .transponders = 0, .services = 0});
  ASSERT_FALSE(Save().has_value());
  EXPECT_EQ(files.files[kSaved].size(), 8172u);
}

TEST_F(SaveChannelFileTest, BeforeAnyOpenThereIsNothingToCreate) {
  ExpectFailure(SaveError::CannotCreate, "Level[9] : Couldn't create New VCN File.");
  EXPECT_TRUE(files.files.empty());
}

// Each fault leaves the earlier NEW_ file as it was, leaves no temporary behind, keeps the opened
// file held, and never reports success.
struct SaveFault {
  const char* name;
  std::function<void(FakeFileSystem&)> inject;
  SaveError error;
  std::string text;
};

void PrintTo(const SaveFault& f, std::ostream* os) {
  *os << f.name;
}

class SaveFaults : public SaveChannelFileTest, public ::testing::WithParamInterface<SaveFault> {};

TEST_P(SaveFaults, KeepTheEarlierFileAndTheHold) {
  OpenGoodFile();
  const std::vector<std::uint8_t> earlier = {'o', 'l', 'd'};
  Put(kSaved, earlier);
  GetParam().inject(files);

  ExpectFailure(GetParam().error, GetParam().text);
  EXPECT_EQ(files.files[kSaved], earlier);
  EXPECT_EQ(files.Paths(), (std::set<std::string>{kOpened, kSaved}));
  EXPECT_TRUE(files.IsHeld(kOpened));
}

const SaveFault kSaveFaults[] = {
    {"FailedWrite", [](FakeFileSystem& fs) { fs.failWrite = true; }, SaveError::CannotCreate,
     "Level[9] : Couldn't create New VCN File."},
    {"NoSpace", [](FakeFileSystem& fs) { fs.spaceLeft = 8000; }, SaveError::CannotCreate,
     "Level[9] : Couldn't create New VCN File."},
    {"FailedRename", [](FakeFileSystem& fs) { fs.failReplace = true; }, SaveError::CannotReplace,
     "Level[8] : Couldn't create New VCN File."},
};

INSTANTIATE_TEST_SUITE_P(Injected, SaveFaults, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveChannelFileTest, AfterAFailedSaveTheNextOneSucceeds) {
  OpenGoodFile();
  files.failWrite = true;
  ASSERT_TRUE(Save().has_value());
  files.failWrite = false;
  messages.shown.clear();
  EXPECT_FALSE(Save().has_value());
  EXPECT_EQ(files.files[kSaved], files.files[kOpened]);
}

TEST_F(SaveChannelFileTest, KeepsEveryByteOfTheConfigurationAndRecords) {
  ChannelDatabase source = MakeDatabase({.satellites = 5, .transponders = 7, .services = 9});
  source.Config.Satellites[2].Bytes[37] = 0x5A;  // reserved
  source.Services[4].Bytes[136] = 0xFC;          // kept flag bits
  source.Transponders[6].Bytes[10] = 0xC7;       // kept bits of TpFlags
  Put(kOpened, MakeChannelFile(source));
  ASSERT_FALSE(Open(kOpened).has_value());
  ASSERT_FALSE(Save().has_value());
  ASSERT_FALSE(Open(kSaved).has_value());
  EXPECT_EQ(db->Config.SettingsHead, source.Config.SettingsHead);
  EXPECT_EQ(db->Config.SettingsTail, source.Config.SettingsTail);
  EXPECT_EQ(db->Config.Satellites[2].Bytes[37], 0x5A);
  EXPECT_EQ(db->Services[4].Bytes[136], 0xFC);
  EXPECT_EQ(db->Transponders[6].Bytes[10], 0xC7);
}

}  // namespace
