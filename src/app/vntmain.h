#pragma once
// The main window: toolbar, server list, status bar, menus, and the program-wide state.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/ports.h"
#include "platform/ping.h"
#include "platform/registry.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/imagelist.h"
#include "ui/listview.h"
#include "ui/menu.h"
#include "ui/statusbar.h"
#include "ui/toolbar.h"

namespace vnt {

class TFormMain : public ui::Form {
 public:
  TFormMain(ui::Application& app, Ports& ports);

  // Controls and components, as the form description names them.
  ui::ToolBar* ptb;
  ui::ToolButton *ptbConnectWithStarcraft, *ptbConnectWithDiablo, *ptbPingSelected, *ptbPingAll, *ptbContents;
  ui::ListView* plv;
  ui::StatusBar* psb;
  ui::MainMenu* pmm;
  ui::PopupMenu* ppm;
  ui::MenuItem *pmnuFile, *pmiNew, *pmiOpen, *pmiSave, *pmiSaveAs, *pmiImport, *pmiExit;
  ui::MenuItem *pmnuEdit, *pmiMark, *pmiUnmark, *pmiAdd, *pmiRemove;
  ui::MenuItem *pmnuTools, *pmiConnectWithStarcraft, *pmiConnectWithDiablo, *pmiPingSelected, *pmiPingAll;
  ui::MenuItem *pmiSortBy, *pmiTimesLowToHigh, *pmiTimesHighToLow, *pmiServersAToZ, *pmiServersZToA, *pmiOptions;
  ui::MenuItem *pmnuHelp, *pmiContents, *pmiAbout;
  ui::MenuItem *ppmiConnectWithStarcraft, *ppmiConnectWithDiablo, *ppmiPingSelected, *ppmiPingAll;
  ui::FileDialog *pod, *psd;
  ui::ImageList *pilToolbarEnabled, *pilToolbarDisabled, *pilServerStates;
  platform::TPing Ping;

  // Program-wide state.
  int8_t SortMethod = 2;
  bool Modified() const { return modified_; }
  bool FirstActivation() const { return firstActivation_; }
  const std::string& LastFileName() const { return lastFile_; }
  platform::FileTime StoredStamp() const { return stamp_; }

  // Start-up and closing.
  void FormCreate();
  void FormActivate();
  void FormClose(ui::CloseAction& action);
  void AutoConnect();

  // Commands and their enabling.
  void EnableCommands();
  void PlaceDialog(ui::Form& dialog);
  void ApplyPingOptions();
  void pmiExitClick();
  void pmiContentsClick();
  void pmiAboutClick();
  void pmiOptionsClick();

  // Editing the list.
  void pmiAddClick();
  void pmiRemoveClick();
  void pmiMarkClick() { MarkSelected(0); }
  void pmiUnmarkClick() { MarkSelected(1); }
  void plvDblClick() { MarkSelected(2); }
  void MarkSelected(unsigned mode);
  void ClearSelection();
  static bool IsMarked(const ui::ListItem& item) { return item.StateIndex() >= 4; }

  // Sorting.
  void plvCompare(ui::ListItem* item1, ui::ListItem* item2, int data, int& compare);
  void SetSortMethod(int code);
  void plvColumnClick(int column);

  // Preferred servers.
  void SelectPreferred(int criterion);
  void SelectFastest(int count, bool markedOnly);
  void SelectByColor(int limit, bool markedOnly);
  void SelectMarked();

  // The ping run.
  void PingServers(bool selectedOnly);
  void pmiPingSelectedClick() { PingServers(true); }
  void pmiPingAllClick() { PingServers(false); }

  // Server list files.
  void pmiNewClick();
  void pmiOpenClick();
  void pmiSaveClick();
  void pmiSaveAsClick();
  bool OpenServerList(const std::string& path);
  bool SaveServerList(const std::string& path);
  bool CanClose();
  static std::string GetFileNameWithoutPath(const std::string& path);
  void LinesToList(const std::vector<std::string>& lines);
  void ListToLines(std::vector<std::string>& lines) const;

 private:
  void BuildToolBar();
  void BuildMenus();
  void BuildList();
  void PingEntry(ui::ListItem& entry);
  Ports& ports_;
  bool modified_ = false;
  bool firstActivation_ = false;
  std::string lastFile_;
  platform::FileTime stamp_;
};

inline TFormMain* FormMain = nullptr;

}  // namespace vnt
