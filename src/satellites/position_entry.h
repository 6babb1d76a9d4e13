#pragma once

// The orbital position as the panel's number box holds it: degrees, a comma, the tenth ("19,2").
// The comma is the separator whatever the desktop's locale, so a file edited anywhere reads the
// same.

#include <cstdint>
#include <string>
#include <string_view>

// "%02d,%d" of degrees and tenth: 192 gives "19,2", 5 gives "00,5", 1800 gives "180,0".
std::string PositionEntryText(std::uint16_t tenths);

// Reads such a text back into tenths, ignoring blanks around it; a missing tenth counts as 0, so
// "19," and "19" give 190. Anything else, or more than 65535 tenths, throws ConversionError
// "'<text>' is not a valid floating point value".
std::uint16_t ReadPositionEntry(std::string_view entry);
