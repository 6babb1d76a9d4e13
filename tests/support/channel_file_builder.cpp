#include "support/channel_file_builder.h"

#include <algorithm>

#include "channelfile/channel_file_writer.h"
#include "channelfile/crc32.h"

namespace {

std::uint8_t Pattern(std::size_t i) {
  return static_cast<std::uint8_t>(0xA5 ^ (i * 31));
}

}  // namespace

ChannelDatabase MakeDatabase(const DatabaseShape& shape) {
  ChannelDatabase db;
  for (std::size_t i = 0; i < db.Config.SettingsHead.size(); ++i)
    db.Config.SettingsHead[i] = Pattern(i);
  for (std::size_t i = 0; i < db.Config.SettingsTail.size(); ++i)
    db.Config.SettingsTail[i] = Pattern(i + 7);

  for (int s = 0; s < shape.satellites; ++s) {
    TSatellite& sat = db.Config.Satellites[s];
    sat.Bytes[26] = Pattern(s);  // a reserved byte
    sat.Bytes[35] = 0x02;        // a kept LNB flag bit
    sat.SetName("Sat " + std::to_string(s + 1));
    sat.SetPosition(static_cast<std::uint16_t>(130 + 10 * s));
    sat.SetOrientation(s % 2 ? kOrientationWest : kOrientationEast);
    sat.SetLnbType(kLnbUniversal);
    sat.SetLnbLowFreq(9750);
    sat.SetLnbHighFreq(10600);
    sat.SetInUse(true);
  }
  for (int t = 0; t < shape.transponders; ++t) {
    TTransponder& tp = db.Transponders[t];
    tp.Bytes[1] = Pattern(t);
    tp.Bytes[11] = Pattern(t + 1);
    tp.SetSatIndex(static_cast<std::uint8_t>(shape.satellites ? t % shape.satellites : 0));
    tp.SetFrequency(10700000u + 1000u * static_cast<std::uint32_t>(t));
    tp.SetSymbolRate(27500);
    tp.SetTpFlags(0x30);
    tp.SetFec(static_cast<unsigned>(t % 8));
    tp.SetPolarity(static_cast<unsigned>(t % 2));
  }
  db.TransponderCount = static_cast<std::uint16_t>(shape.transponders);

  ClearServices(db);
  for (int s = 0; s < shape.services; ++s) {
    TService& service = db.Services[s];
    for (std::size_t i = 27; i < 90; ++i)
      service.Bytes[i] = Pattern(i + static_cast<std::size_t>(s));
    service.Bytes[137] = Pattern(static_cast<std::size_t>(s));
    service.SetIndex(static_cast<std::int16_t>(s));
    service.SetName("Channel " + std::to_string(s + 1));
    service.SetProvider("Provider " + std::to_string(s % 4));
    service.SetLanguage("eng");
    service.SetServiceType(s % 5 == 4 ? kServiceRadio : kServiceTv);
    service.SetTpIndex(static_cast<std::uint16_t>(shape.transponders ? s % shape.transponders : 0));
    service.SetServiceId(static_cast<std::uint16_t>(100 + s));
    service.SetVideoPid(static_cast<std::uint16_t>(200 + s));
    service.SetAudioPid(static_cast<std::uint16_t>(300 + s));
    service.SetPcrPid(static_cast<std::uint16_t>(200 + s));
    service.SetCaSystem(0, s % 3 == 0 ? 0x05 : 0);
    service.SetScrambled(s % 3 == 0);
  }
  db.ServiceCount = static_cast<std::uint16_t>(shape.services);

  for (int g = 0; g < kFavGroupCount; ++g) {
    TFavGroup& group = db.Config.FavGroups[g];
    group.SetName("Fav " + std::to_string(g + 1));
    for (int i = 0; i < TFavGroup::kCapacity; ++i) group.SetEntry(i, -1);
  }
  TFavGroup& first = db.Config.FavGroups[0];
  const int members = std::min(3, shape.services);
  for (int i = 0; i < members; ++i) first.SetEntry(i, static_cast<std::int16_t>(i));
  first.SetCount(members);
  return db;
}

std::vector<std::uint8_t> MakeChannelFile(const ChannelDatabase& db) {
  ChannelDatabase copy = db;
  return BuildChannelFileImage(copy);
}

std::uint16_t FileImage::TransponderCount() const {
  const std::size_t at = TChannelFile::kTransponderListOffset + 2;
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint16_t FileImage::ServiceCount() const {
  const std::size_t at = TChannelFile{TransponderCount(), 0}.ServiceListOffset() + 2;
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void FileImage::PutLe16(std::size_t at, std::uint16_t v) {
  bytes[at] = static_cast<std::uint8_t>(v);
  bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void FileImage::PutLe32(std::size_t at, std::uint32_t v) {
  PutLe16(at, static_cast<std::uint16_t>(v));
  PutLe16(at + 2, static_cast<std::uint16_t>(v >> 16));
}

void FileImage::PutText(std::size_t at, const std::string& text) {
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

void FileImage::FixConfigCrc() {
  const std::size_t from = TChannelFile::kConfigOffset + TConfigBlock::kCrcRangeBegin;
  PutLe32(TChannelFile::kConfigOffset + 4,
          Crc32(0, bytes.data() + from, TConfigBlock::kSize - TConfigBlock::kCrcRangeBegin));
}

void FileImage::FixTransponderCrc() {
  const TChannelFile layout = Layout();
  PutLe32(
      TChannelFile::kTransponderListOffset - 4,
      Crc32(0, bytes.data() + TChannelFile::kTransponderListOffset, layout.TransponderListSize()));
}

void FileImage::FixServiceCrc() {
  const TChannelFile layout = Layout();
  const std::size_t list = layout.ServiceListOffset();
  const std::size_t size = std::min(layout.ServiceListSize(), bytes.size() - list);
  PutLe32(list - 4, Crc32(0, bytes.data() + list, size));
}

void FileImage::FixFileCrc() {
  const std::uint32_t crc = Crc32(0, bytes.data() + 64, bytes.size() - 64);
  for (int i = 0; i < 4; ++i)
    bytes[60 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
}

void FileImage::FixAllCrcs() {
  FixConfigCrc();
  FixTransponderCrc();
  FixServiceCrc();
  FixFileCrc();
}
