#pragma once

// One favourite group (422 bytes).
//
//   0  Name[20]        text, zero-terminated, at most 19 characters
//  20  Count           u16, members in Entries[0 .. Count-1]
//  22  Entries[200]    s16 each: a member's service Index, -1 in a free slot

#include "database/byte_record.h"

namespace fav_group_layout {
constexpr ByteField Name{0, 20};
constexpr ByteField Count{20, 2};
constexpr ByteField Entries{22, 400};
}  // namespace fav_group_layout

struct TFavGroup : ByteRecord<422> {
  static constexpr int kCapacity = 200;
  static constexpr std::size_t kMaxNameLength = 19;

  std::string Name() const { return GetText(fav_group_layout::Name); }
  void SetName(std::string_view name) {
    SetText(fav_group_layout::Name, name, TextClear::WholeField);
  }
  // The count as stored; a file may hold more than the capacity.
  std::uint16_t StoredCount() const { return GetU16(fav_group_layout::Count); }
  // The count that may be used to index Entries: never past the capacity.
  int Count() const { return std::min<int>(StoredCount(), kCapacity); }
  void SetCount(int v) { SetU16(fav_group_layout::Count, static_cast<std::uint16_t>(v)); }

  std::int16_t Entry(int i) const {
    return static_cast<std::int16_t>(GetU16At(fav_group_layout::Entries.offset + 2 * Slot(i)));
  }
  void SetEntry(int i, std::int16_t v) {
    SetU16At(fav_group_layout::Entries.offset + 2 * Slot(i), static_cast<std::uint16_t>(v));
  }

 private:
  static std::size_t Slot(int i) {
    return static_cast<std::size_t>(std::clamp(i, 0, kCapacity - 1));
  }
};

static_assert(sizeof(TFavGroup) == 422);
static_assert(FieldsTile({fav_group_layout::Name, fav_group_layout::Count,
                          fav_group_layout::Entries},
                         TFavGroup::kSize));
static_assert(fav_group_layout::Entries.size == 2 * TFavGroup::kCapacity);
