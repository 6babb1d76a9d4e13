#pragma once

// A database, a session and a fake file system wired together as the editor wires them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "channelfile/open_channel_file.h"
#include "channelfile/save_channel_file.h"
#include "support/channel_file_builder.h"
#include "support/fake_file_system.h"
#include "support/recording_notifications.h"

class ChannelFileFixture : public ::testing::Test {
 protected:
  FakeFileSystem files;
  RecordingStatus status;
  RecordingMessages messages;
  std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
  ChannelFileSession session;
  ChannelFileServices services{files, status, messages};

  std::optional<OpenError> Open(const std::string& path) {
    return OpenChannelFile(path, *db, session, services);
  }
  std::optional<SaveError> Save() { return WriteChannelFile(*db, session, services); }
  void Put(const std::string& path, std::vector<std::uint8_t> bytes) {
    files.files[path] = std::move(bytes);
  }
};
