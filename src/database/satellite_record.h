#pragma once

// One slot of the satellite table (40 bytes).
//
//   0  Name[20]        text, zero-terminated, at most 19 characters
//  20  LnbLowFreq      u16 MHz
//  22  LnbHighFreq     u16 MHz
//  24  Position        u16 tenths of a degree
//  26  Reserved26[9]
//  35  LnbFlags        bit 0 InUse, bits 2-3 LnbType, the rest kept
//  36  DiseqcFlags     bits 0-3 DiseqcType, bits 4-5 DiseqcPort, bits 6-7 Orientation
//  37  Reserved37[3]

#include "database/byte_record.h"

namespace satellite_layout {
constexpr ByteField Name{0, 20};
constexpr ByteField LnbLowFreq{20, 2};
constexpr ByteField LnbHighFreq{22, 2};
constexpr ByteField Position{24, 2};
constexpr ByteField Reserved26{26, 9};
constexpr ByteField LnbFlags{35, 1};
constexpr ByteField DiseqcFlags{36, 1};
constexpr ByteField Reserved37{37, 3};
}  // namespace satellite_layout

enum LnbTypeCode : unsigned { kLnbUniversal = 0, kLnbNormal = 1, kLnbUser = 2 };
enum OrientationCode : unsigned { kOrientationWest = 1, kOrientationEast = 2 };

struct TSatellite : ByteRecord<40> {
  static constexpr std::size_t kMaxNameLength = 19;

  std::string Name() const { return GetText(satellite_layout::Name); }
  void SetName(std::string_view name) {
    SetText(satellite_layout::Name, name, TextClear::WholeField);
  }
  std::uint16_t LnbLowFreq() const { return GetU16(satellite_layout::LnbLowFreq); }
  void SetLnbLowFreq(std::uint16_t v) { SetU16(satellite_layout::LnbLowFreq, v); }
  std::uint16_t LnbHighFreq() const { return GetU16(satellite_layout::LnbHighFreq); }
  void SetLnbHighFreq(std::uint16_t v) { SetU16(satellite_layout::LnbHighFreq, v); }
  std::uint16_t Position() const { return GetU16(satellite_layout::Position); }
  void SetPosition(std::uint16_t v) { SetU16(satellite_layout::Position, v); }

  bool InUse() const { return GetBits(satellite_layout::LnbFlags, 0, 1) != 0; }
  void SetInUse(bool v) { SetBits(satellite_layout::LnbFlags, 0, 1, v ? 1 : 0); }
  unsigned LnbType() const { return GetBits(satellite_layout::LnbFlags, 2, 2); }
  void SetLnbType(unsigned v) { SetBits(satellite_layout::LnbFlags, 2, 2, v); }

  unsigned DiseqcType() const { return GetBits(satellite_layout::DiseqcFlags, 0, 4); }
  void SetDiseqcType(unsigned v) { SetBits(satellite_layout::DiseqcFlags, 0, 4, v); }
  unsigned DiseqcPort() const { return GetBits(satellite_layout::DiseqcFlags, 4, 2); }
  void SetDiseqcPort(unsigned v) { SetBits(satellite_layout::DiseqcFlags, 4, 2, v); }
  unsigned Orientation() const { return GetBits(satellite_layout::DiseqcFlags, 6, 2); }
  void SetOrientation(unsigned v) { SetBits(satellite_layout::DiseqcFlags, 6, 2, v); }
};

static_assert(sizeof(TSatellite) == 40);
static_assert(FieldsTile({satellite_layout::Name, satellite_layout::LnbLowFreq,
                          satellite_layout::LnbHighFreq, satellite_layout::Position,
                          satellite_layout::Reserved26, satellite_layout::LnbFlags,
                          satellite_layout::DiseqcFlags, satellite_layout::Reserved37},
                         TSatellite::kSize));
