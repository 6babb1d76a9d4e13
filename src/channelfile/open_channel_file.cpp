#include "channelfile/open_channel_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <stdexcept>
#include <vector>

#include "channelfile/channel_file_format.h"
#include "channelfile/crc32.h"
#include "channelfile/section_loaders.h"
#include "database/fav_groups.h"

namespace {

struct Refusal {
  const char* text;
  const char* title;
};

constexpr std::array<Refusal, 9> kRefusals = {{
    {"Error[0] : Wrong File Format.", "File Error"},
    {"Error[1] : Couldn't open VORN channel file.\n", "File Error"},
    {"Error[2] : Wrong file format, Not a VORN File!", "File Error"},
    {"Error[3] : Wrong file format, Not a channel File!", "File Error"},
    {"Error[4] : Wrong CRC, The file is corrupted!", "CRC Error"},
    {"Error[5] : Wrong Config file, The file is corrupted!", "Config Error"},
    {"Error[6] : Wrong transponder list, The file is corrupted!", "Tp Error"},
    {"Error[7] : Wrong service List, The file is corrupted!", "List Error"},
    {"Problem writing to file.", "File Error"},
}};

bool HasChannelFileExtension(const std::string& extension) {
  std::string upper = extension;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper == ".VCN";
}

void ReadOrThrow(HeldFile& file, std::uint64_t offset, std::span<std::uint8_t> data) {
  if (!file.ReadAt(offset, data)) throw std::runtime_error("read failed");
}

// Checks the header and the whole-file checksum, then loads the three sections into scratch.
std::optional<OpenError> Load(HeldFile& file, ChannelDatabase& scratch, StatusSink& status) {
  const std::optional<std::uint64_t> size = file.Size();
  if (!size) throw std::runtime_error("size unknown");
  if (*size < TFileHeader::kSize) return OpenError::NotVornFile;

  TFileHeader header;
  ReadOrThrow(file, 0, header.Bytes);
  if (!header.TagStartMatches()) return OpenError::NotVornFile;
  if (!header.KindIs("SER")) return OpenError::NotChannelFile;

  // Only the part a channel file can use is kept; bytes past it still count for the checksum.
  const std::uint64_t bodySize = *size - TFileHeader::kSize;
  const std::size_t kept = static_cast<std::size_t>(
      std::min<std::uint64_t>(bodySize, kLargestFileSize - TFileHeader::kSize));
  std::vector<std::uint8_t> body(kept);
  ReadOrThrow(file, TFileHeader::kSize, body);
  std::uint32_t crc = Crc32(0, body.data(), body.size());
  std::vector<std::uint8_t> chunk;
  for (std::uint64_t at = TFileHeader::kSize + kept; at < *size;) {
    chunk.resize(static_cast<std::size_t>(std::min<std::uint64_t>(*size - at, 1u << 20)));
    ReadOrThrow(file, at, chunk);
    crc = Crc32(crc, chunk.data(), chunk.size());
    at += chunk.size();
  }
  if (crc != header.Crc()) return OpenError::WrongFileCrc;

  SectionReader reader(body);
  if (!LoadConfigSection(reader, scratch, status)) return OpenError::WrongConfig;
  if (!LoadTransponderSection(reader, scratch, status)) return OpenError::WrongTransponderList;
  if (!LoadServiceSection(reader, scratch, status)) return OpenError::WrongServiceList;

  CompactTransponders(scratch);
  ReconcileFavourites(scratch);
  return std::nullopt;
}

std::optional<OpenError> Refuse(OpenError error, MessageBoxPort& messages) {
  const Refusal& refusal = kRefusals[static_cast<std::size_t>(error)];
  messages.ShowMessage(refusal.text, refusal.title, MessageIcon::Error);
  return error;
}

}  // namespace

std::optional<OpenError> OpenChannelFile(const std::string& path, ChannelDatabase& db,
                                         ChannelFileSession& session,
                                         const ChannelFileServices& services) {
  try {
    FilePaths paths = FilePaths::From(path);
    if (!HasChannelFileExtension(paths.FileExtension)) {
      return Refuse(OpenError::WrongExtension, services.messages);
    }
    std::unique_ptr<HeldFile> file = services.files.OpenHeld(paths.FilePath);
    if (!file) return Refuse(OpenError::CannotOpen, services.messages);

    auto scratch = std::make_unique<ChannelDatabase>();
    if (const auto error = Load(*file, *scratch, services.status)) {
      return Refuse(*error, services.messages);
    }
    db = *scratch;
    session.paths = std::move(paths);
    session.FileHandle = std::move(file);
    return std::nullopt;
  } catch (const std::exception&) {
    return Refuse(OpenError::FileProblem, services.messages);
  }
}
