#pragma once

// The "Edit Satellites" page: the satellite grid, the "Satellite Settings" panel beside it and
// their handlers. The panel always shows the stored record of the grid's current row; edits reach
// the table only through "Apply Changes", and every move or repaint of the grid drops them.

#include <cstdint>

#include "database/channel_database.h"
#include "ui/controls.h"

class SatellitePage {
 public:
  explicit SatellitePage(ChannelDatabase& db);

  StringGrid SatGrid{3, 1};
  GroupBox GroupBox1;
  GroupBox GroupBox2;
  GroupBox GroupBox3;
  Edit Edit1;
  MaskEdit MaskEdit1;
  RadioGroup RadioGroup1;
  RadioGroup RadioGroup2;
  StaticText Label1;
  StaticText Label2;
  MaskEdit MaskEdit2;
  MaskEdit MaskEdit3;
  RadioGroup RadioGroup3;
  RadioGroup RadioGroup4;
  Button SpeedButton1;
  Button SpeedButton2;
  Button SpeedButton3;

  int satelliteCount = 0;
  TSatellite editCopy;
  // The pair offered when the user switches the LNB type to "User".
  std::uint16_t heldLnbLow = 0;
  std::uint16_t heldLnbHigh = 0;

  // Row 0 of the grid: "Index", "Sat Name", "Position".
  void WriteHeaderTexts();

  void FillSatelliteList();
  void ShowSatellite(TSatellite s);
  void ReloadSatellitePanel();

  bool SatGridSelectCell(int col, int row);
  void SatGridKeyDown(int key);
  void SatGridMouseWheelDown();
  void SatGridDrawCell();

  // "Apply Changes"; throws ConversionError, before anything is stored, for an unreadable number.
  void SpeedButton1Click();
  // "Cancel"
  void SpeedButton2Click();
  // "Add satellite"
  void SpeedButton3Click();
  void RadioGroup2Click();
  void RadioGroup3Click();

  // Takes the slot after the satellites in use into use and returns its number, or -1 when all
  // slots are in use.
  int AppendSatellite();

 private:
  // The slot shown in the grid's current row.
  TSatellite& CurrentSatellite();
  // Columns 1 and 2 of the row that shows the slot.
  void ShowInGrid(int slot);

  ChannelDatabase& db_;
};
