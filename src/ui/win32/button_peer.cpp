#include "ui/button.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class ButtonPeerW : public Win32Peer<ButtonPeer> {
 public:
  ButtonPeerW(Win32WidgetSet& ws, Button& b) : Win32Peer(ws, b), button_(b) {
    CreateChild(WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON);
  }
  void SetDefault(bool isDefault) override {
    SendMessageW(hwnd_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  bool OnCommand(WORD, WORD code) override {
    if (code != BN_CLICKED) return false;
    button_.Click();
    return true;
  }

 private:
  Button& button_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeButtonPeer(Win32WidgetSet& ws, Button& c) { return std::make_unique<ButtonPeerW>(ws, c); }

}  // namespace ui::win32
