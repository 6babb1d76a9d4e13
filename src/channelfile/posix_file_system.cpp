#include "channelfile/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace {

class PosixHeldFile : public HeldFile {
 public:
  explicit PosixHeldFile(int fd) : fd_(fd) {}
  ~PosixHeldFile() override { ::close(fd_); }
  PosixHeldFile(const PosixHeldFile&) = delete;
  PosixHeldFile& operator=(const PosixHeldFile&) = delete;

  std::optional<std::uint64_t> Size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }

  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      const ssize_t n =
          ::pread(fd_, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Opens a fresh, unused name in folder; the mode lets the umask decide, as for any new file.
int CreateUniqueFile(const std::string& folder, std::string& path) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    path = folder + ".vcn-save-" + suffix + ".tmp";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::unique_ptr<HeldFile> PosixFileSystem::OpenHeld(const std::string& path) {
  if (path.empty()) return nullptr;
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixHeldFile>(fd);
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

std::optional<std::string> PosixFileSystem::WriteTemporary(const std::string& folder,
                                                           std::span<const std::uint8_t> bytes) {
  std::string path;
  const int fd = CreateUniqueFile(folder, path);
  if (fd < 0) return std::nullopt;
  bool ok = WriteAll(fd, bytes);
  if (ok && durability_ == Durability::Sync) ok = ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(path.c_str());
    return std::nullopt;
  }
  return path;
}

bool PosixFileSystem::Replace(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  if (durability_ == Durability::Sync) {
    // The rename itself lives in the folder; flush it too, so a crash cannot undo the save.
    const std::size_t slash = to.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : to.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
      ::fsync(fd);
      ::close(fd);
    }
  }
  return true;
}

bool PosixFileSystem::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}
