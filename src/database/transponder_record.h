#pragma once

// One transponder (12 bytes).
//
//   0  SatIndex        u8 satellite slot; 0xFF marks a deleted transponder
//   1  Reserved1
//   2  Reserved2       u16
//   4  Frequency       u32 kHz
//   8  SymbolRate      u16 ksym/s
//  10  TpFlags         bits 0-2 Fec, bit 3 Polarity, bits 4-7 kept
//  11  Reserved11

#include "database/byte_record.h"

namespace transponder_layout {
constexpr ByteField SatIndex{0, 1};
constexpr ByteField Reserved1{1, 1};
constexpr ByteField Reserved2{2, 2};
constexpr ByteField Frequency{4, 4};
constexpr ByteField SymbolRate{8, 2};
constexpr ByteField TpFlags{10, 1};
constexpr ByteField Reserved11{11, 1};
}  // namespace transponder_layout

constexpr std::uint8_t kDeletedSatIndex = 0xFF;

struct TTransponder : ByteRecord<12> {
  std::uint8_t SatIndex() const { return GetU8(transponder_layout::SatIndex); }
  void SetSatIndex(std::uint8_t v) { SetU8(transponder_layout::SatIndex, v); }
  std::uint16_t Reserved2() const { return GetU16(transponder_layout::Reserved2); }
  void SetReserved2(std::uint16_t v) { SetU16(transponder_layout::Reserved2, v); }
  std::uint32_t Frequency() const { return GetU32(transponder_layout::Frequency); }
  void SetFrequency(std::uint32_t v) { SetU32(transponder_layout::Frequency, v); }
  std::uint16_t SymbolRate() const { return GetU16(transponder_layout::SymbolRate); }
  void SetSymbolRate(std::uint16_t v) { SetU16(transponder_layout::SymbolRate, v); }
  unsigned Fec() const { return GetBits(transponder_layout::TpFlags, 0, 3); }
  void SetFec(unsigned v) { SetBits(transponder_layout::TpFlags, 0, 3, v); }
  unsigned Polarity() const { return GetBits(transponder_layout::TpFlags, 3, 1); }
  void SetPolarity(unsigned v) { SetBits(transponder_layout::TpFlags, 3, 1, v); }
  std::uint8_t TpFlags() const { return GetU8(transponder_layout::TpFlags); }
  void SetTpFlags(std::uint8_t v) { SetU8(transponder_layout::TpFlags, v); }
};

static_assert(sizeof(TTransponder) == 12);
static_assert(FieldsTile({transponder_layout::SatIndex, transponder_layout::Reserved1,
                          transponder_layout::Reserved2, transponder_layout::Frequency,
                          transponder_layout::SymbolRate, transponder_layout::TpFlags,
                          transponder_layout::Reserved11},
                         TTransponder::kSize));
