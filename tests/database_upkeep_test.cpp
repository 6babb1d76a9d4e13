#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "database/channel_database.h"
#include "database/fav_groups.h"

namespace {

std::unique_ptr<ChannelDatabase> EmptyDatabase() {
  return std::make_unique<ChannelDatabase>();
}

// Services whose Index values are given, one per slot, all on transponder 0.
void SetServices(ChannelDatabase& db, const std::vector<int>& indexes) {
  ClearServices(db);
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    db.Services[i].SetIndex(static_cast<std::int16_t>(indexes[i]));
    db.Services[i].SetName(std::to_string(i));
  }
  db.ServiceCount = static_cast<std::uint16_t>(indexes.size());
}

void SetGroup(ChannelDatabase& db, int g, const std::vector<int>& entries) {
  ClearFavGroup(db, g);
  for (int e : entries) ASSERT_TRUE(AddToFavGroup(db, e, g));
}

std::vector<int> GroupEntries(const ChannelDatabase& db, int g) {
  const TFavGroup& group = db.Config.FavGroups[static_cast<std::size_t>(g)];
  std::vector<int> entries;
  for (int i = 0; i < group.Count(); ++i) entries.push_back(group.Entry(i));
  return entries;
}

bool IsFreeServiceSlot(const TService& s) {
  TService expected;
  expected.SetIndex(-1);
  return s == expected;
}

TEST(ChannelDatabase, StartsEmpty) {
  auto db = EmptyDatabase();
  EXPECT_EQ(db->TransponderCount, 0);
  EXPECT_EQ(db->ServiceCount, 0);
  for (const TSatellite& s : db->Config.Satellites) EXPECT_FALSE(s.InUse());
  for (const TFavGroup& g : db->Config.FavGroups) EXPECT_EQ(g.Count(), 0);
}

TEST(ChannelDatabase, LookupsSayNoneForIndexesThatPointNowhere) {
  auto db = EmptyDatabase();
  db->TransponderCount = 2;
  EXPECT_TRUE(FindTransponder(*db, 1).has_value());
  EXPECT_FALSE(FindTransponder(*db, 2).has_value());
  EXPECT_FALSE(FindTransponder(*db, kNoTransponder).has_value());
  EXPECT_TRUE(FindSatellite(*db, 79).has_value());
  EXPECT_FALSE(FindSatellite(*db, 80).has_value());
  EXPECT_FALSE(FindSatellite(*db, kDeletedSatIndex).has_value());
}

TEST(ServiceList, ClearLeavesEverySlotFree) {
  auto db = EmptyDatabase();
  SetServices(*db, {0, 1, 2});
  ClearServices(*db);
  EXPECT_EQ(db->ServiceCount, 0);
  for (const TService& s : db->Services) ASSERT_TRUE(IsFreeServiceSlot(s));
}

TEST(ServiceList, RemoveMovesFollowersDownAndFreesTheLastSlot) {
  auto db = EmptyDatabase();
  SetServices(*db, {10, 11, 12, 13});
  RemoveService(*db, 1);
  ASSERT_EQ(db->ServiceCount, 3);
  EXPECT_EQ(db->Services[0].Index(), 10);
  EXPECT_EQ(db->Services[1].Index(), 12);
  EXPECT_EQ(db->Services[2].Index(), 13);
  EXPECT_TRUE(IsFreeServiceSlot(db->Services[3]));

  RemoveService(*db, 3);   // past the end: nothing
  RemoveService(*db, -1);  // nothing either
  EXPECT_EQ(db->ServiceCount, 3);
}

TEST(ServiceList, RemovingTheOnlyServiceClearsTheList) {
  auto db = EmptyDatabase();
  SetServices(*db, {4});
  RemoveService(*db, 0);
  EXPECT_EQ(db->ServiceCount, 0);
  for (const TService& s : db->Services) ASSERT_TRUE(IsFreeServiceSlot(s));
}

TEST(CompactTransponders, DropsDeletedOnesAndRenumbersServices) {
  auto db = EmptyDatabase();
  for (int i = 0; i < 10; ++i) {
    db->Transponders[static_cast<std::size_t>(i)].SetSatIndex(i == 3 || i == 7 ? 0xFF : 1);
    db->Transponders[static_cast<std::size_t>(i)].SetFrequency(static_cast<std::uint32_t>(i));
  }
  db->TransponderCount = 10;
  SetServices(*db, {0, 1, 2, 3, 4});
  const std::uint16_t tpIndexes[] = {4, 3, 8, 10, 0xFFFF};
  for (int s = 0; s < 5; ++s) db->Services[static_cast<std::size_t>(s)].SetTpIndex(tpIndexes[s]);

  CompactTransponders(*db);

  ASSERT_EQ(db->TransponderCount, 8);
  EXPECT_EQ(db->Transponders[3].Frequency(), 4u);
  EXPECT_EQ(db->Transponders[6].Frequency(), 8u);
  EXPECT_EQ(db->Services[0].TpIndex(), 3);       // on former slot 4
  EXPECT_EQ(db->Services[1].TpIndex(), 0xFFFF);  // its transponder went
  EXPECT_EQ(db->Services[2].TpIndex(), 6);       // on former slot 8
  EXPECT_EQ(db->Services[3].TpIndex(), 0xFFFF);  // past the old count
  EXPECT_EQ(db->Services[4].TpIndex(), 0xFFFF);
  EXPECT_EQ(db->ServiceCount, 5);  // nobody's service is lost
  for (std::size_t t = 8; t < kTransponderCapacity; ++t) {
    for (std::uint8_t b : db->Transponders[t].Bytes) ASSERT_EQ(b, 0xFF) << t;
  }
}

TEST(CompactTransponders, CopesWithACountPastTheTable) {
  auto db = EmptyDatabase();
  db->TransponderCount = 60000;  // never from a file, but must not read past the table
  SetServices(*db, {0});
  db->Services[0].SetTpIndex(0xFFFE);
  CompactTransponders(*db);
  EXPECT_EQ(db->TransponderCount, kTransponderCapacity);
  EXPECT_EQ(db->Services[0].TpIndex(), 0xFFFF);
}

TEST(FavGroups, AddRefusesAFullGroupAndDoesNotCheckDuplicates) {
  auto db = EmptyDatabase();
  ClearFavGroup(*db, 2);
  for (int i = 0; i < TFavGroup::kCapacity; ++i) ASSERT_TRUE(AddToFavGroup(*db, 7, 2));
  EXPECT_FALSE(AddToFavGroup(*db, 8, 2));
  EXPECT_EQ(db->Config.FavGroups[2].Count(), 200);
  EXPECT_FALSE(AddToFavGroup(*db, 1, 5));  // no such group
}

TEST(FavGroups, MembershipIgnoresFreeAndNegativeEntries) {
  auto db = EmptyDatabase();
  SetGroup(*db, 0, {3, -1, -5});
  EXPECT_TRUE(IsInFavGroup(*db, 3, 0));
  EXPECT_FALSE(IsInFavGroup(*db, -1, 0));
  EXPECT_FALSE(IsInFavGroup(*db, -5, 0));
  EXPECT_FALSE(IsInFavGroup(*db, 4, 0));
  EXPECT_FALSE(IsInFavGroup(*db, 3, 7));
}

TEST(FavGroups, RemoveTakesOutTheFirstMatchOnly) {
  auto db = EmptyDatabase();
  SetGroup(*db, 1, {5, 9, 5});
  RemoveFromFavGroup(*db, 5, 1);
  EXPECT_EQ(GroupEntries(*db, 1), (std::vector<int>{9, 5}));
  EXPECT_EQ(db->Config.FavGroups[1].Entry(2), -1);
  RemoveFromFavGroup(*db, 42, 1);  // not a member: nothing
  EXPECT_EQ(GroupEntries(*db, 1), (std::vector<int>{9, 5}));
}

TEST(FavGroups, RemovingTheOnlyMemberEmptiesTheGroup) {
  auto db = EmptyDatabase();
  SetGroup(*db, 4, {12});
  RemoveFromFavGroup(*db, 12, 4);
  EXPECT_EQ(db->Config.FavGroups[4].Count(), 0);
  for (int i = 0; i < TFavGroup::kCapacity; ++i) ASSERT_EQ(db->Config.FavGroups[4].Entry(i), -1);
}

TEST(FavGroups, MoveEntryInBothDirectionsAndRefusesBadPositions) {
  struct Case {
    int from, to;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {3, 1, {10, 13, 11, 12, 14}}, {0, 4, {11, 12, 13, 14, 10}},  {2, 2, {10, 11, 12, 13, 14}},
      {5, 0, {10, 11, 12, 13, 14}}, {0, -1, {10, 11, 12, 13, 14}},
  };
  for (const Case& c : cases) {
    auto db = EmptyDatabase();
    SetGroup(*db, 3, {10, 11, 12, 13, 14});
    MoveFavEntry(*db, c.from, c.to, 3);
    EXPECT_EQ(GroupEntries(*db, 3), c.expected) << c.from << " -> " << c.to;
  }
}

TEST(ReconcileFavourites, MapsEntriesByIndexAndRenumbers) {
  auto db = EmptyDatabase();
  SetServices(*db, {10, 11, 12, 13, 7, 15, 16, 17, 18, 19});
  SetGroup(*db, 0, {7, 3, 40});
  ReconcileFavourites(*db);
  EXPECT_EQ(GroupEntries(*db, 0), (std::vector<int>{4}));
  for (int i = 1; i < TFavGroup::kCapacity; ++i) ASSERT_EQ(db->Config.FavGroups[0].Entry(i), -1);
  for (int s = 0; s < 10; ++s) EXPECT_EQ(db->Services[static_cast<std::size_t>(s)].Index(), s);
}

TEST(ReconcileFavourites, FollowsServicesThatWereRemovedOrMoved) {
  auto db = EmptyDatabase();
  SetServices(*db, {0, 1, 2, 3, 4, 5});
  SetGroup(*db, 2, {1, 2, 5});
  RemoveService(*db, 2);
  ReconcileFavourites(*db);
  EXPECT_EQ(GroupEntries(*db, 2), (std::vector<int>{1, 4}));

  // Moving slot 0 to slot 3 carries its Index along.
  SetServices(*db, {0, 1, 2, 3});
  SetGroup(*db, 4, {0, 3});
  const TService moved = db->Services[0];
  std::copy(db->Services.begin() + 1, db->Services.begin() + 4, db->Services.begin());
  db->Services[3] = moved;
  ReconcileFavourites(*db);
  EXPECT_EQ(GroupEntries(*db, 4), (std::vector<int>{3, 2}));
}

TEST(ReconcileFavourites, DuplicatesGoToTheLowerSlotAndEmptyListEmptiesGroups) {
  auto db = EmptyDatabase();
  SetServices(*db, {5, 5, 6});
  SetGroup(*db, 0, {5, 6, 5});
  ReconcileFavourites(*db);
  EXPECT_EQ(GroupEntries(*db, 0), (std::vector<int>{0, 2, 0}));

  ClearServices(*db);
  ReconcileFavourites(*db);
  EXPECT_EQ(db->Config.FavGroups[0].Count(), 0);
}

TEST(ReconcileFavourites, CutsAnOverfullGroupToItsCapacity) {
  auto db = EmptyDatabase();
  SetServices(*db, {0, 1});
  TFavGroup& group = db->Config.FavGroups[1];
  for (int i = 0; i < TFavGroup::kCapacity; ++i)
    group.SetEntry(i, static_cast<std::int16_t>(i % 2));
  group.SetCount(900);  // as a damaged file may say
  std::array<std::uint8_t, 2606> tail = db->Config.SettingsTail;
  ReconcileFavourites(*db);
  EXPECT_EQ(group.Count(), 200);
  EXPECT_EQ(group.StoredCount(), 200);
  EXPECT_EQ(db->Config.SettingsTail, tail);
  EXPECT_EQ(db->Config.FavGroups[2].StoredCount(), 0);
}

}  // namespace
