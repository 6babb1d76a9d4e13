#include "satellites/satellite_texts.h"

#include <algorithm>

int CountSatellites(const ChannelDatabase& db) {
  const auto& slots = db.Config.Satellites;
  return static_cast<int>(
      std::count_if(slots.begin(), slots.end(), [](const TSatellite& s) { return s.InUse(); }));
}

std::string PositionText(const TSatellite& satellite) {
  const unsigned position = satellite.Position();
  std::string text = std::to_string(position / 10) + "." + std::to_string(position % 10) + "  ";
  switch (satellite.Orientation()) {
    case kOrientationWest:
      return text + "W";
    case kOrientationEast:
      return text + "E";
    default:
      return text;
  }
}
