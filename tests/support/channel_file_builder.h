#pragma once

// Makes channel databases and channel files in code, valid or damaged, for the tests.

#include <cstdint>
#include <string>
#include <vector>

#include "channelfile/channel_file_format.h"
#include "database/channel_database.h"

struct DatabaseShape {
  int satellites = 3;
  int transponders = 10;
  int services = 20;
};

// Satellites are packed at the start of the table, transponders spread over them, services over
// the transponders; Index = slot, and group 0 lists the first three services. Reserved bytes and
// receiver settings hold a recognisable pattern so that a lost byte shows.
ChannelDatabase MakeDatabase(const DatabaseShape& shape = {});

// The database as the writer writes it.
std::vector<std::uint8_t> MakeChannelFile(const ChannelDatabase& db);

// Byte surgery on a file image, in the manner of a corruption test: change bytes, then put back
// the checksums the change broke so that exactly one check sees it.
struct FileImage {
  std::vector<std::uint8_t> bytes;

  std::uint16_t TransponderCount() const;
  std::uint16_t ServiceCount() const;
  TChannelFile Layout() const { return {TransponderCount(), ServiceCount()}; }

  void PutLe16(std::size_t at, std::uint16_t v);
  void PutLe32(std::size_t at, std::uint32_t v);
  void PutText(std::size_t at, const std::string& text);
  void FixConfigCrc();
  void FixTransponderCrc();
  void FixServiceCrc();
  void FixFileCrc();
  // All four, inner checksums first.
  void FixAllCrcs();
};
