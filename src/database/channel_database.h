#pragma once

// The receiver's whole tuning database as the editor holds it: fixed capacities, all zero at start.

#include <cstdint>
#include <optional>

#include "database/config_block.h"
#include "database/service_record.h"
#include "database/transponder_record.h"

constexpr int kTransponderCapacity = 3500;
constexpr int kServiceCapacity = 5000;

struct ChannelDatabase {
  TConfigBlock Config{};
  std::array<TTransponder, kTransponderCapacity> Transponders{};
  std::uint16_t TransponderCount = 0;
  std::array<TService, kServiceCapacity> Services{};
  std::uint16_t ServiceCount = 0;

  friend bool operator==(const ChannelDatabase&, const ChannelDatabase&) = default;
};

// Lookups for indexes that come from a file and may point nowhere: a TpIndex of 0xFFFF or past the
// transponders in use, a SatIndex past the satellite table.
std::optional<TTransponder> FindTransponder(const ChannelDatabase& db, std::uint16_t tpIndex);
std::optional<TSatellite> FindSatellite(const ChannelDatabase& db, std::uint8_t satIndex);

// Service list upkeep.
void ClearServices(ChannelDatabase& db);
void RemoveService(ChannelDatabase& db, int slot);

// Drops transponders whose SatIndex is 0xFF and renumbers every service's TpIndex.
void CompactTransponders(ChannelDatabase& db);
