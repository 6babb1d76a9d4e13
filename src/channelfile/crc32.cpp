#include "channelfile/crc32.h"

#include "channelfile/crc32_folding.h"

#include <array>

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;
constexpr std::size_t kSlices = 16;

using CrcTables = std::array<std::array<std::uint32_t, 256>, kSlices>;

// tables[0] is the classic byte table; tables[k][b] is the register contribution of byte b seen k
// bytes before the end of a 16-byte block, which lets the loop take 16 bytes per step.
constexpr CrcTables MakeTables() {
  CrcTables tables{};
  for (std::uint32_t b = 0; b < 256; ++b) {
    std::uint32_t r = b;
    for (int bit = 0; bit < 8; ++bit) r = (r >> 1) ^ ((r & 1u) ? kPolynomial : 0u);
    tables[0][b] = r;
  }
  for (std::size_t k = 1; k < kSlices; ++k) {
    for (std::size_t b = 0; b < 256; ++b) {
      const std::uint32_t prev = tables[k - 1][b];
      tables[k][b] = (prev >> 8) ^ tables[0][prev & 0xFFu];
    }
  }
  return tables;
}

constexpr CrcTables kTables = MakeTables();

std::uint32_t LoadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

std::uint32_t Crc32(std::uint32_t previous, const std::uint8_t* data, std::size_t length) {
  std::uint32_t crc = ~previous;
  static const bool kCarryLess = CarryLessCrc32Available();
  if (kCarryLess && length >= 64) {
    const std::size_t bulk = length & ~std::size_t{15};
    crc = CarryLessCrc32(crc, data, bulk);
    data += bulk;
    length -= bulk;
  }
  const auto& t = kTables;
  while (length >= kSlices) {
    const std::uint32_t w0 = LoadLe32(data) ^ crc;
    const std::uint32_t w1 = LoadLe32(data + 4);
    const std::uint32_t w2 = LoadLe32(data + 8);
    const std::uint32_t w3 = LoadLe32(data + 12);
    crc = t[15][w0 & 0xFF] ^ t[14][(w0 >> 8) & 0xFF] ^ t[13][(w0 >> 16) & 0xFF] ^ t[12][w0 >> 24] ^
          t[11][w1 & 0xFF] ^ t[10][(w1 >> 8) & 0xFF] ^ t[9][(w1 >> 16) & 0xFF] ^ t[8][w1 >> 24] ^
          t[7][w2 & 0xFF] ^ t[6][(w2 >> 8) & 0xFF] ^ t[5][(w2 >> 16) & 0xFF] ^ t[4][w2 >> 24] ^
          t[3][w3 & 0xFF] ^ t[2][(w3 >> 8) & 0xFF] ^ t[1][(w3 >> 16) & 0xFF] ^ t[0][w3 >> 24];
    data += kSlices;
    length -= kSlices;
  }
  while (length-- > 0) crc = t[0][(crc ^ *data++) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}
