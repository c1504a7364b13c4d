// Enabling of the commands, placing of dialogs, and the commands whose work is all here.
#include "app/vntabout.h"
#include "app/vntmain.h"
#include "app/vntoption.h"

namespace vnt {

void TFormMain::EnableCommands() {
  const bool anySelected = plv->SelCount() > 0;
  const bool anyEntry = plv->Count() > 0;
  for (ui::MenuItem* item : {pmiRemove, ppmiConnectWithStarcraft, pmiConnectWithStarcraft, ppmiConnectWithDiablo,
                             pmiConnectWithDiablo, ppmiPingSelected, pmiPingSelected, pmiMark, pmiUnmark})
    item->SetEnabled(anySelected);
  for (ui::ToolButton* button : {ptbConnectWithStarcraft, ptbConnectWithDiablo, ptbPingSelected})
    button->SetEnabled(anySelected);
  pmiPingAll->SetEnabled(anyEntry);
  ptbPingAll->SetEnabled(anyEntry);
  pmiSortBy->SetEnabled(anyEntry);
}

void TFormMain::PlaceDialog(ui::Form& dialog) {
  dialog.SetLeft(Left() + App().Scale(25));
  dialog.SetTop(Top() + App().Scale(90));
}

void TFormMain::ApplyPingOptions() {
  Ping.Tag = FormOptions->pudCount->Position();
  Ping.Size = FormOptions->pudSize->Position();
  Ping.Timeout = FormOptions->pudTimeout->Position();
}

void TFormMain::pmiExitClick() { Close(); }

void TFormMain::pmiContentsClick() { App().HelpContents(); }

void TFormMain::pmiAboutClick() {
  PlaceDialog(*FormAbout);
  FormAbout->ShowModal();
}

void TFormMain::pmiOptionsClick() {
  PlaceDialog(*FormOptions);
  if (FormOptions->ShowModal() == ui::mrOk) ApplyPingOptions();
}

}  // namespace vnt
