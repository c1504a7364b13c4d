// Top-level windows: the main window and the dialogs.
#include <algorithm>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/listview.h"
#include "ui/menu.h"
#include "ui/toolbar.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"VantorelForm";
constexpr UINT kFormActivated = WM_APP + 1;
constexpr UINT kAppActivated = WM_APP + 2;

LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);

void RegisterFormClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  registered = true;
}

Button* DefaultButton(Control& parent) {
  for (Control* c : parent.Children()) {
    if (auto* b = dynamic_cast<Button*>(c); b && b->Default()) return b;
    if (Button* inner = DefaultButton(*c)) return inner;
  }
  return nullptr;
}

class FormPeerW : public Win32Peer<FormPeer> {
 public:
  FormPeerW(Win32WidgetSet& ws, Form& form) : Win32Peer(ws, form), form_(form) {
    RegisterFormClass();
    bool dialog = form.Border == BorderStyle::Dialog;
    style_ = dialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME) : WS_OVERLAPPEDWINDOW;
    exStyle_ = WS_EX_CONTROLPARENT | (dialog ? WS_EX_DLGMODALFRAME : WS_EX_APPWINDOW);
    Form* main = ws.App().MainForm();
    HWND owner = (main && main != &form) ? ws.HandleOf(*main) : nullptr;
    const Rect& r = form.Bounds();
    HWND hwnd = CreateWindowExW(exStyle_, kFormClass, L"", style_, r.Left, r.Top, r.Width, r.Height, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<NativeWindow*>(this)));
    hwnd_ = hwnd;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ws.FontFor(form)), FALSE);
  }

  void SetVisible(bool visible) override {
    if (visible) {
      ShowWindow(hwnd_, form_.Modal() ? SW_SHOW : SW_SHOWNORMAL);
      UpdateWindow(hwnd_);
    } else {
      ShowWindow(hwnd_, SW_HIDE);
    }
  }

  void SetBounds(const Rect& r) override {
    applying_ = true;
    MoveWindow(hwnd_, r.Left, r.Top, r.Width, r.Height, TRUE);
    applying_ = false;
  }

  void SetClientSize(int width, int height) override {
    RECT rc{0, 0, width, height};
    AdjustWindowRectEx(&rc, style_, GetMenu(hwnd_) != nullptr, exStyle_);
    SetWindowPos(hwnd_, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    SyncBounds();
  }

  void SetMenu(MainMenu* menu) override {
    if (menu) ::SetMenu(hwnd_, ws_.MenuHandle(*menu, false));
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    switch (msg) {
      case WM_CLOSE:
        form_.Close();
        return true;
      case WM_SIZE:
        LayoutAligned(form_, hwnd_);
        SyncBounds();
        return false;
      case WM_MOVE:
        SyncBounds();
        return false;
      case WM_COMMAND:
        return OnMenuCommand(wp, lp);
      case WM_NOTIFY:
        return OnToolTip(reinterpret_cast<NMHDR*>(lp));
      case WM_MENUSELECT:
        ws_.SetMenuHighlight((HIWORD(wp) & MF_POPUP) ? SubmenuItem(reinterpret_cast<HMENU>(lp), LOWORD(wp))
                                                    : ws_.MenuItemById(LOWORD(wp)));
        return false;
      // Activation arrives inside the system's own calls (ShowWindow, focus changes); the
      // handlers may run long blocking work, so they run from the message loop instead.
      case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !IsOurWindow(reinterpret_cast<HWND>(lp)))
          PostMessageW(hwnd_, kFormActivated, 0, 0);
        return false;
      case WM_ACTIVATEAPP:
        if (wp && ws_.App().MainForm() == &form_) PostMessageW(hwnd_, kAppActivated, 0, 0);
        return false;
      case kFormActivated:
        form_.DoActivate();
        return true;
      case kAppActivated:
        ws_.App().DoActivate();
        return true;
      case DM_GETDEFID: {
        Button* b = DefaultButton(form_);
        HWND h = b ? ws_.HandleOf(*b) : nullptr;
        result = h ? MAKELRESULT(GetDlgCtrlID(h), DC_HASDEFID) : 0;
        return true;
      }
      default:
        return false;
    }
  }

 private:
  void SyncBounds() {
    if (applying_ || IsIconic(hwnd_)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    form_.NotifyBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
  }

  bool IsOurWindow(HWND other) const {
    if (!other) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(other, &pid);
    return pid == GetCurrentProcessId();
  }

  MenuItem* SubmenuItem(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return nullptr;
    return ws_.MenuItemById(static_cast<int>(info.wID));
  }

  bool OnMenuCommand(WPARAM wp, LPARAM lp) {
    if (lp != 0) return false;
    if (IDCANCEL == LOWORD(wp) || IDOK == LOWORD(wp)) return true;  // no button answers Esc; Enter goes by DM_GETDEFID
    if (MenuItem* item = ws_.MenuItemById(LOWORD(wp))) {
      item->Click();
      return true;
    }
    return false;
  }

  bool OnToolTip(NMHDR* header) {
    if (header->code != TTN_GETDISPINFOW) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (ToolButton* b = ws_.ToolButtonById(static_cast<int>(header->idFrom))) {
      tip_ = Widen(b->Hint);
      info->lpszText = tip_.data();
    }
    return true;
  }

  Form& form_;
  DWORD style_ = 0, exStyle_ = 0;
  bool applying_ = false;
  std::wstring tip_;
};

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  NativeWindow* self = NativeWindow::From(hwnd);
  LRESULT result = 0;
  if (self && self->HandleMessage(hwnd, msg, wp, lp, result)) return result;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

std::unique_ptr<ControlPeer> MakeFormPeer(Win32WidgetSet& ws, Form& form) {
  return std::make_unique<FormPeerW>(ws, form);
}

void LayoutAligned(Form& form, HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  int top = 0, bottom = rc.bottom;
  for (Control* c : form.Children()) {
    if (c->GetAlign() == Align::Top) {
      c->SetBounds({0, top, rc.right, c->Height()});
      top += c->Height();
    } else if (c->GetAlign() == Align::Bottom) {
      bottom -= c->Height();
      c->SetBounds({0, bottom, rc.right, c->Height()});
    }
  }
  for (Control* c : form.Children())
    if (c->GetAlign() == Align::Client) c->SetBounds({0, top, rc.right, std::max(0, static_cast<int>(bottom - top))});
}

}  // namespace ui::win32
