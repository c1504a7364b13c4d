#include "ui/toolbar.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/application.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

class ToolBarPeerW : public Win32Peer<ToolBarPeer> {
 public:
  ToolBarPeerW(Win32WidgetSet& ws, ToolBar& t) : Win32Peer(ws, t) {
    CreateChild(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER);
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ws.ImageListHandle(t.Images)));
    SendMessageW(hwnd_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(ws.ImageListHandle(t.DisabledImages)));
    int height = ws.App().Scale(t.ButtonHeight);
    for (ToolButton* b : t.Buttons()) AddButton(*b);
    int buttonWidth = ws.App().Scale(23);
    SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, height));
    Rect bounds = t.Bounds();
    bounds.Height = height + 4;
    t.NotifyBounds(bounds);
  }
  void SetText(const std::string&) override {}
  void SetButtonEnabled(int index, bool enabled) override {
    SendMessageW(hwnd_, TB_ENABLEBUTTON, static_cast<WPARAM>(ids_.at(static_cast<size_t>(index))), enabled);
  }
  bool OnCommand(WORD id, WORD) override {
    if (ToolButton* b = ws_.ToolButtonById(id)) b->Click();
    return true;
  }

 private:
  void AddButton(ToolButton& b) {
    TBBUTTON tb{};
    int id = ws_.Register(&b);
    ids_.push_back(id);
    tb.idCommand = id;
    tb.fsState = b.Enabled() ? TBSTATE_ENABLED : 0;
    if (b.ButtonStyle == ToolButton::Style::Separator) {
      tb.fsStyle = BTNS_SEP;
      tb.iBitmap = ws_.App().Scale(b.Width);
    } else {
      tb.fsStyle = BTNS_BUTTON;
      tb.iBitmap = b.ImageIndex;
    }
    SendMessageW(hwnd_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
  }
  std::vector<int> ids_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeToolBarPeer(Win32WidgetSet& ws, ToolBar& c) {
  return std::make_unique<ToolBarPeerW>(ws, c);
}

}  // namespace ui::win32
