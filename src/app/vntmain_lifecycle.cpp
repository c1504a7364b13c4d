// The main window's start-up, activation and close.
#include "app/vntmain.h"
#include "platform/settings_store.h"

namespace vnt {

void TFormMain::FormCreate() {
  platform::SettingsStore store(ports_.Registry);
  App().OnActivate = [this] { FormActivate(); };
  // Each value is applied before the next is read; the window's value now is the default.
  SetTop(store.ReadInteger("WindowTop", Top()));
  SetLeft(store.ReadInteger("WindowLeft", Left()));
  SetWidth(store.ReadInteger("WindowWidth", Width()));
  SetHeight(store.ReadInteger("WindowHeight", Height()));
  plv->SetColumnWidth(0, store.ReadInteger("WindowColumnWidthServer", plv->Columns()[0].Width));
  plv->SetColumnWidth(1, store.ReadInteger("WindowColumnWidthPing", plv->Columns()[1].Width));
  SortMethod = static_cast<int8_t>(store.ReadInteger("SortMethod", SortMethod) & 0xFF);
  lastFile_ = store.ReadString("LastFile", "bnet.vnt");
  stamp_.Low = static_cast<uint32_t>(store.ReadInteger("LastServerListUpdateTimeLow", static_cast<int>(stamp_.Low)));
  stamp_.High = static_cast<uint32_t>(store.ReadInteger("LastServerListUpdateTimeHigh", static_cast<int>(stamp_.High)));
  SetSortMethod(SortMethod);
  pod->FileName = lastFile_;
  modified_ = false;
  firstActivation_ = true;
}

void TFormMain::FormActivate() {
  if (!firstActivation_) return;
  App().Widgets().Repaint(*this);
  // Cleared before the start-up sequence, which may show dialogs during which the
  // program is activated again.
  firstActivation_ = false;
  AutoConnect();
}

void TFormMain::AutoConnect() { OpenServerList(lastFile_); }

void TFormMain::FormClose(ui::CloseAction& action) {
  platform::SettingsStore store(ports_.Registry);
  if (!CanClose()) {
    action = ui::CloseAction::None;
    return;
  }
  store.WriteInteger("WindowTop", Top());
  store.WriteInteger("WindowLeft", Left());
  store.WriteInteger("WindowWidth", Width());
  store.WriteInteger("WindowHeight", Height());
  store.WriteInteger("WindowColumnWidthServer", plv->Columns()[0].Width);
  store.WriteInteger("WindowColumnWidthPing", plv->Columns()[1].Width);
  store.WriteInteger("SortMethod", SortMethod);
  store.WriteString("LastFile", pod->FileName);
}

}  // namespace vnt
