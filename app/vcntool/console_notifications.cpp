#include "console_notifications.h"

#include <iostream>

void ConsoleStatus::SetStatus(std::string_view text) {
  std::cout << text << '\n' << std::flush;
}

void ConsoleMessages::ShowMessage(const std::string& text, const std::string&, MessageIcon icon) {
  std::ostream& out = icon == MessageIcon::Error ? std::cerr : std::cout;
  // Some texts (Error[1]) end with their own line feed; the line is not ended twice.
  out << text;
  if (text.empty() || text.back() != '\n') out << '\n';
  out << std::flush;
}
