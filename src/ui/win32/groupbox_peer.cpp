#include "ui/groupbox.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class GroupBoxPeerW : public Win32Peer<ControlPeer> {
 public:
  GroupBoxPeerW(Win32WidgetSet& ws, GroupBox& g) : Win32Peer(ws, g) {
    CreateChild(WC_BUTTONW, BS_GROUPBOX, WS_EX_CONTROLPARENT);
  }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
    // A group box does not paint its children's background; the form's colour shows through.
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    return false;
  }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeGroupBoxPeer(Win32WidgetSet& ws, GroupBox& c) {
  return std::make_unique<GroupBoxPeerW>(ws, c);
}

}  // namespace ui::win32
