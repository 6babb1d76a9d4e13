#pragma once

#include "ui/controls.h"

// The "Edit Transponders" page. So far it holds its grid; its list and panel are still to come.
class TransponderPage {
 public:
  TransponderPage();

  StringGrid TpGrid{4, 0};

  // Row 0 of the grid: "Frequency", "Polarity", "Symbol Rate", "F.E.C".
  void WriteHeaderTexts();
  void FillTransponderPage() {}
};
