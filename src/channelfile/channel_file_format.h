#pragma once

// Layout of a channel file holding T transponders and S services:
//
//            0  file header (64)          Kind "SER", DataLength and Crc big-endian
//           64  configuration (7956)      TConfigBlock
//         8020  transponder header (64)   Kind "TSL"
//         8084  "-TSL", Crc (LE)
//         8092  TTransponderList          Format 512, Count T, T * 12 bytes
//  8096 + 12T   service header (64)       Kind "SER"
//  8160 + 12T   "-SER", Crc (LE)
//  8168 + 12T   TServiceList              Format 512, Count S, S * 138 bytes
//
// The file checksum covers everything after the file header; each list checksum covers its list
// image (Format, Count, records).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "database/byte_record.h"
#include "database/channel_database.h"

namespace file_header_layout {
constexpr ByteField Tag{0, 16};
constexpr ByteField DataLength{16, 4};
constexpr ByteField Zero20{20, 12};
constexpr ByteField Kind{32, 4};
constexpr ByteField Zero36{36, 12};
constexpr ByteField Ones48{48, 6};
constexpr ByteField Zero54{54, 6};
constexpr ByteField Crc{60, 4};
}  // namespace file_header_layout

struct TFileHeader : ByteRecord<64> {
  // The header the writer starts from: tag, zero bytes, six 0xFF bytes, filler at 60.
  static TFileHeader Template(std::string_view kind);

  bool TagStartMatches() const;
  bool KindIs(std::string_view kind) const;
  std::uint32_t Crc() const;
  void SetDataLength(std::uint32_t length);
  void SetCrc(std::uint32_t crc);
};

static_assert(sizeof(TFileHeader) == 64);
static_assert(FieldsTile({file_header_layout::Tag, file_header_layout::DataLength,
                          file_header_layout::Zero20, file_header_layout::Kind,
                          file_header_layout::Zero36, file_header_layout::Ones48,
                          file_header_layout::Zero54, file_header_layout::Crc},
                         TFileHeader::kSize));

constexpr std::string_view kFileTag = "VORAX_V_VN_ALL";
constexpr std::uint16_t kListFormat = 512;
constexpr std::size_t kSectionHeaderSize = 64;
constexpr std::size_t kSignatureSize = 4;
constexpr std::size_t kListPrefixSize = 4;  // Format and Count

// Offsets of one channel file's parts, given its two counts.
struct TChannelFile {
  std::size_t transponderCount = 0;
  std::size_t serviceCount = 0;

  static constexpr std::size_t kConfigOffset = kSectionHeaderSize;
  static constexpr std::size_t kTransponderHeaderOffset = kConfigOffset + TConfigBlock::kSize;
  static constexpr std::size_t kTransponderSignatureOffset =
      kTransponderHeaderOffset + kSectionHeaderSize;
  static constexpr std::size_t kTransponderListOffset =
      kTransponderSignatureOffset + kSignatureSize + 4;

  constexpr std::size_t TransponderListSize() const {
    return kListPrefixSize + TTransponder::kSize * transponderCount;
  }
  constexpr std::size_t ServiceHeaderOffset() const {
    return kTransponderListOffset + TransponderListSize();
  }
  constexpr std::size_t ServiceSignatureOffset() const {
    return ServiceHeaderOffset() + kSectionHeaderSize;
  }
  constexpr std::size_t ServiceListOffset() const {
    return ServiceSignatureOffset() + kSignatureSize + 4;
  }
  constexpr std::size_t ServiceListSize() const {
    return kListPrefixSize + TService::kSize * serviceCount;
  }
  constexpr std::size_t FileSize() const { return ServiceListOffset() + ServiceListSize(); }
};

static_assert(TChannelFile::kTransponderListOffset == 8092);
static_assert(TChannelFile{}.FileSize() == 8172);
static_assert(TChannelFile{3, 5}.ServiceListOffset() == 8168 + 12 * 3);

constexpr std::size_t kLargestFileSize =
    TChannelFile{kTransponderCapacity, kServiceCapacity}.FileSize();
