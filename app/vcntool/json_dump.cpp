#include "json_dump.h"

#include "latin1_text.h"

namespace {

using Json = nlohmann::ordered_json;

Json SatelliteJson(int slot, const TSatellite& s) {
  return {{"slot", slot},
          {"name", Latin1ToUtf8(s.Name())},
          {"position", s.Position()},
          {"orientation", s.Orientation()},
          {"lnbType", s.LnbType()},
          {"lnbLowFreq", s.LnbLowFreq()},
          {"lnbHighFreq", s.LnbHighFreq()},
          {"diseqcType", s.DiseqcType()},
          {"diseqcPort", s.DiseqcPort()}};
}

Json TransponderJson(int slot, const TTransponder& t) {
  return {{"slot", slot},
          {"satIndex", t.SatIndex()},
          {"frequency", t.Frequency()},
          {"symbolRate", t.SymbolRate()},
          {"polarity", t.Polarity()},
          {"fec", t.Fec()}};
}

Json ServiceJson(int slot, const TService& s) {
  Json caSystems = Json::array();
  for (int i = 0; i < TService::kCaSystemCount; ++i) caSystems.push_back(s.CaSystem(i));
  return {{"slot", slot},
          {"index", s.Index()},
          {"name", Latin1ToUtf8(s.Name())},
          {"provider", Latin1ToUtf8(s.Provider())},
          {"serviceType", s.ServiceType()},
          {"tpIndex", s.TpIndex()},
          {"serviceId", s.ServiceId()},
          {"videoPid", s.VideoPid()},
          {"audioPid", s.AudioPid()},
          {"pcrPid", s.PcrPid()},
          {"locked", s.Locked()},
          {"scrambled", s.Scrambled()},
          {"caSystems", caSystems},
          {"language", Latin1ToUtf8(s.Language())}};
}

Json FavouriteJson(int group, const TFavGroup& g) {
  Json entries = Json::array();
  for (int i = 0; i < g.Count(); ++i) entries.push_back(g.Entry(i));
  return {{"group", group}, {"name", Latin1ToUtf8(g.Name())}, {"entries", entries}};
}

}  // namespace

nlohmann::ordered_json DatabaseJson(const ChannelDatabase& db) {
  Json satellites = Json::array();
  for (int slot = 0; slot < kSatelliteCapacity; ++slot) {
    const TSatellite& s = db.Config.Satellites[slot];
    if (s.InUse()) satellites.push_back(SatelliteJson(slot, s));
  }
  Json transponders = Json::array();
  for (int slot = 0; slot < db.TransponderCount; ++slot) {
    transponders.push_back(TransponderJson(slot, db.Transponders[slot]));
  }
  Json services = Json::array();
  for (int slot = 0; slot < db.ServiceCount; ++slot) {
    services.push_back(ServiceJson(slot, db.Services[slot]));
  }
  Json favourites = Json::array();
  for (int group = 0; group < kFavGroupCount; ++group) {
    favourites.push_back(FavouriteJson(group, db.Config.FavGroups[group]));
  }
  return {{"satellites", satellites},
          {"transponders", transponders},
          {"services", services},
          {"favourites", favourites}};
}
