#include "tool_session.h"

#include "channelfile/save_channel_file.h"
#include "exit_codes.h"

int ToolSession::Open(const std::string& path) {
  const std::optional<OpenError> error = OpenChannelFile(path, *db_, session_, services_);
  return error ? ExitCodeFor(*error) : kExitOk;
}

int ToolSession::Save() {
  const std::optional<SaveError> error = WriteChannelFile(*db_, session_, services_);
  services_.status.SetStatus("Idle");
  return error ? ExitCodeFor(*error) : kExitOk;
}
