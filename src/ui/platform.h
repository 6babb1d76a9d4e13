#pragma once

// What the page logic asks of the desktop. The Qt implementation shows real dialogs; tests answer
// with a recording fake.

#include <optional>
#include <string>

#include "channelfile/notifications.h"

struct OpenFileRequest {
  std::string filterName;  // "VORN Channel Files (*.vcn)"
  std::string extension;   // matched in any letter case, without the dot: "vcn"
  std::string initialFolder;
};

// A dialog whose logic lives outside Qt; the platform shows it modally and returns its result.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;
};

constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;

class Platform : public MessageBoxPort {
 public:
  // The chosen path, or nothing when the user cancels. The path need not exist.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;
  // Opens a document or a web address with the desktop's handler; failures are ignored.
  virtual void OpenDocument(const std::string& pathOrAddress) = 0;
  virtual int RunModal(ModalDialog& dialog) = 0;
};
