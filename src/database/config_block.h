#pragma once

// The configuration section (7956 bytes), kept byte for byte as read.
//
//    0  Signature[4]     "-CFG"
//    4  Crc[4]           u32 little-endian, CRC-32 of bytes 8 .. 7955
//    8  SettingsHead[32] receiver settings, not interpreted
//   40  Satellites[80]   40 bytes each
// 3240  FavGroups[5]     422 bytes each
// 5350  SettingsTail[2606]

#include <cstddef>

#include "database/fav_group_record.h"
#include "database/satellite_record.h"

constexpr int kSatelliteCapacity = 80;
constexpr int kFavGroupCount = 5;

struct TConfigBlock {
  static constexpr std::size_t kSize = 7956;
  static constexpr std::size_t kCrcRangeBegin = 8;

  std::array<std::uint8_t, 4> Signature{};
  std::array<std::uint8_t, 4> CrcBytes{};
  std::array<std::uint8_t, 32> SettingsHead{};
  std::array<TSatellite, kSatelliteCapacity> Satellites{};
  std::array<TFavGroup, kFavGroupCount> FavGroups{};
  std::array<std::uint8_t, 2606> SettingsTail{};

  std::uint32_t Crc() const {
    return static_cast<std::uint32_t>(CrcBytes[0]) | static_cast<std::uint32_t>(CrcBytes[1]) << 8 |
           static_cast<std::uint32_t>(CrcBytes[2]) << 16 |
           static_cast<std::uint32_t>(CrcBytes[3]) << 24;
  }
  void SetCrc(std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) CrcBytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  friend bool operator==(const TConfigBlock&, const TConfigBlock&) = default;
};

static_assert(sizeof(TConfigBlock) == TConfigBlock::kSize);
static_assert(offsetof(TConfigBlock, CrcBytes) == 4);
static_assert(offsetof(TConfigBlock, SettingsHead) == TConfigBlock::kCrcRangeBegin);
static_assert(offsetof(TConfigBlock, Satellites) == 40);
static_assert(offsetof(TConfigBlock, FavGroups) == 3240);
static_assert(offsetof(TConfigBlock, SettingsTail) == 5350);
