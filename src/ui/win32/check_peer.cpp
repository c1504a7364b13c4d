// Check boxes and radio buttons; the component owns the checked state and the radio group.
#include <type_traits>

#include "ui/checkbox.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

template <class Component>
class CheckPeerW : public Win32Peer<CheckPeer> {
 public:
  CheckPeerW(Win32WidgetSet& ws, Component& c, DWORD style) : Win32Peer(ws, c), control_(c) {
    CreateChild(WC_BUTTONW, WS_TABSTOP | style);
  }
  void SetChecked(bool checked) override { SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
  bool OnCommand(WORD, WORD code) override {
    if (code != BN_CLICKED) return false;
    bool isRadio = std::is_same_v<Component, RadioButton>;
    control_.NotifyChecked(isRadio ? true : !control_.Checked());
    SetChecked(control_.Checked());
    return true;
  }

 private:
  Component& control_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeCheckBoxPeer(Win32WidgetSet& ws, CheckBox& c) {
  return std::make_unique<CheckPeerW<CheckBox>>(ws, c, BS_CHECKBOX);
}

std::unique_ptr<ControlPeer> MakeRadioButtonPeer(Win32WidgetSet& ws, RadioButton& c) {
  return std::make_unique<CheckPeerW<RadioButton>>(ws, c, BS_RADIOBUTTON);
}

}  // namespace ui::win32
