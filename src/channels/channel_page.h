#pragma once

#include <array>

#include "database/channel_database.h"
#include "ui/controls.h"

// The "Edit Channels" page. So far it holds its grid and pop-up menu and keeps the favourites in
// line whenever it is shown; the channel view and the panel are still to come.
class ChannelPage {
 public:
  explicit ChannelPage(ChannelDatabase& db);

  StringGrid ChGrid{8, 1};
  MenuItem Lock;
  std::array<MenuItem, 5> Fav;  // "Add to/Remove from Fav1" .. Fav5
  MenuItem DeleteCh;

  // Row 0 of the grid: "Num.", "Name", "Lock", "Fav 1" .. "Fav 5".
  void WriteHeaderTexts();
  void RefreshChannelPage();

 private:
  ChannelDatabase& db_;
};
