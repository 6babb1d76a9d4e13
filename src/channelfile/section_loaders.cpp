#include "channelfile/section_loaders.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "channelfile/channel_file_format.h"
#include "channelfile/crc32.h"

std::span<const std::uint8_t> SectionReader::Take(std::size_t n) {
  if (n > body_.size() - position_) return {};
  const auto taken = body_.subspan(position_, n);
  position_ += n;
  return taken;
}

namespace {

std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(Le16(p)) | static_cast<std::uint32_t>(Le16(p + 2)) << 16;
}

bool SignatureIs(std::span<const std::uint8_t> bytes, std::string_view signature) {
  return std::equal(signature.begin(), signature.end(), bytes.begin(), bytes.end());
}

// The status texts and limits that tell the two list sections apart.
struct ListSection {
  std::string_view signature;
  std::size_t recordSize;
  std::size_t capacity;
  std::string_view wrongSignature, signatureOk, wrongVersion, versionOk, wrongCrc, crcOk;
};

constexpr ListSection kTransponderSection{"-TSL",
                                          TTransponder::kSize,
                                          kTransponderCapacity,
                                          "Wrong TP Signature",
                                          "TP Signature : OK",
                                          "Wrong TP DataBase Version",
                                          "TP DataBase : OK",
                                          "Wrong TP DataBase CRC",
                                          "TP DataBase CRC : OK"};

constexpr ListSection kServiceSection{"-SER",
                                      TService::kSize,
                                      kServiceCapacity,
                                      "Wrong Service Signature",
                                      "Service Signature : OK",
                                      "Wrong Service DataBase Version",
                                      "Service DataBase : OK",
                                      "Wrong Service DataBase CRC",
                                      "Service DataBase CRC : OK"};

// Checks one list section and hands back its records; the list image (Format, Count, records) is
// the file's own bytes, so its checksum is taken over them where they lie.
bool LoadList(SectionReader& reader, const ListSection& section, StatusSink& status,
              std::span<const std::uint8_t>& records, std::uint16_t& count) {
  if (!reader.Skip(kSectionHeaderSize)) return false;
  const auto signature = reader.Take(kSignatureSize);
  const auto crc = reader.Take(4);
  const auto prefix = reader.Take(kListPrefixSize);
  if (prefix.empty()) return false;

  if (!SignatureIs(signature, section.signature)) {
    status.SetStatus(section.wrongSignature);
    return false;
  }
  status.SetStatus(section.signatureOk);
  if (Le16(prefix.data()) != kListFormat) {
    status.SetStatus(section.wrongVersion);
    return false;
  }
  status.SetStatus(section.versionOk);

  // A count past the list's capacity, or records the file does not hold, make a damaged list.
  count = Le16(prefix.data() + 2);
  if (count > section.capacity) return false;
  records = reader.Take(count * section.recordSize);
  if (records.empty() && count > 0) return false;

  std::uint32_t listCrc = Crc32(0, prefix.data(), prefix.size());
  listCrc = Crc32(listCrc, records.data(), records.size());
  if (listCrc != Le32(crc.data())) {
    status.SetStatus(section.wrongCrc);
    return false;
  }
  status.SetStatus(section.crcOk);
  return true;
}

}  // namespace

bool LoadConfigSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status) {
  const auto bytes = reader.Take(TConfigBlock::kSize);
  if (bytes.empty()) return false;
  std::memcpy(&db.Config, bytes.data(), TConfigBlock::kSize);

  if (!SignatureIs(db.Config.Signature, "-CFG")) {
    status.SetStatus("Wrong Config Signature");
    return false;
  }
  status.SetStatus("Config Signature : OK");
  const std::size_t from = TConfigBlock::kCrcRangeBegin;
  if (Crc32(0, bytes.data() + from, TConfigBlock::kSize - from) != db.Config.Crc()) {
    status.SetStatus("Wrong Config CRC");
    return false;
  }
  status.SetStatus("Config CRC : OK");
  return true;
}

bool LoadTransponderSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status) {
  std::span<const std::uint8_t> records;
  std::uint16_t count = 0;
  if (!LoadList(reader, kTransponderSection, status, records, count)) return false;
  std::memcpy(db.Transponders.data(), records.data(), records.size());
  db.TransponderCount = count;
  return true;
}

bool LoadServiceSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status) {
  ClearServices(db);
  std::span<const std::uint8_t> records;
  std::uint16_t count = 0;
  if (!LoadList(reader, kServiceSection, status, records, count)) return false;
  std::memcpy(db.Services.data(), records.data(), records.size());
  db.ServiceCount = count;
  return true;
}
