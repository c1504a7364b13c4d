// Editing the server list: Add, Remove, Mark, Unmark and the double click.
#include "app/vntadd.h"
#include "app/vntmain.h"

namespace vnt {

void TFormMain::pmiAddClick() {
  PlaceDialog(*FormAdd);
  if (FormAdd->ShowModal() != ui::mrOk) return;
  const std::string name = FormAdd->peServer->Text();
  if (name.empty()) return;
  ClearSelection();
  ui::ListItem* entry = plv->Add();
  entry->SetCaption(name);
  entry->SetStateIndex(-1);
  entry->SetSelected(true);
  entry->SetFocused(true);
  pmiPingSelected->Click();
  EnableCommands();
  modified_ = true;
}

void TFormMain::pmiRemoveClick() {
  const int count = plv->Count();
  for (int i = count - 1; i >= 0; --i)
    if (plv->Item(i)->Selected()) plv->Delete(i);
  EnableCommands();
  if (count > 0) modified_ = true;
}

void TFormMain::MarkSelected(unsigned mode) {
  ui::ListItem* entry = plv->FirstSelected();
  for (int step = 0; entry && step < plv->SelCount(); ++step) {
    if (IsMarked(*entry)) {
      if (mode == 1 || mode == 2) {
        entry->SetStateIndex(entry->StateIndex() - 4);
        modified_ = true;
      }
    } else if (mode == 0 || mode == 2) {
      entry->SetStateIndex(entry->StateIndex() + 4);
      modified_ = true;
    }
    entry = plv->NextSelected(entry);
  }
}

void TFormMain::ClearSelection() {
  const int count = plv->SelCount();
  ui::ListItem* entry = plv->FirstSelected();
  for (int i = 0; i < count && entry; ++i) {
    ui::ListItem* next = plv->NextSelected(entry);
    entry->SetSelected(false);
    entry->SetFocused(false);
    entry = next;
  }
}

}  // namespace vnt
