#pragma once

#include <string>
#include <string_view>

// The receiver's texts are 8-bit; each byte is taken as the Unicode character of the same value,
// so every byte survives the trip into UTF-8 output and can be recovered from it.
std::string Latin1ToUtf8(std::string_view bytes);
