#pragma once

#include <cstdint>
#include <vector>

#include "database/channel_database.h"

// The complete channel file for db, every checksum in place. Sets Config's signature and checksum
// first; nothing else in db changes.
std::vector<std::uint8_t> BuildChannelFileImage(ChannelDatabase& db);
