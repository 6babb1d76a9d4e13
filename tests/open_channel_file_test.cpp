#include <gtest/gtest.h>

#include <functional>

#include "support/open_fixture.h"

namespace {

const std::vector<std::string> kGoodOpenStatuses = {
    "Config Signature : OK", "Config CRC : OK",          "TP Signature : OK",
    "TP DataBase : OK",      "TP DataBase CRC : OK",     "Service Signature : OK",
    "Service DataBase : OK", "Service DataBase CRC : OK"};

std::vector<std::uint8_t> GoodFile() {
  return MakeChannelFile(MakeDatabase());
}

struct RefusalCase {
  const char* name;
  std::string path;
  std::function<void(FileImage&)> damage;
  std::function<void(FakeFileSystem&, const std::string&)> fault;
  OpenError error;
  std::string text;
  std::string title;
  std::string lastStatus;  // empty: the open wrote no status at all
};

std::size_t ServiceList(const FileImage& f) {
  return f.Layout().ServiceListOffset();
}

const RefusalCase kRefusals[] = {
    {"ExtensionBak",
     "/d/list.vcn.bak",
     {},
     {},
     OpenError::WrongExtension,
     "Error[0] : Wrong File Format.",
     "File Error",
     ""},
    {"NoExtension",
     "/d/list",
     {},
     {},
     OpenError::WrongExtension,
     "Error[0] : Wrong File Format.",
     "File Error",
     ""},
    {"Missing",
     "/d/missing.vcn",
     {},
     {},
     OpenError::CannotOpen,
     "Error[1] : Couldn't open VORN channel file.\n",
     "File Error",
     ""},
    {"ReadOnly",
     "/d/list.vcn",
     {},
     [](FakeFileSystem& fs, const std::string& p) { fs.unopenable.insert(p); },
     OpenError::CannotOpen,
     "Error[1] : Couldn't open VORN channel file.\n",
     "File Error",
     ""},
    {"NotVorn",
     "/d/list.vcn",
     [](FileImage& f) { f.bytes[3] = 'B'; },
     {},
     OpenError::NotVornFile,
     "Error[2] : Wrong file format, Not a VORN File!",
     "File Error",
     ""},
    {"ShorterThanAHeader",
     "/d/list.vcn",
     [](FileImage& f) { f.bytes.resize(40); },
     {},
     OpenError::NotVornFile,
     "Error[2] : Wrong file format, Not a VORN File!",
     "File Error",
     ""},
    {"KindTsl",
     "/d/list.vcn",
     [](FileImage& f) { f.PutText(32, "TSL"); },
     {},
     OpenError::NotChannelFile,
     "Error[3] : Wrong file format, Not a channel File!",
     "File Error",
     ""},
    {"FlippedBit",
     "/d/list.vcn",
     [](FileImage& f) { f.bytes[5000] ^= 0x10; },
     {},
     OpenError::WrongFileCrc,
     "Error[4] : Wrong CRC, The file is corrupted!",
     "CRC Error",
     ""},
    {"ConfigSignature",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutText(64, "-CFX");
       f.FixAllCrcs();
     },
     {},
     OpenError::WrongConfig,
     "Error[5] : Wrong Config file, The file is corrupted!",
     "Config Error",
     "Wrong Config Signature"},
    {"ConfigCrc",
     "/d/list.vcn",
     [](FileImage& f) {
       f.bytes[100] ^= 1;
       f.FixFileCrc();
     },
     {},
     OpenError::WrongConfig,
     "Error[5] : Wrong Config file, The file is corrupted!",
     "Config Error",
     "Wrong Config CRC"},
    {"TpSignature",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutText(8084, "-TSX");
       f.FixFileCrc();
     },
     {},
     OpenError::WrongTransponderList,
     "Error[6] : Wrong transponder list, The file is corrupted!",
     "Tp Error",
     "Wrong TP Signature"},
    {"TpFormat513",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutLe16(8092, 513);
       f.FixAllCrcs();
     },
     {},
     OpenError::WrongTransponderList,
     "Error[6] : Wrong transponder list, The file is corrupted!",
     "Tp Error",
     "Wrong TP DataBase Version"},
    {"TpCrc",
     "/d/list.vcn",
     [](FileImage& f) {
       f.bytes[8100] ^= 1;
       f.FixFileCrc();
     },
     {},
     OpenError::WrongTransponderList,
     "Error[6] : Wrong transponder list, The file is corrupted!",
     "Tp Error",
     "Wrong TP DataBase CRC"},
    {"TpCountPastCapacity",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutLe16(8094, 3501);
       f.bytes.resize(TChannelFile{3501, 0}.FileSize());
       f.FixFileCrc();
     },
     {},
     OpenError::WrongTransponderList,
     "Error[6] : Wrong transponder list, The file is corrupted!",
     "Tp Error",
     "TP DataBase : OK"},
    {"TpRecordsPastFileEnd",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutLe16(8094, 3000);
       f.FixFileCrc();
     },
     {},
     OpenError::WrongTransponderList,
     "Error[6] : Wrong transponder list, The file is corrupted!",
     "Tp Error",
     "TP DataBase : OK"},
    {"ServiceSignature",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutText(ServiceList(f) - 8, "-SEX");
       f.FixFileCrc();
     },
     {},
     OpenError::WrongServiceList,
     "Error[7] : Wrong service List, The file is corrupted!",
     "List Error",
     "Wrong Service Signature"},
    {"ServiceFormatTwo",
     "/d/list.vcn",
     [](FileImage& f) {
       f.bytes[ServiceList(f)] = 0x02;
       f.bytes[ServiceList(f) + 1] = 0x00;
       f.FixAllCrcs();
     },
     {},
     OpenError::WrongServiceList,
     "Error[7] : Wrong service List, The file is corrupted!",
     "List Error",
     "Wrong Service DataBase Version"},
    {"ServiceCrc",
     "/d/list.vcn",
     [](FileImage& f) {
       f.bytes.back() ^= 1;
       f.FixFileCrc();
     },
     {},
     OpenError::WrongServiceList,
     "Error[7] : Wrong service List, The file is corrupted!",
     "List Error",
     "Wrong Service DataBase CRC"},
    {"ServiceCountPastCapacity",
     "/d/list.vcn",
     [](FileImage& f) {
       f.PutLe16(ServiceList(f) + 2, 5001);
       f.bytes.resize(f.Layout().FileSize());
       f.FixFileCrc();
     },
     {},
     OpenError::WrongServiceList,
     "Error[7] : Wrong service List, The file is corrupted!",
     "List Error",
     "Service DataBase : OK"},
    {"ServicesPastFileEnd",
     "/d/list.vcn",
     [](FileImage& f) {
       f.bytes.resize(f.bytes.size() - 1);
       f.FixFileCrc();
     },
     {},
     OpenError::WrongServiceList,
     "Error[7] : Wrong service List, The file is corrupted!",
     "List Error",
     "Service DataBase : OK"},
    {"SizeUnknown",
     "/d/list.vcn",
     {},
     [](FakeFileSystem& fs, const std::string&) { fs.failSizeQuery = true; },
     OpenError::FileProblem,
     "Problem writing to file.",
     "File Error",
     ""},
    {"ReadFails",
     "/d/list.vcn",
     {},
     [](FakeFileSystem& fs, const std::string&) { fs.shortReadAfter = 1000; },
     OpenError::FileProblem,
     "Problem writing to file.",
     "File Error",
     ""},
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class OpenRefusal : public ChannelFileFixture, public ::testing::WithParamInterface<RefusalCase> {};

// Each refusal names its check, shows its numbered message once, and leaves everything as the
// earlier successful open left it: database, paths, and the file held before.
TEST_P(OpenRefusal, ReportsItsCheckAndChangesNothing) {
  const RefusalCase& c = GetParam();
  const std::string earlier = "/e/earlier.vcn";
  Put(earlier, MakeChannelFile(MakeDatabase({.satellites = 1, .transponders = 2, .services = 3})));
  ASSERT_FALSE(Open(earlier).has_value());
  const ChannelDatabase before = *db;
  const FilePaths pathsBefore = session.paths;

  FileImage image{GoodFile()};
  if (c.damage) c.damage(image);
  if (c.path != "/d/missing.vcn") Put(c.path, image.bytes);
  if (c.fault) c.fault(files, c.path);
  status.texts.clear();

  EXPECT_EQ(Open(c.path), c.error);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], (ShownMessage{c.text, c.title, MessageIcon::Error}));
  EXPECT_EQ(status.Last(), c.lastStatus);
  EXPECT_TRUE(*db == before);
  EXPECT_EQ(session.paths.FilePath, pathsBefore.FilePath);
  EXPECT_EQ(session.paths.SavePath, pathsBefore.SavePath);
  EXPECT_TRUE(files.IsHeld(earlier));
  EXPECT_FALSE(files.IsHeld(c.path));
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, OpenRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

class OpenChannelFileTest : public ChannelFileFixture {};

TEST_F(OpenChannelFileTest, GoodFileReportsEveryCheckAndIsHeld) {
  Put("/d/list.VCN", GoodFile());
  EXPECT_FALSE(Open("/d/list.VCN").has_value());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(status.texts, kGoodOpenStatuses);
  EXPECT_EQ(session.paths.FilePath, "/d/list.VCN");
  EXPECT_EQ(session.paths.FileFolder, "/d/");
  EXPECT_EQ(session.paths.FileExtension, ".VCN");
  EXPECT_EQ(session.paths.SavePath, "/d/NEW_list.VCN");
  EXPECT_TRUE(files.IsHeld("/d/list.VCN"));
  EXPECT_EQ(db->ServiceCount, 20);
  EXPECT_EQ(db->Services[7].Name(), "Channel 8");
}

TEST_F(OpenChannelFileTest, OpeningTheHeldFileAgainIsRefusedAndAnotherFileReleasesIt) {
  Put("/d/a.vcn", GoodFile());
  Put("/d/b.vcn", GoodFile());
  ASSERT_FALSE(Open("/d/a.vcn").has_value());
  EXPECT_EQ(Open("/d/a.vcn"), OpenError::CannotOpen);
  EXPECT_TRUE(files.IsHeld("/d/a.vcn"));
  ASSERT_FALSE(Open("/d/b.vcn").has_value());
  EXPECT_FALSE(files.IsHeld("/d/a.vcn"));
  EXPECT_TRUE(files.IsHeld("/d/b.vcn"));
}

TEST_F(OpenChannelFileTest, AcceptsWhatTheReaderNeverLooksAt) {
  FileImage image{GoodFile()};
  image.PutText(5, "ZZZZ");                          // the tag past its fourth byte
  image.PutLe32(16, 0x12345678);                     // DataLength of the file header
  image.PutLe32(8020 + 16, 7);                       // and of a section header
  image.bytes.insert(image.bytes.end(), {1, 2, 3});  // bytes past the last service
  image.FixFileCrc();
  Put("/d/odd.vcn", image.bytes);
  EXPECT_FALSE(Open("/d/odd.vcn").has_value());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenChannelFileTest, RunsTheUpkeepAfterLoading) {
  ChannelDatabase source = MakeDatabase({.satellites = 2, .transponders = 4, .services = 4});
  source.Transponders[1].SetSatIndex(kDeletedSatIndex);
  for (int s = 0; s < 4; ++s) {
    source.Services[static_cast<std::size_t>(s)].SetIndex(static_cast<std::int16_t>(20 + s));
    source.Services[static_cast<std::size_t>(s)].SetTpIndex(static_cast<std::uint16_t>(s));
  }
  TFavGroup& group = source.Config.FavGroups[0];
  group.SetEntry(0, 23);
  group.SetEntry(1, 0);  // matches no service
  group.SetEntry(2, 21);
  group.SetCount(3);
  Put("/d/upkeep.vcn", MakeChannelFile(source));

  ASSERT_FALSE(Open("/d/upkeep.vcn").has_value());
  EXPECT_EQ(db->TransponderCount, 3);
  EXPECT_EQ(db->Services[1].TpIndex(), kNoTransponder);
  EXPECT_EQ(db->Services[3].TpIndex(), 2);
  EXPECT_EQ(db->Services[2].Index(), 2);
  ASSERT_EQ(db->Config.FavGroups[0].Count(), 2);
  EXPECT_EQ(db->Config.FavGroups[0].Entry(0), 3);
  EXPECT_EQ(db->Config.FavGroups[0].Entry(1), 1);
  for (std::uint8_t b : db->Transponders[3].Bytes) EXPECT_EQ(b, 0xFF);
}

TEST_F(OpenChannelFileTest, FullFileOpens) {
  Put("/d/full.vcn",
      MakeChannelFile(MakeDatabase({.satellites = 80, .transponders = 3500, .services = 5000})));
  EXPECT_FALSE(Open("/d/full.vcn").has_value());
  EXPECT_EQ(db->TransponderCount, 3500);
  EXPECT_EQ(db->ServiceCount, 5000);
}

}  // namespace
