#include "support/fake_file_system.h"

#include <algorithm>

class FakeHeldFile : public HeldFile {
 public:
  FakeHeldFile(FakeFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
    fs_.held_.insert(path_);
  }
  ~FakeHeldFile() override { fs_.held_.erase(path_); }

  std::optional<std::uint64_t> Size() override {
    if (fs_.failSizeQuery) return std::nullopt;
    return fs_.files.at(path_).size();
  }
  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> data) override {
    const auto& bytes = fs_.files.at(path_);
    const std::uint64_t end = std::min<std::uint64_t>(bytes.size(), fs_.shortReadAfter);
    if (offset + data.size() > end) return false;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), data.size(), data.begin());
    return true;
  }

 private:
  FakeFileSystem& fs_;
  std::string path_;
};

std::unique_ptr<HeldFile> FakeFileSystem::OpenHeld(const std::string& path) {
  if (!files.count(path) || unopenable.count(path) || held_.count(path)) return nullptr;
  return std::make_unique<FakeHeldFile>(*this, path);
}

std::optional<std::string> FakeFileSystem::WriteTemporary(const std::string& folder,
                                                          std::span<const std::uint8_t> bytes) {
  if (failWrite || bytes.size() > spaceLeft) return std::nullopt;
  const std::string path = folder + ".tmp" + std::to_string(++temporaries_);
  files[path].assign(bytes.begin(), bytes.end());
  return path;
}

bool FakeFileSystem::Replace(const std::string& from, const std::string& to) {
  if (failReplace || !files.count(from)) return false;
  files[to] = std::move(files[from]);
  files.erase(from);
  return true;
}

std::set<std::string> FakeFileSystem::Paths() const {
  std::set<std::string> paths;
  for (const auto& [path, bytes] : files) paths.insert(path);
  return paths;
}
