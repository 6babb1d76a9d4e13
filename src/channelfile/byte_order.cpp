#include "channelfile/byte_order.h"

#include <utility>

void SwapByteOrder(std::uint8_t* buffer, std::size_t length) {
  for (std::size_t i = 0; i < length / 2; ++i) std::swap(buffer[i], buffer[length - 1 - i]);
}

std::uint32_t ReadBigEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

void WriteBigEndian32(std::uint8_t* bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  SwapByteOrder(bytes, 4);
}
