#include "demo_database.h"

#include <array>
#include <cstdint>

#include "database/fav_groups.h"
#include "demo_channel_names.h"

namespace {

enum DiseqcTypeCode : unsigned { kSwitch10 = 2, kMotor = 4, kGotoX = 5 };
enum PolarityCode : unsigned { kHorizontal = 0, kVertical = 1 };
enum FecCode : unsigned { kFec23 = 2, kFec34 = 3, kFec56 = 4, kFec78 = 5, kFecAuto = 6 };

// CA system families by their code.
constexpr std::uint8_t kMediaguard = 1, kViaccess = 5, kIrdeto = 6, kNds = 9, kConax = 11,
                       kCryptoWorks = 13, kNagravision = 24;

struct DemoSatellite {
  const char* name;
  std::uint16_t position;  // tenths of a degree
  unsigned orientation;
  unsigned lnbType;
  std::uint16_t lnbLowFreq, lnbHighFreq;
  unsigned diseqcType, diseqcPort;
  int transponders;
  bool cBand;
  const char* language;
  std::array<const char*, 3> providers;
  std::array<std::uint8_t, 2> caSystems;  // of its pay channels
};

constexpr unsigned kEast = kOrientationEast, kWest = kOrientationWest;

// A four-way switch for the big Ku-band positions, a motor for the rest.
// clang-format off
const std::array<DemoSatellite, 6> kSatellites = {{
//  name, position, side, LNB, oscillators (MHz), DiSEqC, port, transponders, C band, language;
//  providers; CA systems
    {"Astra 1",    192, kEast, kLnbUniversal,  9750, 10600, kSwitch10, 0, 24, false, "deu",
     {"Alpenfunk Media", "Rhein Sat", "Nordstern TV"}, {kNagravision, kIrdeto}},
    {"Hotbird",    130, kEast, kLnbUniversal,  9750, 10600, kSwitch10, 1, 22, false, "ita",
     {"Mediterranea", "Laguna Group", "Kultur, Kunst & Co"}, {kViaccess, kNds}},
    {"Astra 2",    282, kEast, kLnbUniversal,  9750, 10600, kSwitch10, 2, 18, false, "eng",
     {"Thames Vision", "Highland Media", "Free Skies"}, {kNds, kMediaguard}},
    {"Thor",         8, kWest, kLnbUniversal,  9750, 10600, kSwitch10, 3, 14, false, "nor",
     {"Nordlys", "Fjord Kanal", "Aurora Media"}, {kConax, kCryptoWorks}},
    {"Hispasat",   300, kWest, kLnbUser,      10000, 10750, kMotor,    0, 12, false, "spa",
     {"Iberia Sat", "Sol Media", "Atl\xE1ntico TV"}, {kNagravision, kMediaguard}},
    {"Express AM", 530, kEast, kLnbNormal,     5150,  5750, kGotoX,    0, 10, true,  "rus",
     {"Volga Media", "Ural Sat", "Baikal TV"}, {kIrdeto, kViaccess}},
}};
// clang-format on

constexpr std::array<std::uint16_t, 6> kSymbolRates = {27500, 22000, 29900, 30000, 27500, 23000};
constexpr std::array<unsigned, 5> kFecs = {kFec34, kFec56, kFec23, kFec78, kFecAuto};

enum DemoGroup { kNewsGroup, kSportGroup, kMoviesGroup, kKidsGroup, kRadioGroup };
constexpr std::array<const char*, kFavGroupCount> kGroupNames = {"News", "Sport", "Movies",
                                                                 "Kids & Family", "Radio"};

TSatellite MakeSatellite(const DemoSatellite& d) {
  TSatellite s;
  s.SetName(d.name);
  s.SetPosition(d.position);
  s.SetOrientation(d.orientation);
  s.SetInUse(true);
  s.SetLnbType(d.lnbType);
  s.SetLnbLowFreq(d.lnbLowFreq);
  s.SetLnbHighFreq(d.lnbHighFreq);
  s.SetDiseqcType(d.diseqcType);
  s.SetDiseqcPort(d.diseqcPort);
  return s;
}

// The k-th transponder of a satellite, spread over its band with alternating polarity.
TTransponder MakeTransponder(int satellite, int k) {
  const unsigned megahertz = kSatellites[satellite].cBand ? 3675 + 40 * k : 10729 + 83 * k;
  TTransponder t;
  t.SetSatIndex(static_cast<std::uint8_t>(satellite));
  t.SetFrequency(megahertz * 1000);
  t.SetSymbolRate(kSymbolRates[k % kSymbolRates.size()]);
  t.SetTpFlags(0x30);  // as the editor marks a transponder it adds
  t.SetFec(kFecs[k % kFecs.size()]);
  t.SetPolarity(k % 2 == 0 ? kHorizontal : kVertical);
  return t;
}

bool IsPayGenre(DemoGenre genre) {
  return genre == DemoGenre::Sport || genre == DemoGenre::Cinema || genre == DemoGenre::Drama ||
         genre == DemoGenre::Night;
}

// The favourite group a TV channel of this genre belongs to, or -1.
int GroupOf(DemoGenre genre) {
  switch (genre) {
    case DemoGenre::News:
      return kNewsGroup;
    case DemoGenre::Sport:
      return kSportGroup;
    case DemoGenre::Cinema:
    case DemoGenre::Drama:
    case DemoGenre::Classics:
      return kMoviesGroup;
    case DemoGenre::Kids:
    case DemoGenre::Family:
      return kKidsGroup;
    default:
      return -1;
  }
}

// Fills the parts every service has; the caller adds what makes it TV or radio.
TService MakeService(int slot, int tpSlot, int satellite, int tpOnSatellite, int k) {
  const DemoSatellite& d = kSatellites[satellite];
  TService s;
  s.SetIndex(static_cast<std::int16_t>(slot));
  s.SetProvider(d.providers[tpOnSatellite % d.providers.size()]);
  s.SetLanguage(d.language);
  s.SetTpIndex(static_cast<std::uint16_t>(tpSlot));
  s.SetServiceId(static_cast<std::uint16_t>(1001 + 10 * tpSlot + k));
  return s;
}

// Each returns the favourite group that lists the channel, or -1.
int MakeTv(TService& s, int tvNumber, int k, const DemoSatellite& d) {
  const DemoTvChannel channel = DemoTvChannelAt(tvNumber);
  s.SetName(channel.name);
  s.SetServiceType(kServiceTv);
  const auto video = static_cast<std::uint16_t>(160 + 32 * k);
  s.SetVideoPid(video);
  s.SetAudioPid(static_cast<std::uint16_t>(video + 1));
  s.SetPcrPid(video);
  // Most pay genres are scrambled; every third brand shows them free to air.
  if (IsPayGenre(channel.genre) && channel.brand % 3 != 2) {
    s.SetScrambled(true);
    s.SetCaSystem(0, d.caSystems[0]);
    if (tvNumber % 2 == 0) s.SetCaSystem(1, d.caSystems[1]);
  }
  s.SetLocked(channel.genre == DemoGenre::Night);
  return GroupOf(channel.genre);
}

int MakeRadio(TService& s, int radioNumber, int k) {
  s.SetName(DemoRadioNameAt(radioNumber));
  s.SetServiceType(kServiceRadio);
  const auto audio = static_cast<std::uint16_t>(1001 + 16 * k);
  s.SetAudioPid(audio);
  s.SetPcrPid(audio);
  return kRadioGroup;
}

}  // namespace

std::unique_ptr<ChannelDatabase> MakeDemoDatabase() {
  auto db = std::make_unique<ChannelDatabase>();
  ClearServices(*db);
  for (int g = 0; g < kFavGroupCount; ++g) {
    ClearFavGroup(*db, g);
    db->Config.FavGroups[g].SetName(kGroupNames[g]);
  }

  int tvNumber = 0;
  int radioNumber = 0;
  for (int satellite = 0; satellite < static_cast<int>(kSatellites.size()); ++satellite) {
    const DemoSatellite& d = kSatellites[satellite];
    db->Config.Satellites[satellite] = MakeSatellite(d);
    for (int tpOnSatellite = 0; tpOnSatellite < d.transponders; ++tpOnSatellite) {
      const int tpSlot = db->TransponderCount++;
      db->Transponders[tpSlot] = MakeTransponder(satellite, tpOnSatellite);
      // Three to six channels a transponder; every fifth carries a radio bouquet.
      const int channels = 3 + (3 * tpSlot) % 4;
      const bool radioBouquet = tpSlot % 5 == 4;
      for (int k = 0; k < channels; ++k) {
        const int slot = db->ServiceCount++;
        TService& s = db->Services[slot];
        s = MakeService(slot, tpSlot, satellite, tpOnSatellite, k);
        const int group =
            radioBouquet ? MakeRadio(s, radioNumber++, k) : MakeTv(s, tvNumber++, k, d);
        if (group >= 0) AddToFavGroup(*db, slot, group);
      }
    }
  }
  return db;
}
