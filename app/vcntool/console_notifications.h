#pragma once

// The editor's status bar and message boxes, as a terminal shows them.

#include "channelfile/notifications.h"

// Each status text on its own line of stdout, at once, so a script sees how far an open got even
// if the tool is stopped.
class ConsoleStatus : public StatusSink {
 public:
  void SetStatus(std::string_view text) override;
};

// For commands whose stdout is their data (JSON, CSV): the status texts would spoil it.
class SilentStatus : public StatusSink {
 public:
  void SetStatus(std::string_view) override {}
};

// An error box goes to stderr, any other box (the save's success) to stdout; each ends its line.
class ConsoleMessages : public MessageBoxPort {
 public:
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
};
