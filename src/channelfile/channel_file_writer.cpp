#include "channelfile/channel_file_writer.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "channelfile/channel_file_format.h"
#include "channelfile/crc32.h"

namespace {

void PutLe16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(std::uint8_t* p, std::uint32_t v) {
  PutLe16(p, static_cast<std::uint16_t>(v));
  PutLe16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

// Writes one list section (header, signature, checksum, list image) at headerOffset; the records
// are copied behind the Format and Count words and the checksum covers that image.
void PutListSection(std::uint8_t* file, std::size_t headerOffset, std::string_view kind,
                    std::string_view signature, const void* records, std::size_t count,
                    std::size_t recordSize) {
  const std::size_t imageSize = kListPrefixSize + count * recordSize;
  TFileHeader header = TFileHeader::Template(kind);
  header.SetDataLength(static_cast<std::uint32_t>(kSignatureSize + 4 + imageSize));
  std::memcpy(file + headerOffset, header.Bytes.data(), header.Bytes.size());

  std::uint8_t* at = file + headerOffset + kSectionHeaderSize;
  std::copy(signature.begin(), signature.end(), at);
  std::uint8_t* image = at + kSignatureSize + 4;
  PutLe16(image, kListFormat);
  PutLe16(image + 2, static_cast<std::uint16_t>(count));
  if (count > 0) std::memcpy(image + kListPrefixSize, records, count * recordSize);
  PutLe32(at + kSignatureSize, Crc32(0, image, imageSize));
}

}  // namespace

std::vector<std::uint8_t> BuildChannelFileImage(ChannelDatabase& db) {
  const TChannelFile layout{db.TransponderCount, db.ServiceCount};
  std::vector<std::uint8_t> file(layout.FileSize());

  constexpr std::string_view kConfigSignature = "-CFG";
  std::copy(kConfigSignature.begin(), kConfigSignature.end(), db.Config.Signature.begin());
  const auto* config = reinterpret_cast<const std::uint8_t*>(&db.Config);
  const std::size_t from = TConfigBlock::kCrcRangeBegin;
  db.Config.SetCrc(Crc32(0, config + from, TConfigBlock::kSize - from));
  std::memcpy(file.data() + TChannelFile::kConfigOffset, &db.Config, TConfigBlock::kSize);

  PutListSection(file.data(), TChannelFile::kTransponderHeaderOffset, "TSL", "-TSL",
                 db.Transponders.data(), db.TransponderCount, TTransponder::kSize);
  PutListSection(file.data(), layout.ServiceHeaderOffset(), "SER", "-SER", db.Services.data(),
                 db.ServiceCount, TService::kSize);

  TFileHeader header = TFileHeader::Template("SER");
  const std::size_t bodySize = file.size() - TFileHeader::kSize;
  header.SetDataLength(static_cast<std::uint32_t>(bodySize));
  header.SetCrc(Crc32(0, file.data() + TFileHeader::kSize, bodySize));
  std::memcpy(file.data(), header.Bytes.data(), header.Bytes.size());
  return file;
}
