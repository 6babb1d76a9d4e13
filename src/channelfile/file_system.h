#pragma once

// The few file services the editor needs, behind one interface so tests can inject faults.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

// A channel file opened for reading and writing and locked against every other open.
class HeldFile {
 public:
  virtual ~HeldFile() = default;
  virtual std::optional<std::uint64_t> Size() = 0;
  // Reads exactly data.size() bytes from offset; false on error or when the file ends first.
  virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> data) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // nullptr when the file is missing, cannot be opened for writing, or is held already.
  virtual std::unique_ptr<HeldFile> OpenHeld(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Writes bytes to a new file in folder (which ends with its separator) and flushes it to disk.
  // Returns its path, or nothing when it could not be created or fully written (nothing is left).
  virtual std::optional<std::string> WriteTemporary(const std::string& folder,
                                                    std::span<const std::uint8_t> bytes) = 0;
  // Puts from in the place of to, atomically replacing an existing file.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
};
