#pragma once

// One service, a TV or radio channel (138 bytes).
//
//   0  Index           s16 number within the list, -1 in a free slot; favourites refer to it
//   2  CaSystems[4]    u8 CA system codes, 0 = none
//   6  Provider[21]    text, at most 20 characters
//  27  Reserved27[63]
//  90  Name[31]        text, at most 30 characters
// 121  Language[4]     three letters and a zero byte
// 125  ServiceType     1 TV, 2 radio; anything but 2 counts as TV
// 126  TpIndex         u16 transponder slot, 0xFFFF for none
// 128  ServiceId       u16
// 130  VideoPid        u16
// 132  AudioPid        u16
// 134  PcrPid          u16
// 136  ServiceFlags    bit 0 Locked, bit 1 Scrambled, the rest kept
// 137  Reserved137

#include "database/byte_record.h"

namespace service_layout {
constexpr ByteField Index{0, 2};
constexpr ByteField CaSystems{2, 4};
constexpr ByteField Provider{6, 21};
constexpr ByteField Reserved27{27, 63};
constexpr ByteField Name{90, 31};
constexpr ByteField Language{121, 4};
constexpr ByteField ServiceType{125, 1};
constexpr ByteField TpIndex{126, 2};
constexpr ByteField ServiceId{128, 2};
constexpr ByteField VideoPid{130, 2};
constexpr ByteField AudioPid{132, 2};
constexpr ByteField PcrPid{134, 2};
constexpr ByteField ServiceFlags{136, 1};
constexpr ByteField Reserved137{137, 1};
}  // namespace service_layout

constexpr std::uint16_t kNoTransponder = 0xFFFF;
enum ServiceTypeCode : std::uint8_t { kServiceTv = 1, kServiceRadio = 2 };

struct TService : ByteRecord<138> {
  static constexpr std::size_t kMaxNameLength = 30;
  static constexpr std::size_t kMaxProviderLength = 20;
  static constexpr int kCaSystemCount = 4;

  std::int16_t Index() const { return static_cast<std::int16_t>(GetU16(service_layout::Index)); }
  void SetIndex(std::int16_t v) { SetU16(service_layout::Index, static_cast<std::uint16_t>(v)); }
  std::uint8_t CaSystem(int i) const {
    return Bytes[service_layout::CaSystems.offset + static_cast<std::size_t>(i & 3)];
  }
  void SetCaSystem(int i, std::uint8_t v) {
    Bytes[service_layout::CaSystems.offset + static_cast<std::size_t>(i & 3)] = v;
  }
  std::string Provider() const { return GetText(service_layout::Provider); }
  void SetProvider(std::string_view v) {
    SetText(service_layout::Provider, v, TextClear::AllButLastByte);
  }
  std::string Name() const { return GetText(service_layout::Name); }
  void SetName(std::string_view v) { SetText(service_layout::Name, v, TextClear::AllButLastByte); }
  std::string Language() const { return GetText(service_layout::Language); }
  void SetLanguage(std::string_view v) {
    SetText(service_layout::Language, v, TextClear::WholeField);
  }
  std::uint8_t ServiceType() const { return GetU8(service_layout::ServiceType); }
  void SetServiceType(std::uint8_t v) { SetU8(service_layout::ServiceType, v); }
  bool IsRadio() const { return ServiceType() == kServiceRadio; }
  std::uint16_t TpIndex() const { return GetU16(service_layout::TpIndex); }
  void SetTpIndex(std::uint16_t v) { SetU16(service_layout::TpIndex, v); }
  std::uint16_t ServiceId() const { return GetU16(service_layout::ServiceId); }
  void SetServiceId(std::uint16_t v) { SetU16(service_layout::ServiceId, v); }
  std::uint16_t VideoPid() const { return GetU16(service_layout::VideoPid); }
  void SetVideoPid(std::uint16_t v) { SetU16(service_layout::VideoPid, v); }
  std::uint16_t AudioPid() const { return GetU16(service_layout::AudioPid); }
  void SetAudioPid(std::uint16_t v) { SetU16(service_layout::AudioPid, v); }
  std::uint16_t PcrPid() const { return GetU16(service_layout::PcrPid); }
  void SetPcrPid(std::uint16_t v) { SetU16(service_layout::PcrPid, v); }
  bool Locked() const { return GetBits(service_layout::ServiceFlags, 0, 1) != 0; }
  void SetLocked(bool v) { SetBits(service_layout::ServiceFlags, 0, 1, v ? 1 : 0); }
  bool Scrambled() const { return GetBits(service_layout::ServiceFlags, 1, 1) != 0; }
  void SetScrambled(bool v) { SetBits(service_layout::ServiceFlags, 1, 1, v ? 1 : 0); }
};

static_assert(sizeof(TService) == 138);
static_assert(
    FieldsTile({service_layout::Index, service_layout::CaSystems, service_layout::Provider,
                service_layout::Reserved27, service_layout::Name, service_layout::Language,
                service_layout::ServiceType, service_layout::TpIndex, service_layout::ServiceId,
                service_layout::VideoPid, service_layout::AudioPid, service_layout::PcrPid,
                service_layout::ServiceFlags, service_layout::Reserved137},
               TService::kSize));
