#include "database/fav_groups.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::int16_t kFreeEntry = -1;

bool EntryMatches(std::int16_t entry, int index) {
  return entry >= 0 && entry == index;
}

// Position of the first entry of the group that matches index, or -1.
int FindEntry(const TFavGroup& group, int index) {
  for (int i = 0; i < group.Count(); ++i) {
    if (EntryMatches(group.Entry(i), index)) return i;
  }
  return -1;
}

TFavGroup* Group(ChannelDatabase& db, int group) {
  if (group < 0 || group >= kFavGroupCount) return nullptr;
  return &db.Config.FavGroups[static_cast<std::size_t>(group)];
}

void ClearEntries(TFavGroup& group) {
  for (int i = 0; i < TFavGroup::kCapacity; ++i) group.SetEntry(i, kFreeEntry);
  group.SetCount(0);
}

// Writes members to the front of the group and -1 to every other slot.
void StoreMembers(TFavGroup& group, const std::vector<std::int16_t>& members) {
  ClearEntries(group);
  for (std::size_t i = 0; i < members.size(); ++i) group.SetEntry(static_cast<int>(i), members[i]);
  group.SetCount(static_cast<int>(members.size()));
}

std::vector<std::int16_t> Members(const TFavGroup& group) {
  std::vector<std::int16_t> members;
  for (int i = 0; i < group.Count(); ++i) members.push_back(group.Entry(i));
  return members;
}

}  // namespace

bool IsInFavGroup(const ChannelDatabase& db, int index, int group) {
  if (group < 0 || group >= kFavGroupCount) return false;
  return FindEntry(db.Config.FavGroups[static_cast<std::size_t>(group)], index) >= 0;
}

bool AddToFavGroup(ChannelDatabase& db, int index, int group) {
  TFavGroup* g = Group(db, group);
  if (g == nullptr || g->Count() >= TFavGroup::kCapacity) return false;
  const int count = g->Count();
  g->SetEntry(count, static_cast<std::int16_t>(index));
  g->SetCount(count + 1);
  return true;
}

void RemoveFromFavGroup(ChannelDatabase& db, int index, int group) {
  TFavGroup* g = Group(db, group);
  if (g == nullptr) return;
  const int at = FindEntry(*g, index);
  if (at < 0) return;
  std::vector<std::int16_t> members = Members(*g);
  members.erase(members.begin() + at);
  StoreMembers(*g, members);
}

void ClearFavGroup(ChannelDatabase& db, int group) {
  if (TFavGroup* g = Group(db, group)) ClearEntries(*g);
}

void MoveFavEntry(ChannelDatabase& db, int from, int to, int group) {
  TFavGroup* g = Group(db, group);
  if (g == nullptr || from == to) return;
  const int count = g->Count();
  if (from < 0 || from >= count || to < 0 || to >= count) return;
  std::vector<std::int16_t> members = Members(*g);
  const auto first = members.begin();
  if (from > to) {
    std::rotate(first + to, first + from, first + from + 1);
  } else {
    std::rotate(first + from, first + from + 1, first + to + 1);
  }
  StoreMembers(*g, members);
}

void ReconcileFavourites(ChannelDatabase& db) {
  // The lowest slot holding each non-negative Index, so that duplicates in a file resolve to the
  // lower slot, as a front-to-back search would.
  std::vector<std::int16_t> slotOfIndex(32768, kFreeEntry);
  for (int slot = db.ServiceCount - 1; slot >= 0; --slot) {
    const std::int16_t index = db.Services[static_cast<std::size_t>(slot)].Index();
    if (index >= 0) slotOfIndex[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(slot);
  }
  for (TFavGroup& group : db.Config.FavGroups) {
    std::vector<std::int16_t> members;
    for (std::int16_t entry : Members(group)) {
      const std::int16_t slot =
          entry >= 0 ? slotOfIndex[static_cast<std::size_t>(entry)] : kFreeEntry;
      if (slot != kFreeEntry) members.push_back(slot);
    }
    StoreMembers(group, members);
  }
  for (int slot = 0; slot < db.ServiceCount; ++slot) {
    db.Services[static_cast<std::size_t>(slot)].SetIndex(static_cast<std::int16_t>(slot));
  }
}
