#include "ui/label.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

class LabelPeerW : public Win32Peer<ControlPeer> {
 public:
  LabelPeerW(Win32WidgetSet& ws, Label& l) : Win32Peer(ws, l), label_(l) {
    CreateChild(WC_STATICW, l.WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
  }
  void SetText(const std::string& text) override {
    Win32Peer::SetText(text);
    if (label_.AutoSize && !label_.WordWrap) FitToText(text);
  }

 private:
  // Auto size: as wide and high as the text in the label's font.
  void FitToText(const std::string& text) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, ws_.FontFor(label_));
    std::wstring w = Widen(text.empty() ? " " : text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    Rect b = label_.Bounds();
    b.Width = r.right;
    b.Height = r.bottom;
    MoveWindow(hwnd_, b.Left, b.Top, b.Width, b.Height, TRUE);
    label_.NotifyBounds(b);
  }
  Label& label_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeLabelPeer(Win32WidgetSet& ws, Label& c) { return std::make_unique<LabelPeerW>(ws, c); }

}  // namespace ui::win32
