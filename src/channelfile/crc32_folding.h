#pragma once

#include <cstddef>
#include <cstdint>

// The bulk of a CRC-32 by carry-less multiplication, where the processor has it: folds the data
// 64 bytes at a time, several times faster than any table. It works on the raw register (no
// inversions) and on a length that is a multiple of 16 and at least 64.
bool CarryLessCrc32Available();
std::uint32_t CarryLessCrc32(std::uint32_t reg, const std::uint8_t* data, std::size_t length);
