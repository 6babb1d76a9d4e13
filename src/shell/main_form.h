#pragma once

// The main window's logic: open, save, help, the page dispatch and the one place where an error
// escaping a handler is shown to the user.

#include <functional>
#include <memory>
#include <string>

#include "channelfile/channel_file_session.h"
#include "channelfile/file_system.h"
#include "channelfile/notifications.h"
#include "channelfile/open_channel_file.h"
#include "channels/channel_filter.h"
#include "channels/channel_page.h"
#include "database/channel_database.h"
#include "operations/favourites_page.h"
#include "satellites/satellite_page.h"
#include "transponders/transponder_page.h"
#include "ui/controls.h"
#include "ui/platform.h"

inline constexpr const char* kApplicationTitle = "V.O.R.N Z5 Duo PC Channel Editor V1.3";
inline constexpr const char* kHelpFileName = "Channel Editor.chm";
// The user guide shipped beside the program; the logo band and the link labels open it.
inline constexpr const char* kUserGuideAddress = "user-guide.html";

class TForm1 : private StatusSink {
 public:
  enum Page { kSatellitesPage = 0, kTranspondersPage, kChannelsPage, kFavouritesPage };

  TForm1(Platform& platform, FileSystem& files, const std::string& currentDirectory);

  // The controls of the window itself.
  Edit Path;
  Button Open;
  Button Save;
  Button SpeedButton9;  // "Help"
  PageControl PageControl1;
  StatusBar StatusBar1;

  // The pages and the state the window keeps for them.
  std::unique_ptr<ChannelDatabase> database = std::make_unique<ChannelDatabase>();
  ChannelFileSession session;
  ChannelFilter channelFilter;
  SatellitePage satellites{*database};
  TransponderPage transponders;
  ChannelPage channels{*database};
  FavouritesPage favourites;
  std::string HelpFilePath;

  void FormCreate(const std::string& currentDirectory);
  void OpenClick();
  void SaveClick();
  void SpeedButton9Click();
  void suiImagePanel1Click();
  void PageControl1Change();

  // Runs a handler; an error escaping it is shown in the standard exception box and the handler
  // does nothing further.
  void Run(const std::function<void()>& handler);
  void ShowException(const std::string& message);

 private:
  void SetStatus(std::string_view text) override { StatusBar1.simpleText = text; }
  ChannelFileServices Services() { return {files_, *this, platform_}; }

  Platform& platform_;
  FileSystem& files_;
};
