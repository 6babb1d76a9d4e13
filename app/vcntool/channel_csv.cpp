#include "channel_csv.h"

#include <optional>
#include <string>
#include <vector>

#include "channels/ca_system_name.h"
#include "csv_row.h"
#include "database/fav_groups.h"
#include "latin1_text.h"
#include "satellites/satellite_texts.h"
#include "transponders/transponder_texts.h"

namespace {

constexpr char kListSeparator = ';';

const std::vector<std::string> kHeader = {"Slot",
                                          "Name",
                                          "Provider",
                                          "Type",
                                          "Satellite",
                                          "Position",
                                          "Frequency (MHz)",
                                          "Polarity",
                                          "Symbol Rate (kS/s)",
                                          "Service ID",
                                          "Video PID",
                                          "Audio PID",
                                          "PCR PID",
                                          "CA Systems",
                                          "Language",
                                          "Locked",
                                          "Scrambled",
                                          "Favourites"};

void AppendToList(std::string& list, const std::string& item) {
  if (!list.empty()) list.push_back(kListSeparator);
  list += item;
}

std::string CaSystemNames(const TService& service) {
  std::string names;
  for (int i = 0; i < TService::kCaSystemCount; ++i) {
    if (service.CaSystem(i) != 0) AppendToList(names, CaSystemName(service.CaSystem(i)));
  }
  return names;
}

// By the names of the editor's Fav columns, which stay the same whatever a group is called.
std::string FavouriteGroups(const ChannelDatabase& db, const TService& service) {
  std::string groups;
  for (int group = 0; group < kFavGroupCount; ++group) {
    if (IsInFavGroup(db, service.Index(), group)) {
      AppendToList(groups, "Fav " + std::to_string(group + 1));
    }
  }
  return groups;
}

std::string YesNo(bool value) {
  return value ? "yes" : "no";
}

std::vector<std::string> ServiceRow(const ChannelDatabase& db, int slot) {
  const TService& service = db.Services[slot];
  const std::optional<TTransponder> transponder = FindTransponder(db, service.TpIndex());
  const std::optional<TSatellite> satellite =
      transponder ? FindSatellite(db, transponder->SatIndex()) : std::nullopt;
  const auto number = [](unsigned value) { return std::to_string(value); };

  return {number(static_cast<unsigned>(slot)),
          Latin1ToUtf8(service.Name()),
          Latin1ToUtf8(service.Provider()),
          service.IsRadio() ? "Radio" : "TV",
          satellite ? Latin1ToUtf8(satellite->Name()) : "",
          satellite ? PositionText(*satellite) : "",
          transponder ? number(transponder->Frequency() / 1000) : "",
          transponder ? PolarityText(transponder->Polarity()) : "",
          transponder ? number(transponder->SymbolRate()) : "",
          number(service.ServiceId()),
          number(service.VideoPid()),
          number(service.AudioPid()),
          number(service.PcrPid()),
          CaSystemNames(service),
          Latin1ToUtf8(service.Language()),
          YesNo(service.Locked()),
          YesNo(service.Scrambled()),
          FavouriteGroups(db, service)};
}

}  // namespace

void WriteChannelCsv(const ChannelDatabase& db, std::ostream& out) {
  out << CsvRow(kHeader);
  for (int slot = 0; slot < db.ServiceCount; ++slot) out << CsvRow(ServiceRow(db, slot));
}
