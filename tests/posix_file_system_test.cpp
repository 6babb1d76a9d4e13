#include "channelfile/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("vcn-fs-test-" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Path(const std::string& name) const { return (folder / name).string(); }
  std::string Folder() const { return folder.string() + "/"; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  fs::path folder;
  PosixFileSystem files{PosixFileSystem::Durability::NoSync};
};

TEST_F(PosixFileSystemTest, HeldFileIsLockedUntilReleased) {
  Write("list.vcn", "0123456789");
  auto held = files.OpenHeld(Path("list.vcn"));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(files.OpenHeld(Path("list.vcn")), nullptr);
  EXPECT_EQ(held->Size(), 10u);
  std::array<std::uint8_t, 4> bytes{};
  EXPECT_TRUE(held->ReadAt(6, bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "6789");
  EXPECT_FALSE(held->ReadAt(7, bytes));  // past the end
  held.reset();
  EXPECT_NE(files.OpenHeld(Path("list.vcn")), nullptr);
}

TEST_F(PosixFileSystemTest, RefusesWhatCannotBeOpenedForWriting) {
  EXPECT_EQ(files.OpenHeld(Path("missing.vcn")), nullptr);
  EXPECT_EQ(files.OpenHeld(Folder()), nullptr);
  EXPECT_EQ(files.OpenHeld(""), nullptr);
  if (::geteuid() == 0) GTEST_SKIP() << "root opens read-only files for writing";
  Write("ro.vcn", "x");
  fs::permissions(Path("ro.vcn"), fs::perms::owner_read);
  EXPECT_EQ(files.OpenHeld(Path("ro.vcn")), nullptr);
}

TEST_F(PosixFileSystemTest, TemporaryThenReplaceSwapsTheFileWhole) {
  Write("NEW_list.vcn", "old");
  const std::vector<std::uint8_t> bytes = {'n', 'e', 'w', '!'};
  const auto temporary = files.WriteTemporary(Folder(), bytes);
  ASSERT_TRUE(temporary.has_value());
  EXPECT_EQ(fs::path(*temporary).parent_path(), folder);
  EXPECT_TRUE(files.Replace(*temporary, Path("NEW_list.vcn")));
  std::ifstream in(Path("NEW_list.vcn"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new!");
  EXPECT_FALSE(files.Exists(*temporary));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PosixFileSystemTest, TemporaryInAMissingFolderFails) {
  EXPECT_FALSE(files.WriteTemporary(Folder() + "nowhere/", std::vector<std::uint8_t>{1}));
  EXPECT_FALSE(files.Replace(Path("a"), Path("b")));
  EXPECT_FALSE(files.Remove(Path("a")));
}

}  // namespace
