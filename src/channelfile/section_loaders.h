#pragma once

// The three section checks of an open. Each reads its section from where the previous one stopped,
// so they run in order: configuration, transponders, services.

#include <cstddef>
#include <cstdint>
#include <span>

#include "channelfile/notifications.h"
#include "database/channel_database.h"

// Reads forward through the file's bytes after the file header; never past their end.
class SectionReader {
 public:
  explicit SectionReader(std::span<const std::uint8_t> body) : body_(body) {}
  // The next n bytes, or an empty span (and nothing consumed) when fewer are left.
  std::span<const std::uint8_t> Take(std::size_t n);
  bool Skip(std::size_t n) { return n == 0 || !Take(n).empty(); }

 private:
  std::span<const std::uint8_t> body_;
  std::size_t position_ = 0;
};

bool LoadConfigSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status);
bool LoadTransponderSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status);
bool LoadServiceSection(SectionReader& reader, ChannelDatabase& db, StatusSink& status);
