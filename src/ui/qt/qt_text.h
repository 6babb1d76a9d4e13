#pragma once

#include <QString>
#include <string>

// The receiver's texts are 8-bit; every byte shows as the character of the same value, so any
// byte survives the round trip through a widget.
inline QString ToQString(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters beyond one byte cannot be stored in the receiver's texts; they become '?'.
inline std::string FromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) bytes.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
  return bytes;
}
