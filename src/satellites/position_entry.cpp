#include "satellites/position_entry.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

#include "ui/integer_text.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Degrees, then optionally a comma and at most one digit; nothing else, not even inner blanks.
std::optional<std::uint64_t> Tenths(std::string_view text) {
  unsigned degrees = 0;
  const char* const end = text.data() + text.size();
  const auto [degreesEnd, error] = std::from_chars(text.data(), end, degrees);
  if (error != std::errc()) return std::nullopt;
  const std::string_view tenth(degreesEnd, static_cast<std::size_t>(end - degreesEnd));
  const std::uint64_t whole = std::uint64_t{degrees} * 10;
  if (tenth.empty() || tenth == ",") return whole;
  if (tenth.size() == 2 && tenth[0] == ',' && IsDigit(tenth[1])) return whole + (tenth[1] - '0');
  return std::nullopt;
}

}  // namespace

std::string PositionEntryText(std::uint16_t tenths) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d,%d", tenths / 10, tenths % 10);
  return text;
}

std::uint16_t ReadPositionEntry(std::string_view entry) {
  const std::string text = Trimmed(entry);
  const std::optional<std::uint64_t> tenths = Tenths(text);
  if (!tenths || *tenths > std::numeric_limits<std::uint16_t>::max()) {
    throw ConversionError("'" + text + "' is not a valid floating point value");
  }
  return static_cast<std::uint16_t>(*tenths);
}
