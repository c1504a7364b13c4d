#include "ui/combobox.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class ComboBoxPeerW : public Win32Peer<ComboBoxPeer> {
 public:
  ComboBoxPeerW(Win32WidgetSet& ws, ComboBox& c) : Win32Peer(ws, c), combo_(c) {
    CreateChild(WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  }
  void SetText(const std::string&) override {}
  // The window's height includes the dropped-down list.
  void SetBounds(const Rect& r) override { MoveWindow(hwnd_, r.Left, r.Top, r.Width, r.Height * 10, TRUE); }
  void SetItems(const std::vector<std::string>& items) override {
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (auto& item : items) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  }
  void SetItemIndex(int index) override { SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  bool OnCommand(WORD, WORD code) override {
    if (code != CBN_SELCHANGE) return false;
    combo_.NotifyItemIndex(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
    return true;
  }

 private:
  ComboBox& combo_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeComboBoxPeer(Win32WidgetSet& ws, ComboBox& c) {
  return std::make_unique<ComboBoxPeerW>(ws, c);
}

}  // namespace ui::win32
