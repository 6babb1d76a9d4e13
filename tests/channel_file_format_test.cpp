#include <gtest/gtest.h>

#include "channelfile/byte_order.h"
#include "channelfile/channel_file_format.h"
#include "channelfile/channel_file_writer.h"
#include "channelfile/crc32.h"
#include "support/channel_file_builder.h"

namespace {

std::uint32_t BigEndianAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return ReadBigEndian32(bytes.data() + at);
}

TEST(ByteOrder, SwapAndReadBigEndian) {
  std::uint8_t bytes[] = {1, 2, 3, 4, 5};
  SwapByteOrder(bytes, 5);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 5),
            (std::vector<std::uint8_t>{5, 4, 3, 2, 1}));
  const std::uint8_t word[] = {0x00, 0x00, 0x1F, 0xAC};
  EXPECT_EQ(ReadBigEndian32(word), 8108u);
}

TEST(ChannelFileWriter, EmptyDatabaseGivesTheSmallestFile) {
  auto db = std::make_unique<ChannelDatabase>();
  const std::vector<std::uint8_t> file = BuildChannelFileImage(*db);
  ASSERT_EQ(file.size(), 8172u);
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 16, file.begin() + 20),
            (std::vector<std::uint8_t>{0x00, 0x00, 0x1F, 0xAC}));
  EXPECT_EQ(BigEndianAt(file, TChannelFile::kTransponderHeaderOffset + 16), 12u);
  EXPECT_EQ(BigEndianAt(file, TChannelFile{}.ServiceHeaderOffset() + 16), 12u);
  EXPECT_EQ(BigEndianAt(file, 60), Crc32(0, file.data() + 64, file.size() - 64));
}

TEST(ChannelFileWriter, LaysOutHeadersSectionsAndChecksums) {
  ChannelDatabase db = MakeDatabase({.satellites = 2, .transponders = 3, .services = 5});
  const std::vector<std::uint8_t> file = BuildChannelFileImage(db);
  const TChannelFile layout{3, 5};
  ASSERT_EQ(file.size(), 8172u + 12 * 3 + 138 * 5);

  const std::string tag(file.begin(), file.begin() + 16);
  EXPECT_EQ(tag, std::string("VORAX_V_VN_ALL\0\0", 16));
  for (std::size_t header :
       {std::size_t{0}, TChannelFile::kTransponderHeaderOffset, layout.ServiceHeaderOffset()}) {
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + header + 48, file.begin() + header + 54),
              std::vector<std::uint8_t>(6, 0xFF));
    EXPECT_EQ(file[header + 35], 0);
  }
  EXPECT_EQ(std::string(file.begin() + 32, file.begin() + 35), "SER");
  EXPECT_EQ(std::string(file.begin() + 8052, file.begin() + 8055), "TSL");
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 8080, file.begin() + 8084),
            (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x44}));
  EXPECT_EQ(BigEndianAt(file, 16), file.size() - 64);
  EXPECT_EQ(BigEndianAt(file, layout.ServiceHeaderOffset() + 16), 12u + 138 * 5);
  EXPECT_EQ(std::string(file.begin() + 64, file.begin() + 68), "-CFG");
  EXPECT_EQ(std::string(file.begin() + 8084, file.begin() + 8088), "-TSL");
  EXPECT_EQ(file[8092], 0x00);  // Format 512, little-endian
  EXPECT_EQ(file[8093], 0x02);

  // The writer puts the signature and checksum into the held configuration block.
  EXPECT_EQ(std::string(db.Config.Signature.begin(), db.Config.Signature.end()), "-CFG");
  EXPECT_EQ(db.Config.Crc(), Crc32(0, file.data() + 72, 7948));

  FileImage image{file};
  image.FixAllCrcs();
  EXPECT_EQ(image.bytes, file);  // every checksum the writer wrote is the right one
}

}  // namespace
