#pragma once

// Saving writes the whole database as NEW_<name> beside the opened file. The new file is written
// in full to a temporary file in the same folder, flushed, and only then renamed over NEW_<name>,
// so an earlier NEW_ file survives any failure and success is reported only once the file is safe.

#include <optional>

#include "channelfile/open_channel_file.h"

enum class SaveError {
  CannotReplace = 8,  // an earlier NEW_ file could not be replaced: "Level[8] : ..."
  CannotCreate = 9,   // the new file could not be created or written: "Level[9] : ..."
};

// Reports its outcome through the status sink and a message box; releases the held file only on
// success.
std::optional<SaveError> WriteChannelFile(ChannelDatabase& db, ChannelFileSession& session,
                                          const ChannelFileServices& services);
