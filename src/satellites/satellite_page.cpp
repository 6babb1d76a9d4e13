#include "satellites/satellite_page.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "satellites/position_entry.h"
#include "satellites/satellite_texts.h"
#include "ui/integer_text.h"

namespace {

// The highest frequency, in MHz, a User LNB may be given.
constexpr int kUserLnbLimit = 10750;

enum DiseqcTypeCode : int {
  kDiseqcNone = 0,
  kDiseqcToneBurst = 1,
  kDiseqcSwitch11 = 3,
  kDiseqcGotoX = 5,
};

struct LnbPair {
  std::uint16_t low;
  std::uint16_t high;
};

// Universal and Normal LNBs have a fixed pair; a User LNB carries its own.
std::optional<LnbPair> FixedLnbPair(int lnbType) {
  switch (lnbType) {
    case kLnbUniversal:
      return LnbPair{9750, 10600};
    case kLnbNormal:
      return LnbPair{5150, 5750};
    default:
      return std::nullopt;
  }
}

struct Lnb {
  unsigned type;
  LnbPair pair;
};

// The LNB the panel describes. A User pair outside the limits silently becomes Universal, as the
// receiver cannot tune it. The limits are tested on the numbers as typed, so 76136 does not pass
// as the 10600 its low 16 bits would store.
Lnb ReadLnb(int item, const MaskEdit& lowBox, const MaskEdit& highBox) {
  if (const std::optional<LnbPair> fixed = FixedLnbPair(item)) {
    return {static_cast<unsigned>(item), *fixed};
  }
  const int low = StrToInt(Trimmed(lowBox.text));
  const int high = StrToInt(Trimmed(highBox.text));
  const auto withinLimit = [](int mhz) { return mhz >= 0 && mhz <= kUserLnbLimit; };
  if (!withinLimit(low) || !withinLimit(high) || low >= high) {
    return {kLnbUniversal, *FixedLnbPair(kLnbUniversal)};
  }
  return {kLnbUser, {static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high)}};
}

// Only ToneBurst and the two switches address a port; the other types always store port 0.
bool HasPortChoice(int diseqcType) {
  return diseqcType >= kDiseqcToneBurst && diseqcType <= kDiseqcSwitch11;
}

// ToneBurst reaches two LNBs; every other type lists all four ports.
std::vector<std::string> PortItems(int diseqcType) {
  if (diseqcType == kDiseqcToneBurst) return {"Port A", "Port B"};
  return {"Port A", "Port B", "Port C", "Port D"};
}

std::string FrequencyText(std::uint16_t mhz) {
  char text[8];
  std::snprintf(text, sizeof text, "%05d", mhz);
  return text;
}

template <class C>
C Captioned(std::string caption) {
  C control;
  control.caption = std::move(caption);
  return control;
}

RadioGroup Choice(std::string caption, std::vector<std::string> items, int columns = 1) {
  RadioGroup group = Captioned<RadioGroup>(std::move(caption));
  group.items = std::move(items);
  group.columns = columns;
  return group;
}

MaskEdit NumberBox(std::string mask, int maxLength, std::string text) {
  MaskEdit box;
  box.mask = std::move(mask);
  box.maxLength = maxLength;
  box.text = std::move(text);
  return box;
}

}  // namespace

SatellitePage::SatellitePage(ChannelDatabase& db)
    : GroupBox1(Captioned<GroupBox>("Satellite Settings")),
      GroupBox2(Captioned<GroupBox>("Satellite Name")),
      GroupBox3(Captioned<GroupBox>("Orbital Position")),
      // One digit more than two before the comma, so positions of 100.0 degrees and more fit.
      MaskEdit1(NumberBox("999,9;1; ", 5, "00,0")),
      RadioGroup1(Choice("Orientation", {"West", "East"}, 2)),
      RadioGroup2(Choice("LNB Type", {"Universal", "Normal", "User"})),
      Label1(Captioned<StaticText>("Low Frequency")),
      Label2(Captioned<StaticText>("High frequency")),
      MaskEdit2(NumberBox("99999;1;_", 5, "00000")),
      MaskEdit3(NumberBox("99999;1;_", 5, "00000")),
      RadioGroup3(Choice("DiSEqC Type",
                         {"None", "ToneBurst", "Switch 1.0", "Switch 1.1", "Motor", "Goto X"})),
      RadioGroup4(Choice("DiSEqC Port", PortItems(kDiseqcNone))),
      SpeedButton1(Captioned<Button>("Apply Changes")),
      SpeedButton2(Captioned<Button>("Cancel")),
      SpeedButton3(Captioned<Button>("Add satellite")),
      db_(db) {
  SatGrid.colWidths = {40, 170, 72};
  // Nothing to edit until a file with satellites is shown.
  GroupBox1.enabled = false;
}

void SatellitePage::WriteHeaderTexts() {
  SatGrid.SetCell(0, 0, "Index");
  SatGrid.SetCell(1, 0, "Sat Name");
  SatGrid.SetCell(2, 0, "Position");
}

void SatellitePage::FillSatelliteList() {
  satelliteCount = CountSatellites(db_);
  SpeedButton3.enabled = satelliteCount < kSatelliteCapacity;
  if (satelliteCount == 0) {
    // A file without satellites must not go on showing the rows of the file opened before it.
    SatGrid.SetRowCount(SatGrid.fixedRows + 1);
    for (int col = 0; col < SatGrid.ColCount(); ++col) SatGrid.SetCell(col, 1, "");
    GroupBox1.enabled = false;
    return;
  }
  // The satellites in use are packed at the start of the table, so the count is also the number
  // of slots to list.
  SatGrid.SetRowCount(satelliteCount + 1);
  for (int slot = 0; slot < satelliteCount; ++slot) {
    SatGrid.SetCell(0, slot + 1, std::to_string(slot + 1));
    ShowInGrid(slot);
  }
  GroupBox1.enabled = true;
  ReloadSatellitePanel();
}

void SatellitePage::ShowSatellite(TSatellite s) {
  Edit1.text = s.Name();
  MaskEdit1.text = PositionEntryText(s.Position());
  // The orientation items are in code order; an unknown code keeps the choice shown before.
  if (s.Orientation() == kOrientationWest || s.Orientation() == kOrientationEast) {
    RadioGroup1.itemIndex = static_cast<int>(s.Orientation()) - 1;
  }

  // Code 3 has no item of its own and shows as User, with the pair the record carries.
  RadioGroup2.itemIndex = std::min(static_cast<int>(s.LnbType()), static_cast<int>(kLnbUser));
  if (!FixedLnbPair(RadioGroup2.itemIndex)) {
    heldLnbLow = s.LnbLowFreq();
    heldLnbHigh = s.LnbHighFreq();
  }
  RadioGroup2Click();
  // The stored pair shows whatever the type, so the user sees what the receiver gets.
  MaskEdit2.text = FrequencyText(s.LnbLowFreq());
  MaskEdit3.text = FrequencyText(s.LnbHighFreq());

  RadioGroup3.itemIndex =
      std::min(static_cast<int>(s.DiseqcType()), static_cast<int>(kDiseqcGotoX));
  RadioGroup3Click();
  if (HasPortChoice(static_cast<int>(s.DiseqcType()))) {
    const int lastPort = static_cast<int>(RadioGroup4.items.size()) - 1;
    RadioGroup4.itemIndex = std::min(static_cast<int>(s.DiseqcPort()), lastPort);
  }
}

void SatellitePage::ReloadSatellitePanel() {
  editCopy = CurrentSatellite();
  ShowSatellite(editCopy);
}

bool SatellitePage::SatGridSelectCell(int /*col*/, int /*row*/) {
  ReloadSatellitePanel();
  return true;
}

void SatellitePage::SatGridKeyDown(int key) {
  switch (key) {
    case kKeyInsert:
      SpeedButton3Click();
      break;
    case kKeyUp:
    case kKeyDown:
      ReloadSatellitePanel();
      break;
    default:
      break;
  }
}

void SatellitePage::SatGridMouseWheelDown() {
  ReloadSatellitePanel();
}

void SatellitePage::SatGridDrawCell() {
  ReloadSatellitePanel();
}

void SatellitePage::SpeedButton1Click() {
  // Both conversions run before anything is written, so a text that is not a number leaves the
  // table as it was.
  const std::uint16_t position = ReadPositionEntry(MaskEdit1.text);
  const Lnb lnb = ReadLnb(RadioGroup2.itemIndex, MaskEdit2, MaskEdit3);

  TSatellite& stored = CurrentSatellite();
  // Starting from the stored record keeps every byte and bit the panel does not show.
  editCopy = stored;
  editCopy.SetPosition(position);
  if (RadioGroup1.itemIndex >= 0) editCopy.SetOrientation(RadioGroup1.itemIndex + 1);
  editCopy.SetLnbType(lnb.type);
  editCopy.SetLnbLowFreq(lnb.pair.low);
  editCopy.SetLnbHighFreq(lnb.pair.high);
  if (const int type = RadioGroup3.itemIndex; type >= 0) {
    editCopy.SetDiseqcType(static_cast<unsigned>(type));
    editCopy.SetDiseqcPort(HasPortChoice(type) ? static_cast<unsigned>(RadioGroup4.itemIndex) : 0);
  }
  // Clears the whole field and cuts a longer name to the 19 characters it holds.
  editCopy.SetName(Edit1.text);
  stored = editCopy;

  // Shows what was stored, so a User pair that failed the limits shows up as Universal.
  ReloadSatellitePanel();
  ShowInGrid(SatGrid.row - 1);
}

void SatellitePage::SpeedButton2Click() {
  ReloadSatellitePanel();
}

void SatellitePage::SpeedButton3Click() {
  if (satelliteCount >= kSatelliteCapacity) return;
  const int n = AppendSatellite() + 1;
  SatGrid.SetRowCount(n + 1);
  // Selecting the new row reloads the panel from the row current until now, dropping unapplied
  // edits; applying that panel to the new row makes the new satellite a copy of the one selected.
  SatGridSelectCell(0, n);
  SatGrid.SelectRow(n);
  SatGrid.SetCell(0, n, std::to_string(n));
  if (n >= kSatelliteCapacity) SpeedButton3.enabled = false;
  // The first satellite of an empty table must be editable at once.
  GroupBox1.enabled = true;
  SpeedButton1Click();
}

void SatellitePage::RadioGroup2Click() {
  const std::optional<LnbPair> fixed = FixedLnbPair(RadioGroup2.itemIndex);
  if (fixed) {
    heldLnbLow = fixed->low;
    heldLnbHigh = fixed->high;
  }
  MaskEdit2.enabled = !fixed;
  MaskEdit3.enabled = !fixed;
  MaskEdit2.text = FrequencyText(heldLnbLow);
  MaskEdit3.text = FrequencyText(heldLnbHigh);
}

void SatellitePage::RadioGroup3Click() {
  const int type = RadioGroup3.itemIndex;
  if (type < 0) return;
  RadioGroup4.items = PortItems(type);
  RadioGroup4.enabled = HasPortChoice(type);
  RadioGroup4.itemIndex = 0;
}

int SatellitePage::AppendSatellite() {
  if (satelliteCount >= kSatelliteCapacity) return -1;
  TSatellite& slot = db_.Config.Satellites[static_cast<std::size_t>(satelliteCount)];
  slot.SetInUse(true);
  slot.SetOrientation(kOrientationWest);
  return satelliteCount++;
}

TSatellite& SatellitePage::CurrentSatellite() {
  return db_.Config.Satellites.at(static_cast<std::size_t>(SatGrid.row - 1));
}

void SatellitePage::ShowInGrid(int slot) {
  const TSatellite& s = db_.Config.Satellites[static_cast<std::size_t>(slot)];
  SatGrid.SetCell(1, slot + 1, s.Name());
  SatGrid.SetCell(2, slot + 1, PositionText(s));
}
