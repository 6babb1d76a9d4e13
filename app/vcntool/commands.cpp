#include "commands.h"

#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "channel_csv.h"
#include "channelfile/channel_file_session.h"
#include "channelfile/channel_file_writer.h"
#include "channelfile/posix_file_system.h"
#include "demo_database.h"
#include "exit_codes.h"
#include "json_dump.h"
#include "satellites/satellite_texts.h"
#include "tool_session.h"

namespace {

// A script that pipes the output into a full disk must not be told it worked.
int FinishOutput() {
  if (std::cout.flush()) return kExitOk;
  std::cerr << "vcntool: could not write the output.\n";
  return kExitNotWritten;
}

}  // namespace

int CheckCommand(const std::string& path) {
  ConsoleStatus status;
  ToolSession session(status);
  return session.Open(path);
}

int DumpCommand(const std::string& path) {
  SilentStatus status;
  ToolSession session(status);
  if (const int refused = session.Open(path)) return refused;
  std::cout << DatabaseJson(session.Database()).dump(2) << '\n';
  return FinishOutput();
}

int CsvCommand(const std::string& path) {
  SilentStatus status;
  ToolSession session(status);
  if (const int refused = session.Open(path)) return refused;
  WriteChannelCsv(session.Database(), std::cout);
  return FinishOutput();
}

int ResaveCommand(const std::string& path) {
  ConsoleStatus status;
  ToolSession session(status);
  if (const int refused = session.Open(path)) return refused;
  return session.Save();
}

int DemoCommand(const std::string& path) {
  PosixFileSystem files;
  // The demo is made up; it must never take the place of somebody's real channel list.
  if (files.Exists(path)) {
    std::cerr << "vcntool demo: " << path << " exists already; give a new file name.\n";
    return kExitNotWritten;
  }
  std::unique_ptr<ChannelDatabase> db = MakeDemoDatabase();
  const std::vector<std::uint8_t> image = BuildChannelFileImage(*db);
  // Written whole to a temporary file and renamed, so a failure leaves no half-written file.
  const std::optional<std::string> written =
      files.WriteTemporary(FilePaths::From(path).FileFolder, image);
  if (!written || !files.Replace(*written, path)) {
    if (written) files.Remove(*written);
    std::cerr << "vcntool demo: could not write " << path << ".\n";
    return kExitNotWritten;
  }
  std::cout << "Demo channel file " << path << " written: " << CountSatellites(*db)
            << " satellites, " << db->TransponderCount << " transponders, " << db->ServiceCount
            << " channels.\n";
  return FinishOutput();
}
