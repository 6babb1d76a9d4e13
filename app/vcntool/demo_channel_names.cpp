#include "demo_channel_names.h"

#include <array>
#include <string_view>

namespace {

// Texts are in the receiver's 8-bit character set, so the accented letters are single bytes.
constexpr std::array<std::string_view, 26> kBrands = {
    "Nova",    "Polaris", "Kestrel", "Orion",  "Alpina",      "Meridian", "T\xE9l\xE9 Soleil",
    "Boreal",  "Vesta",   "Atlas",   "Corona", "Kanal \"K\"", "Lumen",    "Zenit",
    "Horizon", "Sirius",  "Aurora",  "Delta",  "Falcon",      "Magnum",   "Nordic",
    "Sol",     "Stella",  "Terra",   "Vega",   "Zephyr"};

constexpr std::array<std::string_view, 15> kGenreNames = {
    "News",   "Sport", "Cinema",  "Kids",     "Music",  "Docs",   "Drama", "Comedy",
    "Travel", "Shop",  "Weather", "Classics", "Family", "Nature", "Night"};
static_assert(kGenreNames.size() == static_cast<std::size_t>(DemoGenre::Night) + 1);

constexpr std::array<std::string_view, 24> kCities = {
    "Berlin", "Z\xFCrich", "Milano",  "London", "Oslo",   "Madrid",  "Malm\xF6", "Wien",
    "Lyon",   "Porto",     "K\xF6ln", "Napoli", "Bergen", "Sevilla", "Leeds",    "Graz",
    "Bremen", "Torino",    "Bilbao",  "Aarhus", "Kazan",  "Dublin",  "Genova",   "Basel"};

struct RadioPattern {
  std::string_view before;
  std::string_view after;
};
constexpr std::array<RadioPattern, 4> kRadioPatterns = {
    {{"Radio ", ""}, {"", " FM"}, {"", " Jazz"}, {"Classic ", ""}}};

}  // namespace

DemoTvChannel DemoTvChannelAt(int n) {
  // A brand's channels come one after the other, a genre for each.
  const auto genre = static_cast<std::size_t>(n) % kGenreNames.size();
  const auto brand = (static_cast<std::size_t>(n) / kGenreNames.size()) % kBrands.size();
  return {std::string(kBrands[brand]) + " " + std::string(kGenreNames[genre]),
          static_cast<DemoGenre>(genre), static_cast<int>(brand)};
}

std::string DemoRadioNameAt(int n) {
  const RadioPattern& pattern = kRadioPatterns[static_cast<std::size_t>(n) % kRadioPatterns.size()];
  const auto city = (static_cast<std::size_t>(n) / kRadioPatterns.size()) % kCities.size();
  return std::string(pattern.before) + std::string(kCities[city]) + std::string(pattern.after);
}
