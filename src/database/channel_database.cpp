#include "database/channel_database.h"

#include <algorithm>
#include <memory>

std::optional<TTransponder> FindTransponder(const ChannelDatabase& db, std::uint16_t tpIndex) {
  if (tpIndex >= db.TransponderCount) return std::nullopt;
  return db.Transponders[tpIndex];
}

std::optional<TSatellite> FindSatellite(const ChannelDatabase& db, std::uint8_t satIndex) {
  if (satIndex >= kSatelliteCapacity) return std::nullopt;
  return db.Config.Satellites[satIndex];
}

namespace {

TService FreeServiceSlot() {
  TService free;
  free.SetIndex(-1);
  return free;
}

}  // namespace

void ClearServices(ChannelDatabase& db) {
  db.Services.fill(FreeServiceSlot());
  db.ServiceCount = 0;
}

void RemoveService(ChannelDatabase& db, int slot) {
  if (slot < 0 || slot >= db.ServiceCount) return;
  if (db.ServiceCount == 1) {
    ClearServices(db);
    return;
  }
  auto first = db.Services.begin();
  std::copy(first + slot + 1, first + db.ServiceCount, first + slot);
  db.Services[db.ServiceCount - 1] = FreeServiceSlot();
  --db.ServiceCount;
}

void CompactTransponders(ChannelDatabase& db) {
  TTransponder freeSlot;
  freeSlot.Bytes.fill(0xFF);
  auto kept = std::make_unique<std::array<TTransponder, kTransponderCapacity>>();
  kept->fill(freeSlot);
  std::array<std::uint16_t, kTransponderCapacity> newSlot;
  newSlot.fill(kNoTransponder);

  const int count = std::min<int>(db.TransponderCount, kTransponderCapacity);
  std::uint16_t next = 0;
  for (int i = 0; i < count; ++i) {
    if (db.Transponders[i].SatIndex() == kDeletedSatIndex) continue;
    (*kept)[next] = db.Transponders[i];
    newSlot[i] = next++;
  }
  db.TransponderCount = next;
  db.Transponders = *kept;

  for (int s = 0; s < db.ServiceCount; ++s) {
    TService& service = db.Services[s];
    const std::uint16_t old = service.TpIndex();
    service.SetTpIndex(old < count ? newSlot[old] : kNoTransponder);
  }
}
