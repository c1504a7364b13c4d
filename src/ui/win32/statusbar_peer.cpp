#include "ui/statusbar.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class StatusBarPeerW : public Win32Peer<StatusBarPeer> {
 public:
  StatusBarPeerW(Win32WidgetSet& ws, StatusBar& s) : Win32Peer(ws, s) {
    CreateChild(STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_BOTTOM);
    RECT r;
    GetWindowRect(hwnd_, &r);
    Rect b = s.Bounds();
    b.Height = r.bottom - r.top;
    s.NotifyBounds(b);
  }
  void SetText(const std::string&) override {}
  void SetBounds(const Rect&) override { SendMessageW(hwnd_, WM_SIZE, 0, 0); }
  void SetPanelWidth(int width) override {
    int edges[1] = {width};
    SendMessageW(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(edges));
  }
  void SetSimpleText(const std::string& text) override {
    SendMessageW(hwnd_, SB_SIMPLE, !text.empty(), 0);
    SendMessageW(hwnd_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeStatusBarPeer(Win32WidgetSet& ws, StatusBar& c) {
  return std::make_unique<StatusBarPeerW>(ws, c);
}

}  // namespace ui::win32
