#include "app/vntoption.h"

#include "platform/settings_store.h"

namespace vnt {

TFormOptions::TFormOptions(ui::Application& app, Ports& ports)
    : DialogForm(app, "FormOptions", "Options", 330, 189, 300), ports_(ports) {
  BuildServers();
  BuildPings();
  pbOK = Place<ui::Button>(this, "pbOK", 248, 13, 75, 25, "&OK");
  pbOK->SetDefault(true);
  pbOK->ModalResult = ui::mrOk;
  pbCancel = Place<ui::Button>(this, "pbCancel", 248, 44, 75, 25, "&Cancel");
  pbCancel->ModalResult = ui::mrCancel;
  pbCancel->OnClick = [this] { pbCancelClick(); };
  pbDefaults = Place<ui::Button>(this, "pbDefaults", 248, 75, 75, 25, "&Defaults");
  pbDefaults->OnClick = [this] { pbDefaultsClick(); };
  pbButton = Place<ui::Button>(this, "pbButton", 248, 106, 75, 25, "&Help");
  pbButton->OnClick = [this] { pbButtonClick(); };
  OnCreate = [this] { LoadOptions(); };
  OnShow = [this] { FormShow(); };
  OnClose = [this](ui::CloseAction&) { FormClose(); };
}

void TFormOptions::BuildServers() {
  pgbServers = Place<ui::GroupBox>(this, "pgbServers", 8, 8, 130, 173, "Servers");
  plblPreferred = Place<ui::Label>(pgbServers, "plblPreferred", 10, 20, 100, 13, "&Preferred:");
  pcbPreferred = Place<ui::ComboBox>(pgbServers, "pcbPreferred", 10, 36, 110, 21);
  pcbPreferred->SetItems({"None", "Fastest", "Green", "Yellow", "Red", "Marked", "Marked + Fastest", "Marked + Green",
                          "Marked + Yellow", "Marked + Red"});
  pcbAutoConnect = Place<ui::CheckBox>(pgbServers, "pcbAutoConnect", 10, 68, 110, 17, "&Auto Connect");
  prbStarcraft = Place<ui::RadioButton>(pgbServers, "prbStarcraft", 26, 88, 94, 17, "&Starcraft");
  prbDiablo = Place<ui::RadioButton>(pgbServers, "prbDiablo", 26, 108, 94, 17, "Dia&blo");
  pcbDetectUpdates = Place<ui::CheckBox>(pgbServers, "pcbDetectUpdates", 10, 140, 110, 17, "Detect Updates");
  // As designed: Auto Connect off with its two choices disabled, Starcraft chosen.
  prbStarcraft->SetChecked(true);
  prbStarcraft->SetEnabled(false);
  prbDiablo->SetEnabled(false);
  pcbAutoConnect->OnClick = [this] { pcbAutoConnectClick(); };
}

ui::UpDown* TFormOptions::PositionRow(const char* label, const char* edit, const char* updown, int top, int min,
                                      int max, int step, ui::Label*& lbl, ui::Edit*& pe) {
  const std::string name = std::string("plbl") + (edit + 2);
  lbl = Place<ui::Label>(pgbPings, name, 10, top, 70, 13, label);
  pe = Place<ui::Edit>(pgbPings, edit, 10, top + 16, 55, 21);
  pe->SetReadOnly(true);
  ui::UpDown* ud = Place<ui::UpDown>(pgbPings, updown, 65, top + 16, 16, 21);
  ud->SetRange(min, max);
  ud->Increment = step;
  ud->Wrap = true;
  ud->SetAssociate(pe);
  return ud;
}

void TFormOptions::BuildPings() {
  pgbPings = Place<ui::GroupBox>(this, "pgbPings", 144, 8, 96, 173, "Pings");
  pudCount = PositionRow("Cou&nt:", "peCount", "pudCount", 20, 1, 99, 1, plblCount, peCount);
  pudSize = PositionRow("Si&ze:", "peSize", "pudSize", 68, 1, 999, 1, plblSize, peSize);
  pudTimeout = PositionRow("&Timeout:", "peTimeout", "pudTimeout", 116, 1, 10000, 100, plblTimeout, peTimeout);
}

void TFormOptions::LoadOptions() {
  platform::SettingsStore store(ports_.Registry);
  pudCount->SetPosition(store.ReadInteger("PacketCount", 3));
  pudSize->SetPosition(store.ReadInteger("PacketSize", 56));
  pudTimeout->SetPosition(store.ReadInteger("PacketTimeout", 1000));
  pcbPreferred->SetItemIndex(store.ReadInteger("ServerPreferred", 1));
  pcbAutoConnect->SetChecked(store.ReadBool("ServerAutoConnect", false));
  prbStarcraft->SetChecked(store.ReadBool("ServerStarcraft", true));
  pcbDetectUpdates->SetChecked(store.ReadBool("ServerDetectUpdates", true));
  prbDiablo->SetChecked(!prbStarcraft->Checked());
  loaded_ = {static_cast<int16_t>(pudCount->Position()), static_cast<int16_t>(pudSize->Position()),
             static_cast<int16_t>(pudTimeout->Position()), pcbPreferred->ItemIndex(), pcbAutoConnect->Checked(),
             prbDiablo->Checked(), prbStarcraft->Checked(), pcbDetectUpdates->Checked()};
}

void TFormOptions::FormShow() {
  LoadOptions();
  pbOK->SetFocus();
}

void TFormOptions::FormClose() {
  platform::SettingsStore store(ports_.Registry);
  store.WriteInteger("PacketCount", pudCount->Position());
  store.WriteInteger("PacketSize", pudSize->Position());
  store.WriteInteger("PacketTimeout", pudTimeout->Position());
  store.WriteInteger("ServerPreferred", pcbPreferred->ItemIndex());
  store.WriteBool("ServerAutoConnect", pcbAutoConnect->Checked());
  store.WriteBool("ServerStarcraft", prbStarcraft->Checked());
  store.WriteBool("ServerDetectUpdates", pcbDetectUpdates->Checked());
}

void TFormOptions::Apply(const Values& v) {
  pudCount->SetPosition(v.Count);
  pudSize->SetPosition(v.Size);
  pudTimeout->SetPosition(v.Timeout);
  pcbPreferred->SetItemIndex(v.Preferred);
  pcbAutoConnect->SetChecked(v.AutoConnect);
  prbStarcraft->SetChecked(v.Starcraft);
  prbDiablo->SetChecked(v.Diablo);
  pcbDetectUpdates->SetChecked(v.DetectUpdates);
}

void TFormOptions::pbCancelClick() { Apply(loaded_); }

void TFormOptions::pbDefaultsClick() { Apply({3, 56, 1000, 1, false, false, true, true}); }

void TFormOptions::pcbAutoConnectClick() {
  prbStarcraft->SetEnabled(pcbAutoConnect->Checked());
  prbDiablo->SetEnabled(pcbAutoConnect->Checked());
}

void TFormOptions::pbButtonClick() { App().HelpTopic("vntrOptionsDialogBoxReference"); }

}  // namespace vnt
