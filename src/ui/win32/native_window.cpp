#include "ui/win32/native_window.h"

#include "ui/application.h"
#include "ui/win32/win32_widgetset.h"

namespace ui::win32 {

NativeWindow::~NativeWindow() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (original_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(hwnd_);
  }
}

NativeWindow* NativeWindow::From(HWND hwnd) {
  return hwnd ? reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

void NativeWindow::Report(const std::exception& e) { ws_.Report(e); }

HWND NativeWindow::ParentHandle() const {
  Control* parent = control_.Parent();
  auto* native = parent ? dynamic_cast<NativeWindow*>(parent->Peer()) : nullptr;
  return native ? native->hwnd_ : nullptr;
}

void NativeWindow::CreateChild(const wchar_t* cls, DWORD style, DWORD exStyle) {
  const Rect& r = control_.Bounds();
  HWND hwnd = CreateWindowExW(exStyle, cls, L"", style | WS_CHILD, r.Left, r.Top, r.Width, r.Height, ParentHandle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(ws_.NextId())), GetModuleHandleW(nullptr),
                              nullptr);
  Attach(hwnd);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ws_.FontFor(control_)), FALSE);
}

void NativeWindow::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

LRESULT DispatchReflected(HWND, UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  handled = false;
  LRESULT result = 0;
  if (msg == WM_COMMAND && lp) {
    if (NativeWindow* child = NativeWindow::From(reinterpret_cast<HWND>(lp)))
      handled = child->OnCommand(LOWORD(wp), HIWORD(wp));
  } else if (msg == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (NativeWindow* child = NativeWindow::From(header->hwndFrom)) handled = child->OnNotify(header, result);
  }
  return result;
}

bool NativeWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  try {
    bool handled = false;
    result = DispatchReflected(hwnd, msg, wp, lp, handled);
    return handled || OnMessage(msg, wp, lp, result);
  } catch (const std::exception& e) {
    // Never unwind through the system's code: report here and carry on.
    Report(e);
    result = 0;
    return true;
  }
}

LRESULT CALLBACK NativeWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  NativeWindow* self = From(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  WNDPROC original = self->original_;
  LRESULT result = 0;
  if (self->HandleMessage(hwnd, msg, wp, lp, result)) return result;
  return CallWindowProcW(original, hwnd, msg, wp, lp);
}

}  // namespace ui::win32
