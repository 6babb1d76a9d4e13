#include "shell/main_form.h"

#include <exception>

#include "channelfile/save_channel_file.h"
#include "database/fav_groups.h"

TForm1::TForm1(Platform& platform, FileSystem& files, const std::string& currentDirectory)
    : platform_(platform), files_(files) {
  Path.readOnly = true;
  Open.caption = "Open";
  Save.caption = "Save";
  SpeedButton9.caption = "Help";
  PageControl1.pages = {"Edit Satellites", "Edit Transponders", "Edit Channels", "Edit Favourites"};
  FormCreate(currentDirectory);

  PageControl1.activePageIndex = kSatellitesPage;
  PageControl1.enabled = false;
  satellites.WriteHeaderTexts();
  transponders.WriteHeaderTexts();
  channels.WriteHeaderTexts();
  favourites.WriteHeaderTexts();
  StatusBar1.simpleText = "Idle";
}

void TForm1::FormCreate(const std::string& currentDirectory) {
  // The help file is looked for in the folder that is current at start-up.
  std::string folder = currentDirectory;
  if (folder.empty() || folder.back() != '/') folder += '/';
  HelpFilePath = folder + kHelpFileName;
}

void TForm1::OpenClick() {
  const std::optional<std::string> chosen =
      platform_.ChooseFileToOpen({"VORN Channel Files (*.vcn)", "vcn", session.paths.FileFolder});
  if (!chosen) return;
  PageControl1.activePageIndex = kSatellitesPage;
  if (OpenChannelFile(*chosen, *database, session, Services())) return;

  Path.text = session.paths.FilePath;
  ResetChannelView(channelFilter);
  PageControl1.activePageIndex = kSatellitesPage;
  PageControl1Change();
  PageControl1.enabled = true;
}

void TForm1::SaveClick() {
  WriteChannelFile(*database, session, Services());
  StatusBar1.simpleText = "Idle";
}

void TForm1::SpeedButton9Click() {
  platform_.OpenDocument(HelpFilePath);
}

void TForm1::suiImagePanel1Click() {
  platform_.OpenDocument(kUserGuideAddress);
}

void TForm1::PageControl1Change() {
  switch (PageControl1.activePageIndex) {
    case kSatellitesPage:
      satellites.FillSatelliteList();
      break;
    case kTranspondersPage:
      transponders.FillTransponderPage();
      break;
    case kChannelsPage:
      channels.RefreshChannelPage();
      break;
    case kFavouritesPage:
      ReconcileFavourites(*database);
      favourites.ShowFavouritesPage();
      break;
    default:
      break;
  }
}

void TForm1::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("");
  }
}

void TForm1::ShowException(const std::string& message) {
  std::string text = message;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  platform_.ShowMessage(text, kApplicationTitle, MessageIcon::Error);
}
