#pragma once

#include <cstdint>
#include <string>

// The name of a CA system family (the high byte of a DVB CA system ID), or "CaID <code>".
std::string CaSystemName(std::uint8_t code);
