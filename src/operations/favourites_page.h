#pragma once

#include "ui/controls.h"

// The "Edit Favourites" page. So far it holds its grid and pop-up menu; the groups are still to
// come.
class FavouritesPage {
 public:
  FavouritesPage();

  StringGrid FavGrid{2, 1};
  MenuItem FavDelete;

  // Row 0 of the grid: "Num.", "Name".
  void WriteHeaderTexts();
  void ShowFavouritesPage() {}
};
