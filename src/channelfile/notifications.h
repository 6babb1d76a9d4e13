#pragma once

// Where the open and the save report: the status bar's one line of text, and modal message boxes.

#include <string>
#include <string_view>

class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void SetStatus(std::string_view text) = 0;
};

enum class MessageIcon { None, Information, Error };

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // A modal box with one OK button; returns once it is closed.
  virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};
