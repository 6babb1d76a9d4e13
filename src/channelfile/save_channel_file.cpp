#include "channelfile/save_channel_file.h"

#include <exception>
#include <vector>

#include "channelfile/channel_file_writer.h"

namespace {

std::optional<SaveError> Fail(SaveError error, const ChannelFileServices& services) {
  services.status.SetStatus("Error creating new file.");
  services.messages.ShowMessage(error == SaveError::CannotReplace
                                    ? "Level[8] : Couldn't create New VCN File."
                                    : "Level[9] : Couldn't create New VCN File.",
                                "Error", MessageIcon::Error);
  return error;
}

}  // namespace

std::optional<SaveError> WriteChannelFile(ChannelDatabase& db, ChannelFileSession& session,
                                          const ChannelFileServices& services) {
  services.status.SetStatus("Saving....");
  // The new file goes beside the opened one; before any open there is nowhere to put it.
  const std::string& savePath = session.paths.SavePath;
  const std::string& folder = session.paths.FileFolder;
  if (savePath.empty()) return Fail(SaveError::CannotCreate, services);
  const std::string name = savePath.substr(folder.size());

  std::optional<std::string> written;
  try {
    written = services.files.WriteTemporary(folder, BuildChannelFileImage(db));
  } catch (const std::exception&) {
    written.reset();
  }
  if (!written) return Fail(SaveError::CannotCreate, services);

  const bool replacing = services.files.Exists(savePath);
  if (!services.files.Replace(*written, savePath)) {
    services.files.Remove(*written);
    return Fail(replacing ? SaveError::CannotReplace : SaveError::CannotCreate, services);
  }

  services.status.SetStatus("The New VORN Channel File Successfully Created.");
  services.messages.ShowMessage(name + " Created", "Success", MessageIcon::Information);
  session.FileHandle.reset();
  return std::nullopt;
}
