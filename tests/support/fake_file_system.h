#pragma once

// An in-memory file system whose faults a test switches on one by one.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "channelfile/file_system.h"

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::vector<std::uint8_t>> files;

  // Faults.
  std::set<std::string> unopenable;  // e.g. read-only files
  bool failWrite = false;            // a write to a new file fails part way
  std::size_t spaceLeft = SIZE_MAX;  // a new file larger than this does not fit
  bool failReplace = false;
  bool failSizeQuery = false;
  std::size_t shortReadAfter = SIZE_MAX;  // reads of held files end early at this offset

  std::unique_ptr<HeldFile> OpenHeld(const std::string& path) override;
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> WriteTemporary(const std::string& folder,
                                            std::span<const std::uint8_t> bytes) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override { return files.erase(path) > 0; }

  bool IsHeld(const std::string& path) const { return held_.count(path) > 0; }
  std::set<std::string> Paths() const;

 private:
  friend class FakeHeldFile;
  std::set<std::string> held_;
  int temporaries_ = 0;
};
