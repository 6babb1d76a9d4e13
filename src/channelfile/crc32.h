#pragma once

#include <cstddef>
#include <cstdint>

// Standard CRC-32 (reflected polynomial 0xEDB88320, initial value and final XOR 0xFFFFFFFF).
// Pass 0 as previous for a fresh checksum, or an earlier result to continue it.
std::uint32_t Crc32(std::uint32_t previous, const std::uint8_t* data, std::size_t length);
