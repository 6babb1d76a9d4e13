#include "channelfile/crc32.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::uint32_t CrcOf(std::string_view text) {
  return Crc32(0, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

TEST(Crc32, MatchesTheStandardCheckValues) {
  EXPECT_EQ(CrcOf(""), 0u);
  EXPECT_EQ(CrcOf("123456789"), 0xCBF43926u);
  EXPECT_EQ(CrcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Crc32, ContinuesFromAPreviousValueAtAnySplit) {
  std::vector<std::uint8_t> data(1000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const std::uint32_t whole = Crc32(0, data.data(), data.size());
  for (std::size_t split : {0, 1, 15, 16, 17, 333, 999, 1000}) {
    const std::uint32_t head = Crc32(0, data.data(), split);
    EXPECT_EQ(Crc32(head, data.data() + split, data.size() - split), whole) << split;
  }
}

}  // namespace
