#pragma once

#include <cstddef>
#include <cstdint>

// Reverses length bytes in place: how the host's little-endian value becomes a big-endian field.
void SwapByteOrder(std::uint8_t* buffer, std::size_t length);

// b0 is the most significant byte.
std::uint32_t ReadBigEndian32(const std::uint8_t* bytes);

// Stores value big-endian into four bytes.
void WriteBigEndian32(std::uint8_t* bytes, std::uint32_t value);
