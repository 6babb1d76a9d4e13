#pragma once

// The five favourite groups and their link to the service list. Between two reconciliations the
// entries hold service Index values; ReconcileFavourites turns them back into slot numbers.

#include "database/channel_database.h"

bool IsInFavGroup(const ChannelDatabase& db, int index, int group);
// Refuses (returns false) a member for a full group; does not check for duplicates.
bool AddToFavGroup(ChannelDatabase& db, int index, int group);
void RemoveFromFavGroup(ChannelDatabase& db, int index, int group);
void ClearFavGroup(ChannelDatabase& db, int group);
void MoveFavEntry(ChannelDatabase& db, int from, int to, int group);

// Maps every group entry onto the service holding that Index, drops entries that match none,
// then renumbers every service's Index to its slot.
void ReconcileFavourites(ChannelDatabase& db);
