// The main window's form description: its controls, menus and the handler of each command.
#include "app/vntmain.h"

namespace vnt {
namespace {

constexpr const char* kListFilter = "VNTR server list (*.vnt)|*.vnt|All files (*.*)|*.*";

ui::MenuItem* Item(ui::MenuItem* parent, const char* name, const char* caption, int help, const char* hint = "") {
  ui::MenuItem* item = parent->Add(name, caption, help);
  item->Hint = hint;
  return item;
}

}  // namespace

TFormMain::TFormMain(ui::Application& app, Ports& ports) : ui::Form(app, "FormMain"), Ping(ports.Echo), ports_(ports) {
  SetCaption("VNTR");
  SetBounds({app.Scale(192), app.Scale(108), app.Scale(203), app.Scale(273)});
  HelpContext = 1;
  pilToolbarEnabled = Own<ui::ImageList>("pilToolbarEnabled", 16, 16, "TOOLBAR_ENABLED", 5);
  pilToolbarDisabled = Own<ui::ImageList>("pilToolbarDisabled", 16, 16, "TOOLBAR_DISABLED", 5);
  pilServerStates = Own<ui::ImageList>("pilServerStates", 25, 16, "SERVER_STATES", 8);
  pod = Own<ui::FileDialog>(app, ui::FileDialog::Kind::Open, "pod");
  pod->Title = "Open Server List";
  pod->Filter = kListFilter;
  psd = Own<ui::FileDialog>(app, ui::FileDialog::Kind::Save, "psd");
  psd->Title = "Save Server List";
  psd->Filter = kListFilter;
  Ping.Tag = 1;
  Ping.Size = 56;
  Ping.Timeout = 1500;
  Ping.TTL = 64;
  BuildMenus();
  BuildToolBar();
  BuildList();
  SetMenu(pmm);
  SetActiveControl(plv);
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
}

void TFormMain::BuildToolBar() {
  ptb = Own<ui::ToolBar>(this, "ptb");
  ptb->SetAlign(ui::Align::Top);
  ptb->SetHeight(App().Scale(26));
  ptb->HelpContext = 200;
  ptb->Images = pilToolbarEnabled;
  ptb->DisabledImages = pilToolbarDisabled;
  ptbConnectWithStarcraft = ptb->AddButton("ptbConnectWithStarcraft", 23, "Connect with Starcraft", 0);
  ptbConnectWithDiablo = ptb->AddButton("ptbConnectWithDiablo", 23, "Connect with Diablo", 1);
  ptb->AddSeparator("ToolButton1", 8);
  ptbPingSelected = ptb->AddButton("ptbPingSelected", 23, "Ping Selected Servers", 2);
  ptbPingAll = ptb->AddButton("ptbPingAll", 23, "Ping All Servers", 3);
  ptb->AddSeparator("ptbSeperator2", 8);
  ptbContents = ptb->AddButton("ptbContents", 23, "Help Contents", 4);
  ptbPingSelected->OnClick = [this] { pmiPingSelectedClick(); };
  ptbPingAll->OnClick = [this] { pmiPingAllClick(); };
  ptbContents->OnClick = [this] { pmiContentsClick(); };
}

void TFormMain::BuildList() {
  plv = Own<ui::ListView>(this, "plv");
  plv->SetAlign(ui::Align::Client);
  plv->AddColumn("Servers", App().Scale(125));
  plv->AddColumn("Times", App().Scale(50));
  plv->MultiSelect = true;
  plv->RowSelect = true;
  plv->HideSelection = false;
  plv->ReadOnly = true;
  plv->SetStateImages(pilServerStates);
  plv->Popup = ppm;
  plv->OnChange = [this](ui::ListItem*) { EnableCommands(); };
  plv->OnDblClick = [this] { plvDblClick(); };
  plv->OnColumnClick = [this](int column) { plvColumnClick(column); };
  plv->OnCompare = [this](ui::ListItem* a, ui::ListItem* b, int data, int& result) { plvCompare(a, b, data, result); };
  psb = Own<ui::StatusBar>(this, "psb");
  psb->SetAlign(ui::Align::Bottom);
  psb->SetHeight(App().Scale(19));
  psb->PanelWidth = App().Scale(50);
}

void TFormMain::BuildMenus() {
  pmm = Own<ui::MainMenu>("pmm");
  ui::MenuItem* bar = &pmm->Items;
  pmnuFile = Item(bar, "pmnuFile", "&File", 100, "File Commands");
  pmiNew = Item(pmnuFile, "pmiNew", "&New", 100);
  pmiOpen = Item(pmnuFile, "pmiOpen", "&Open...", 100);
  pmiSave = Item(pmnuFile, "pmiSave", "&Save", 100);
  pmiSaveAs = Item(pmnuFile, "pmiSaveAs", "Sa&ve As...", 100);
  pmnuFile->Add("N8", "-");
  pmiImport = Item(pmnuFile, "pmiImport", "&Import...", 100);
  pmnuFile->Add("N3", "-");
  pmiExit = Item(pmnuFile, "pmiExit", "E&xit", 100, "Exit");

  pmnuEdit = Item(bar, "pmnuEdit", "&Edit", 110);
  pmiMark = Item(pmnuEdit, "pmiMark", "&Mark", 110);
  pmiUnmark = Item(pmnuEdit, "pmiUnmark", "&Unmark", 110);
  pmnuEdit->Add("N7", "-");
  pmiAdd = Item(pmnuEdit, "pmiAdd", "&Add...", 110, "Add Server");
  pmiRemove = Item(pmnuEdit, "pmiRemove", "&Remove", 110, "Remove Server");

  pmnuTools = Item(bar, "pmnuTools", "&Tools", 120, "Tools Commands");
  pmiConnectWithStarcraft = Item(pmnuTools, "pmiConnectWithStarcraft", "&Connect with Starcraft", 120, "Connect");
  pmiConnectWithDiablo = Item(pmnuTools, "pmiConnectWithDiablo", "Co&nnect with Diablo", 120);
  pmnuTools->Add("N2", "-");
  pmiPingSelected = Item(pmnuTools, "pmiPingSelected", "&Ping Selected", 120, "Ping");
  pmiPingAll = Item(pmnuTools, "pmiPingAll", "Pin&g All", 120, "Ping All");
  pmnuTools->Add("N1", "-");
  pmiSortBy = Item(pmnuTools, "pmiSortBy", "&Sort By", 120);
  pmiTimesLowToHigh = Item(pmiSortBy, "pmiTimesLowToHigh", "Times, Low to High", 120);
  pmiTimesHighToLow = Item(pmiSortBy, "pmiTimesHighToLow", "Times, High to Low", 120);
  pmiServersAToZ = Item(pmiSortBy, "pmiServersAToZ", "Servers, A to Z", 120);
  pmiServersZToA = Item(pmiSortBy, "pmiServersZToA", "Servers, Z to A", 120);
  for (ui::MenuItem* radio : pmiSortBy->Items()) radio->RadioItem = true;
  pmnuTools->Add("N6", "-");
  pmiOptions = Item(pmnuTools, "pmiOptions", "&Options...", 120);

  pmnuHelp = Item(bar, "pmnuHelp", "&Help", 130, "Help Commands");
  pmiContents = Item(pmnuHelp, "pmiContents", "&Contents", 130, "Help Contents");
  pmnuHelp->Add("N4", "-");
  pmiAbout = Item(pmnuHelp, "pmiAbout", "&About VNTR...", 130);

  ppm = Own<ui::PopupMenu>("ppm");
  ppm->Items.HelpContext = 400;
  ppmiConnectWithStarcraft = Item(&ppm->Items, "ppmiConnectWithStarcraft", "&Connect with Starcraft", 400);
  ppmiConnectWithDiablo = Item(&ppm->Items, "ppmiConnectWithDiablo", "Co&nnect with Diablo", 400);
  ppm->Items.Add("N5", "-");
  ppmiPingSelected = Item(&ppm->Items, "ppmiPingSelected", "&Ping Selected", 400);
  ppmiPingAll = Item(&ppm->Items, "ppmiPingAll", "Pin&g All", 400);

  pmiNew->OnClick = [this] { pmiNewClick(); };
  pmiOpen->OnClick = [this] { pmiOpenClick(); };
  pmiSave->OnClick = [this] { pmiSaveClick(); };
  pmiSaveAs->OnClick = [this] { pmiSaveAsClick(); };
  pmiExit->OnClick = [this] { pmiExitClick(); };
  pmiMark->OnClick = [this] { pmiMarkClick(); };
  pmiUnmark->OnClick = [this] { pmiUnmarkClick(); };
  pmiAdd->OnClick = [this] { pmiAddClick(); };
  pmiRemove->OnClick = [this] { pmiRemoveClick(); };
  pmiPingSelected->OnClick = ppmiPingSelected->OnClick = [this] { pmiPingSelectedClick(); };
  pmiPingAll->OnClick = ppmiPingAll->OnClick = [this] { pmiPingAllClick(); };
  pmiTimesLowToHigh->OnClick = [this] { SetSortMethod(2); };
  pmiTimesHighToLow->OnClick = [this] { SetSortMethod(3); };
  pmiServersAToZ->OnClick = [this] { SetSortMethod(0); };
  pmiServersZToA->OnClick = [this] { SetSortMethod(1); };
  pmiOptions->OnClick = [this] { pmiOptionsClick(); };
  pmiContents->OnClick = [this] { pmiContentsClick(); };
  pmiAbout->OnClick = [this] { pmiAboutClick(); };
}

}  // namespace vnt
