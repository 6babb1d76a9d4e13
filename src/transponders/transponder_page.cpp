#include "transponders/transponder_page.h"

TransponderPage::TransponderPage() {
  TpGrid.colWidths = {66, 56, 68, 59};
  TpGrid.rangeSelect = true;
}

void TransponderPage::WriteHeaderTexts() {
  TpGrid.SetCell(0, 0, "Frequency");
  TpGrid.SetCell(1, 0, "Polarity");
  TpGrid.SetCell(2, 0, "Symbol Rate");
  TpGrid.SetCell(3, 0, "F.E.C");
}
