// From pressing Open on the largest file to the satellite page painted, through the real window.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "channelfile/posix_file_system.h"
#include "satellites/qt/satellite_page_view.h"
#include "shell/qt/main_window.h"
#include "support/channel_file_builder.h"
#include "support/fake_platform.h"

namespace {

void BM_OpenToSatellitePageShown(benchmark::State& state) {
  FakePlatform platform;
  PosixFileSystem files;
  const auto bytes =
      MakeChannelFile(MakeDatabase({.satellites = 80, .transponders = 3500, .services = 5000}));
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vcn-page-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  // Two copies on disk, so that each open releases the file the one before holds.
  const std::string paths[] = {(folder / "a.vcn").string(), (folder / "b.vcn").string()};
  for (const std::string& path : paths) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  MainWindow window(platform, files, folder.string());
  window.show();
  int next = 0;
  for (auto _ : state) {
    platform.chosenFiles.push_back(paths[next++ % 2]);
    window.Handle([&window] { window.form().OpenClick(); });
    window.repaint();
  }
  if (!platform.messages.empty() || window.satellitePage()->grid()->model()->rowCount() != 80) {
    state.SkipWithError("the open did not show the satellite page");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenToSatellitePageShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
