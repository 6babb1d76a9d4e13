// Any bytes at all, opened as a channel file: the open must refuse or accept them without reading
// outside a buffer, and what it accepts must save and reopen to the same database. Each input is
// opened twice: as it is, and with every checksum that fits put right, so that mutations reach
// the section checks behind the file checksum.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "channelfile/channel_file_format.h"
#include "channelfile/crc32.h"
#include "channelfile/open_channel_file.h"
#include "channelfile/save_channel_file.h"
#include "support/fake_file_system.h"
#include "support/recording_notifications.h"

namespace {

std::size_t Le16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return at + 2 <= b.size() ? static_cast<std::size_t>(b[at] | b[at + 1] << 8) : 0;
}

void PutLe32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Puts right the list checksum of a list image at `list`, when the whole image is there.
void FixList(std::vector<std::uint8_t>& b, std::size_t list, std::size_t recordSize) {
  const std::size_t size = kListPrefixSize + recordSize * Le16At(b, list + 2);
  if (list + size <= b.size()) PutLe32(b, list - 4, Crc32(0, b.data() + list, size));
}

void FixChecksums(std::vector<std::uint8_t>& b) {
  if (b.size() >= TChannelFile::kTransponderHeaderOffset) {
    const std::size_t from = TChannelFile::kConfigOffset + TConfigBlock::kCrcRangeBegin;
    PutLe32(b, TChannelFile::kConfigOffset + 4,
            Crc32(0, b.data() + from, TChannelFile::kTransponderHeaderOffset - from));
  }
  FixList(b, TChannelFile::kTransponderListOffset, TTransponder::kSize);
  const TChannelFile layout{Le16At(b, TChannelFile::kTransponderListOffset + 2), 0};
  FixList(b, layout.ServiceListOffset(), TService::kSize);
  if (b.size() >= 64) {
    const std::uint32_t crc = Crc32(0, b.data() + 64, b.size() - 64);
    for (std::size_t i = 0; i < 4; ++i) b[60 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  }
}

void OpenSaveAndReopen(const std::vector<std::uint8_t>& bytes) {
  FakeFileSystem files;
  files.files["/f/in.vcn"] = bytes;
  RecordingStatus status;
  RecordingMessages messages;
  const ChannelFileServices services{files, status, messages};
  auto db = std::make_unique<ChannelDatabase>();
  ChannelFileSession session;
  if (OpenChannelFile("/f/in.vcn", *db, session, services)) return;

  if (db->TransponderCount > kTransponderCapacity || db->ServiceCount > kServiceCapacity) abort();
  if (WriteChannelFile(*db, session, services)) abort();
  const std::vector<std::uint8_t> saved = files.files["/f/NEW_in.vcn"];
  auto reopened = std::make_unique<ChannelDatabase>();
  ChannelFileSession again;
  if (OpenChannelFile("/f/NEW_in.vcn", *reopened, again, services)) abort();
  if (!(*reopened == *db)) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  OpenSaveAndReopen(bytes);
  FixChecksums(bytes);
  OpenSaveAndReopen(bytes);
  return 0;
}
