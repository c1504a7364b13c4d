// Up-down arrows: the native control only reports the direction; the component steps.
#include "ui/edit.h"
#include "ui/updown.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

class UpDownPeerW : public Win32Peer<UpDownPeer> {
 public:
  UpDownPeerW(Win32WidgetSet& ws, UpDown& u) : Win32Peer(ws, u), updown_(u) {
    CreateChild(UPDOWN_CLASSW, UDS_ARROWKEYS | UDS_NOTHOUSANDS);
    if (u.Associate()) {
      if (HWND buddy = ws.HandleOf(*u.Associate())) SendMessageW(hwnd_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    }
  }
  void SetText(const std::string&) override {}
  void SetRange(int min, int max) override { SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(min), max); }
  void SetPosition(int position) override { SendMessageW(hwnd_, UDM_SETPOS32, 0, position); }
  bool OnNotify(NMHDR* header, LRESULT& result) override {
    if (header->code != UDN_DELTAPOS) return false;
    auto* delta = reinterpret_cast<NMUPDOWN*>(header);
    updown_.Step(delta->iDelta > 0 ? 1 : -1);
    result = TRUE;  // the component has moved; keep the native control from moving again
    return true;
  }

 private:
  UpDown& updown_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeUpDownPeer(Win32WidgetSet& ws, UpDown& c) { return std::make_unique<UpDownPeerW>(ws, c); }

}  // namespace ui::win32
