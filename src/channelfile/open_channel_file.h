#pragma once

// Opening a channel file: every check in its order, with its status texts and its numbered
// refusal. A refused open changes nothing: the file is loaded into a scratch database that replaces
// the editor's only once every check has passed.

#include <optional>
#include <string>

#include "channelfile/channel_file_session.h"
#include "channelfile/file_system.h"
#include "channelfile/notifications.h"
#include "database/channel_database.h"

// The numbers are those the user sees in "Error[N] : ...".
enum class OpenError {
  WrongExtension = 0,
  CannotOpen = 1,
  NotVornFile = 2,
  NotChannelFile = 3,
  WrongFileCrc = 4,
  WrongConfig = 5,
  WrongTransponderList = 6,
  WrongServiceList = 7,
  FileProblem = 8,  // an unexpected failure while reading: "Problem writing to file."
};

struct ChannelFileServices {
  FileSystem& files;
  StatusSink& status;
  MessageBoxPort& messages;
};

// On success the database holds the file after its upkeep (transponders compacted, favourites
// reconciled), the session holds the new paths and the new file, and the file held before is
// released. On refusal the message box has been shown and nothing else has changed.
std::optional<OpenError> OpenChannelFile(const std::string& path, ChannelDatabase& db,
                                         ChannelFileSession& session,
                                         const ChannelFileServices& services);
