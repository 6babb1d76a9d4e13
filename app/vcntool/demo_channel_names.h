#pragma once

// Made-up channel names for the demo file. A TV channel's genre decides whether it is scrambled,
// locked and which favourite group lists it, so the demo shows every kind of channel.

#include <string>

enum class DemoGenre {
  News,
  Sport,
  Cinema,
  Kids,
  Music,
  Docs,
  Drama,
  Comedy,
  Travel,
  Shopping,
  Weather,
  Classics,
  Family,
  Nature,
  Night,
};

struct DemoTvChannel {
  std::string name;
  DemoGenre genre;
  int brand;  // channels of one brand share it, as "Nova News" and "Nova Sport" do
};

// The n-th TV channel and the n-th radio station. Names repeat only after several hundred TV
// channels and about a hundred radio stations.
DemoTvChannel DemoTvChannelAt(int n);
std::string DemoRadioNameAt(int n);
