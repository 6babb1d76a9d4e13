#include "channels/channel_page.h"

#include "database/fav_groups.h"

ChannelPage::ChannelPage(ChannelDatabase& db) : db_(db) {
  ChGrid.colWidths = {40, 157, 40, 40, 40, 40, 40, 40};
  ChGrid.rangeSelect = true;
  Lock = {{false}, "Lock/Unlock Selected", "Ctrl+L"};
  for (std::size_t g = 0; g < Fav.size(); ++g) {
    const std::string number = std::to_string(g + 1);
    Fav[g] = {{false}, "Add to/Remove from Fav" + number, "Ctrl+F" + number};
  }
  DeleteCh = {{false}, "Delete Selected", "Del"};
}

void ChannelPage::WriteHeaderTexts() {
  const char* headers[] = {"Num.", "Name", "Lock", "Fav 1", "Fav 2", "Fav 3", "Fav 4", "Fav 5"};
  for (int col = 0; col < 8; ++col) ChGrid.SetCell(col, 0, headers[col]);
}

void ChannelPage::RefreshChannelPage() {
  ReconcileFavourites(db_);
}
