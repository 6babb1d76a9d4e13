#pragma once

#include <string>

#include "database/channel_database.h"

// How many of the satellite slots are in use; every slot counts, even one behind a gap.
int CountSatellites(const ChannelDatabase& db);

// "19.2  E": degrees, a point, the tenth, two spaces, then "W", "E" or no letter.
std::string PositionText(const TSatellite& satellite);
