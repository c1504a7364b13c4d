// Menus: one native menu per menu component; items are addressed by their position.
#include "ui/menu.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

class MenuItemPeerW : public MenuItemPeer {
 public:
  MenuItemPeerW(HMENU parent, UINT position, bool inBar) : parent_(parent), position_(position), inBar_(inBar) {}
  void SetCaption(const std::string& caption) override {
    text_ = Widen(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text_.data();
    Apply(info);
  }
  void SetEnabled(bool enabled) override {
    EnableMenuItem(parent_, position_, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    Redraw();
  }
  void SetChecked(bool checked) override {
    CheckMenuItem(parent_, position_, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
  }

 private:
  void Apply(MENUITEMINFOW& info) {
    SetMenuItemInfoW(parent_, position_, TRUE, &info);
    Redraw();
  }
  void Redraw() {
    if (!inBar_) return;
    // The bar of a window redraws only when told.
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
      if (GetMenu(w) == parent_) DrawMenuBar(w);
  }
  HMENU parent_;
  UINT position_;
  bool inBar_;
  std::wstring text_;
};

void AddItems(Win32WidgetSet& ws, HMENU menu, MenuItem& parent, bool isBar) {
  UINT position = 0;
  for (MenuItem* item : parent.Items()) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    if (item->IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
      info.wID = static_cast<UINT>(ws.Register(item));
      info.fType = item->RadioItem ? MFT_RADIOCHECK : MFT_STRING;
      std::wstring text = Widen(item->Caption());
      info.dwTypeData = text.data();
      if (!item->Items().empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = CreatePopupMenu();
        AddItems(ws, info.hSubMenu, *item, false);
      }
      InsertMenuItemW(menu, position, TRUE, &info);
      item->AttachPeer(std::make_unique<MenuItemPeerW>(menu, position, isBar));
      ++position;
      continue;
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
}

}  // namespace

HMENU BuildMenu(Win32WidgetSet& ws, Menu& menu, bool popup) {
  HMENU handle = popup ? CreatePopupMenu() : CreateMenu();
  AddItems(ws, handle, menu.Items, !popup);
  return handle;
}

}  // namespace ui::win32
