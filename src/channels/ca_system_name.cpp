#include "channels/ca_system_name.h"

#include <array>
#include <utility>

std::string CaSystemName(std::uint8_t code) {
  static constexpr std::array<std::pair<std::uint8_t, const char*>, 12> kNames = {{
      {1, "Mediaguard"},
      {5, "Viaccess"},
      {6, "Irdeto"},
      {9, "NDS"},
      {11, "Conax"},
      {13, "CryptoWorks"},
      {14, "PowerVu"},
      {23, "beta crypt"},
      {24, "Nagravision"},
      {38, "BISS"},
      {74, "SHL Crypt"},
      {254, "TPS Crypt 2"},
  }};
  for (const auto& [known, name] : kNames) {
    if (known == code) return name;
  }
  return "CaID " + std::to_string(code);
}
