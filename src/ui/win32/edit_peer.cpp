#include "ui/edit.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class EditPeerW : public Win32Peer<EditPeer> {
 public:
  EditPeerW(Win32WidgetSet& ws, Edit& e) : Win32Peer(ws, e), edit_(e) {
    CreateChild(WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  }
  void SetText(const std::string& text) override {
    applying_ = true;
    Win32Peer::SetText(text);
    applying_ = false;
  }
  void SetReadOnly(bool readOnly) override { SendMessageW(hwnd_, EM_SETREADONLY, readOnly, 0); }
  bool OnCommand(WORD, WORD code) override {
    if (code != EN_CHANGE || applying_) return false;
    int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    edit_.NotifyText(Narrow(text));
    return true;
  }

 private:
  Edit& edit_;
  bool applying_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeEditPeer(Win32WidgetSet& ws, Edit& c) { return std::make_unique<EditPeerW>(ws, c); }

}  // namespace ui::win32
