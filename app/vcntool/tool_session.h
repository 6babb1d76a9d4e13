#pragma once

// One channel file opened and saved by the very functions behind the editor's Open and Save
// buttons, with the terminal standing in for the status bar and the message boxes.

#include <memory>
#include <string>

#include "channelfile/channel_file_session.h"
#include "channelfile/open_channel_file.h"
#include "channelfile/posix_file_system.h"
#include "console_notifications.h"
#include "database/channel_database.h"

class ToolSession {
 public:
  explicit ToolSession(StatusSink& status) : services_{files_, status, messages_} {}

  // Returns kExitOk, or the exit code of the refusal after its message has been shown.
  int Open(const std::string& path);
  // Writes NEW_<name> beside the opened file; the status returns to "Idle" afterwards, as the
  // editor's does once the save has reported.
  int Save();

  const ChannelDatabase& Database() const { return *db_; }

 private:
  PosixFileSystem files_;
  ConsoleMessages messages_;
  ChannelFileServices services_;
  // Far too big for the stack.
  std::unique_ptr<ChannelDatabase> db_ = std::make_unique<ChannelDatabase>();
  ChannelFileSession session_;
};
