#pragma once

// Status texts and message boxes as a test sees them: in order, nothing shown on screen.

#include <string>
#include <vector>

#include "channelfile/notifications.h"

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingStatus : public StatusSink {
 public:
  std::vector<std::string> texts;
  void SetStatus(std::string_view text) override { texts.emplace_back(text); }
  std::string Last() const { return texts.empty() ? std::string() : texts.back(); }
};

class RecordingMessages : public MessageBoxPort {
 public:
  std::vector<ShownMessage> shown;
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
};
