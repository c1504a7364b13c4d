// The preferred-server rule that selects servers after a full ping run.
#include "app/vntmain.h"

namespace vnt {

void TFormMain::SelectPreferred(int criterion) {
  ClearSelection();
  switch (criterion) {
    case 1: SelectFastest(1, false); break;
    case 2: SelectByColor(0, false); break;
    case 3: SelectByColor(1, false); break;
    case 4: SelectByColor(2, false); break;
    case 5: SelectMarked(); break;
    case 6: SelectFastest(1, true); break;
    case 7: SelectByColor(0, true); break;
    case 8: SelectByColor(1, true); break;
    case 9: SelectByColor(2, true); break;
    default: break;
  }
  if (ui::ListItem* first = plv->FirstSelected()) first->SetFocused(true);
}

void TFormMain::SelectFastest(int count, bool markedOnly) {
  for (int p = 0; p < count && p < plv->Count(); ++p) {
    ui::ListItem& entry = *plv->Item(p);
    if (markedOnly && !IsMarked(entry)) continue;
    if (entry.StateIndex() == 3 || entry.StateIndex() == 7) return;
    entry.SetSelected(true);
  }
}

void TFormMain::SelectByColor(int limit, bool markedOnly) {
  for (int p = 0; p < plv->Count(); ++p) {
    ui::ListItem& entry = *plv->Item(p);
    if (markedOnly && !IsMarked(entry)) continue;
    const int code = entry.StateIndex();
    const bool within = code <= limit || (code - 4 >= 0 && code - 4 <= limit);
    if (!within) return;
    entry.SetSelected(true);
  }
}

void TFormMain::SelectMarked() {
  for (int p = 0; p < plv->Count(); ++p)
    if (IsMarked(*plv->Item(p))) plv->Item(p)->SetSelected(true);
}

}  // namespace vnt
