#pragma once

// Number boxes read their text the way the receiver's owners expect from the original editor: a
// text that is not a whole number stops the handler with "'<text>' is not a valid integer value".

#include <stdexcept>
#include <string>
#include <string_view>

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

// text without leading and trailing blanks
std::string Trimmed(std::string_view text);

// A decimal integer with an optional sign that fits in 32 bits; throws ConversionError otherwise.
int StrToInt(const std::string& text);
