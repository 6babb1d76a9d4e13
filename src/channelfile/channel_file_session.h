#pragma once

// What the editor keeps about the channel file between an open and a save.

#include <memory>
#include <string>

#include "channelfile/file_system.h"

struct FilePaths {
  std::string FilePath;       // as chosen
  std::string FileFolder;     // up to and including the last separator
  std::string FileExtension;  // from the name's last dot, dot included; empty without one
  std::string SavePath;       // FileFolder + "NEW_" + the file's name

  static FilePaths From(const std::string& path);
};

struct ChannelFileSession {
  FilePaths paths;
  std::unique_ptr<HeldFile> FileHandle;  // held from a successful open until a save
};
