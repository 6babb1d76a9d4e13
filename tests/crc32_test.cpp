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

// The textbook bit-at-a-time definition, as an independent yardstick for the fast paths.
std::uint32_t BitwiseCrc32(const std::uint8_t* data, std::size_t length) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < length; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
  }
  return ~crc;
}

TEST(Crc32, AgreesWithTheDefinitionForEveryLengthAndAlignment) {
  std::vector<std::uint8_t> data(70000);
  std::uint32_t seed = 12345;
  for (auto& b : data) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
  for (std::size_t offset = 0; offset < 16; ++offset) {
    for (std::size_t length = 0; length <= 300; ++length) {
      ASSERT_EQ(Crc32(0, data.data() + offset, length), BitwiseCrc32(data.data() + offset, length))
          << offset << " " << length;
    }
  }
  EXPECT_EQ(Crc32(0, data.data() + 3, data.size() - 3),
            BitwiseCrc32(data.data() + 3, data.size() - 3));
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
