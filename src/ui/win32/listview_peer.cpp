// The list view in report view. The component holds the items; this peer mirrors them and
// turns the user's selection, focus, clicks and column resizing back into component calls.
#include <windowsx.h>

#include "ui/listview.h"
#include "ui/menu.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

UINT StateOf(const ListItem& item) {
  UINT state = (item.Selected() ? LVIS_SELECTED : 0u) | (item.Focused() ? LVIS_FOCUSED : 0u);
  // The control keeps four bits of state image; codes it cannot show get no image.
  int code = item.StateIndex();
  if (code >= 0 && code <= 7) state |= INDEXTOSTATEIMAGEMASK(static_cast<UINT>(code) + 1);
  return state;
}

class ListViewPeerW : public Win32Peer<ListViewPeer> {
 public:
  ListViewPeerW(Win32WidgetSet& ws, ListView& lv) : Win32Peer(ws, lv), list_(lv) {
    DWORD style = WS_TABSTOP | LVS_REPORT | (lv.HideSelection ? 0u : LVS_SHOWSELALWAYS) |
                  (lv.MultiSelect ? 0u : LVS_SINGLESEL) | (lv.ReadOnly ? 0u : LVS_EDITLABELS);
    CreateChild(WC_LISTVIEWW, style, WS_EX_CLIENTEDGE);
    if (lv.RowSelect) ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT);
  }
  void SetText(const std::string&) override {}

  void SetColumns(const std::vector<ListColumn>& columns) override {
    while (ListView_DeleteColumn(hwnd_, 0)) {
    }
    for (size_t i = 0; i < columns.size(); ++i) {
      std::wstring caption = Widen(columns[i].Caption);
      LVCOLUMNW col{};
      col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      col.pszText = caption.data();
      col.cx = columns[i].Width;
      col.iSubItem = static_cast<int>(i);
      SendMessageW(hwnd_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    }
  }
  void SetColumnWidth(int index, int width) override { ListView_SetColumnWidth(hwnd_, index, width); }
  void SetStateImages(ImageList* images) override {
    ListView_SetImageList(hwnd_, ws_.ImageListHandle(images), LVSIL_STATE);
  }

  void InsertItem(int index, const ListItem& item) override {
    Guard g(*this);
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = index;
    std::wstring text = Widen(item.Caption());
    lvi.pszText = text.data();
    SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
    Write(index, item);
  }
  void DeleteItem(int index) override {
    Guard g(*this);
    ListView_DeleteItem(hwnd_, index);
  }
  void UpdateItem(int index, const ListItem& item) override {
    Guard g(*this);
    Write(index, item);
  }
  // Rewrites every row in place; rows are added or dropped only at the end.
  void ResetItems(const std::vector<ListItem*>& items) override {
    Guard g(*this);
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    int count = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
    const int wanted = static_cast<int>(items.size());
    if (wanted == 0) ListView_DeleteAllItems(hwnd_);
    for (; count > wanted && wanted > 0; --count) ListView_DeleteItem(hwnd_, count - 1);
    for (int i = 0; i < wanted; ++i) {
      if (i < count)
        Write(i, *items[static_cast<size_t>(i)]);
      else
        InsertItem(i, *items[static_cast<size_t>(i)]);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  bool OnNotify(NMHDR* header, LRESULT&) override {
    switch (header->code) {
      case LVN_ITEMCHANGED:
        if (!applying_) StateChanged(*reinterpret_cast<NMLISTVIEW*>(header));
        return true;
      case NM_DBLCLK:
        list_.NotifyDblClick();
        return true;
      case LVN_COLUMNCLICK:
        list_.NotifyColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return true;
      default:
        return false;
    }
  }

  bool OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT&) override {
    if (msg == WM_NOTIFY) {
      auto* h = reinterpret_cast<NMHDR*>(lp);
      if (h->code == HDN_ITEMCHANGEDW || h->code == HDN_ITEMCHANGEDA || h->code == HDN_ENDTRACKW) SyncWidths();
      return false;
    }
    if (msg == WM_CONTEXTMENU && list_.Popup) {
      ShowPopup(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return true;
    }
    return false;
  }

 private:
  struct Guard {
    explicit Guard(ListViewPeerW& p) : peer(p), was(p.applying_) { p.applying_ = true; }
    ~Guard() { peer.applying_ = was; }
    ListViewPeerW& peer;
    bool was;
  };

  void Write(int index, const ListItem& item) {
    std::wstring text = Widen(item.Caption());
    std::wstring sub = Widen(item.SubItems().empty() ? std::string() : item.SubItems().front());
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT | LVIF_STATE;
    lvi.iItem = index;
    lvi.pszText = text.data();
    lvi.state = StateOf(item);
    lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;
    SendMessageW(hwnd_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
    LVITEMW subItem{};
    subItem.mask = LVIF_TEXT;
    subItem.iItem = index;
    subItem.iSubItem = 1;
    subItem.pszText = sub.data();
    SendMessageW(hwnd_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&subItem));
  }

  void StateChanged(const NMLISTVIEW& nm) {
    if (!(nm.uChanged & LVIF_STATE)) return;
    int first = nm.iItem, last = nm.iItem;
    if (nm.iItem < 0) {
      first = 0;
      last = list_.Count() - 1;
    }
    for (int i = first; i <= last && i < list_.Count(); ++i) {
      UINT state = ListView_GetItemState(hwnd_, i, LVIS_SELECTED | LVIS_FOCUSED);
      list_.NotifySelected(i, (state & LVIS_SELECTED) != 0);
      list_.NotifyFocused(i, (state & LVIS_FOCUSED) != 0);
    }
  }

  void SyncWidths() {
    for (int i = 0; i < static_cast<int>(list_.Columns().size()); ++i)
      list_.NotifyColumnWidth(i, ListView_GetColumnWidth(hwnd_, i));
  }

  void ShowPopup(int x, int y) {
    if (x == -1 && y == -1) {
      RECT r;
      GetWindowRect(hwnd_, &r);
      x = r.left + 8;
      y = r.top + 8;
    }
    HWND owner = GetAncestor(hwnd_, GA_ROOT);
    TrackPopupMenu(ws_.MenuHandle(*list_.Popup, true), TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  }

  ListView& list_;
  bool applying_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeListViewPeer(Win32WidgetSet& ws, ListView& c) {
  return std::make_unique<ListViewPeerW>(ws, c);
}

}  // namespace ui::win32
