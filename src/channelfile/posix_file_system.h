#pragma once

#include "channelfile/file_system.h"

class PosixFileSystem : public FileSystem {
 public:
  // NoSync leaves flushing to the kernel; only benchmarks that measure the editor's own work use
  // it.
  enum class Durability { Sync, NoSync };
  explicit PosixFileSystem(Durability durability = Durability::Sync) : durability_(durability) {}

  std::unique_ptr<HeldFile> OpenHeld(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::optional<std::string> WriteTemporary(const std::string& folder,
                                            std::span<const std::uint8_t> bytes) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;

 private:
  Durability durability_;
};
