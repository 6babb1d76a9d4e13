#pragma once

// The desktop as a test plays it: file choices come from a queue, everything asked is recorded.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/recording_notifications.h"
#include "ui/platform.h"

class FakePlatform : public Platform {
 public:
  std::vector<ShownMessage> messages;
  std::vector<OpenFileRequest> openRequests;
  std::deque<std::optional<std::string>> chosenFiles;  // nothing: the user cancels
  std::vector<std::string> openedDocuments;
  std::function<int(ModalDialog&)> modalAnswer = [](ModalDialog&) { return kModalCancel; };

  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override {
    openRequests.push_back(request);
    if (chosenFiles.empty()) return std::nullopt;
    auto chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
  }
  void OpenDocument(const std::string& pathOrAddress) override {
    openedDocuments.push_back(pathOrAddress);
  }
  int RunModal(ModalDialog& dialog) override { return modalAnswer(dialog); }
};
