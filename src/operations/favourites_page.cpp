#include "operations/favourites_page.h"

FavouritesPage::FavouritesPage() {
  FavGrid.colWidths = {40, 371};
  FavGrid.rangeSelect = true;
  FavGrid.rowMoving = true;
  FavDelete = {{false}, "Delete Selected", "Del"};
}

void FavouritesPage::WriteHeaderTexts() {
  FavGrid.SetCell(0, 0, "Num.");
  FavGrid.SetCell(1, 0, "Name");
}
