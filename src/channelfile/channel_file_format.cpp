#include "channelfile/channel_file_format.h"

#include <algorithm>

#include "channelfile/byte_order.h"

TFileHeader TFileHeader::Template(std::string_view kind) {
  TFileHeader header;
  std::copy(kFileTag.begin(), kFileTag.end(), header.Bytes.begin());
  std::fill_n(header.Bytes.begin() + file_header_layout::Ones48.offset,
              file_header_layout::Ones48.size, 0xFF);
  constexpr std::array<std::uint8_t, 4> kFiller = {0x11, 0x22, 0x33, 0x44};
  std::copy(kFiller.begin(), kFiller.end(), header.Bytes.begin() + file_header_layout::Crc.offset);
  std::copy_n(kind.begin(), std::min<std::size_t>(kind.size(), 3),
              header.Bytes.begin() + file_header_layout::Kind.offset);
  return header;
}

bool TFileHeader::TagStartMatches() const {
  return std::equal(kFileTag.begin(), kFileTag.begin() + 4, Bytes.begin());
}

bool TFileHeader::KindIs(std::string_view kind) const {
  // The kind is three letters and a zero byte.
  const auto* at = Bytes.data() + file_header_layout::Kind.offset;
  return kind.size() == 3 && std::equal(kind.begin(), kind.end(), at) && at[3] == 0;
}

std::uint32_t TFileHeader::Crc() const {
  return ReadBigEndian32(Bytes.data() + file_header_layout::Crc.offset);
}

void TFileHeader::SetDataLength(std::uint32_t length) {
  WriteBigEndian32(Bytes.data() + file_header_layout::DataLength.offset, length);
}

void TFileHeader::SetCrc(std::uint32_t crc) {
  WriteBigEndian32(Bytes.data() + file_header_layout::Crc.offset, crc);
}
