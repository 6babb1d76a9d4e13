#pragma once

#include <array>
#include <cstdint>

constexpr std::uint8_t kNoSatellite = 255;

// What the channel page shows: which kind of service, from which satellite, in which order, and
// the additional choice (a CA system, provider or language; empty for all).
struct ChannelFilter {
  enum Kind { kTv = 1, kRadio = 2 };
  enum SortMode { ListOrder = 0 };

  int kind = kTv;
  bool satelliteChosen = false;
  std::uint8_t satellite = kNoSatellite;
  int sortMode = ListOrder;
  std::array<std::uint8_t, 20> additionalChoice{};
};

// Every successful open starts the channel page afresh: TV, no satellite, list order, all.
inline void ResetChannelView(ChannelFilter& filter) {
  filter = ChannelFilter{};
}
