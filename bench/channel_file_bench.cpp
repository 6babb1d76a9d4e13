// Open, save and checksum speed on the largest file the receiver takes.

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "channelfile/crc32.h"
#include "channelfile/open_channel_file.h"
#include "channelfile/posix_file_system.h"
#include "channelfile/save_channel_file.h"
#include "support/channel_file_builder.h"

namespace {

constexpr std::size_t kChecksumBufferSize = 732004;

std::vector<std::uint8_t> ChecksumBuffer() {
  std::vector<std::uint8_t> buffer(kChecksumBufferSize);
  for (std::size_t i = 0; i < buffer.size(); ++i)
    buffer[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return buffer;
}

void BM_Crc32(benchmark::State& state) {
  const auto buffer = ChecksumBuffer();
  for (auto _ : state) benchmark::DoNotOptimize(Crc32(0, buffer.data(), buffer.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_Crc32);

void BM_ZlibCrc32(benchmark::State& state) {
  const auto buffer = ChecksumBuffer();
  for (auto _ : state) {
    benchmark::DoNotOptimize(crc32(0L, buffer.data(), static_cast<uInt>(buffer.size())));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_ZlibCrc32);

class Quiet : public StatusSink, public MessageBoxPort {
 public:
  void SetStatus(std::string_view) override {}
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// A full file on disk (in the page cache after the first read), removed at exit.
struct FullFile {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vcn-bench-" + std::to_string(::getpid()));
  std::string path = (folder / "full.vcn").string();

  FullFile() {
    std::filesystem::create_directories(folder);
    const auto bytes =
        MakeChannelFile(MakeDatabase({.satellites = 80, .transponders = 3500, .services = 5000}));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  ~FullFile() { std::filesystem::remove_all(folder); }
};

void BM_OpenFullFile(benchmark::State& state) {
  FullFile file;
  PosixFileSystem files;
  Quiet quiet;
  auto db = std::make_unique<ChannelDatabase>();
  for (auto _ : state) {
    ChannelFileSession session;
    if (OpenChannelFile(file.path, *db, session, {files, quiet, quiet})) {
      state.SkipWithError("open refused");
    }
  }
}
BENCHMARK(BM_OpenFullFile)->Unit(benchmark::kMillisecond);

void BM_SaveFullFile(benchmark::State& state) {
  FullFile file;
  PosixFileSystem files(PosixFileSystem::Durability::NoSync);
  Quiet quiet;
  auto db = std::make_unique<ChannelDatabase>();
  ChannelFileSession session;
  if (OpenChannelFile(file.path, *db, session, {files, quiet, quiet})) {
    state.SkipWithError("open refused");
  }
  for (auto _ : state) {
    if (WriteChannelFile(*db, session, {files, quiet, quiet})) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
