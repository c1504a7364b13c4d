#pragma once
// The base of every Win32 peer that owns a window: creation, the object pointer in the
// window's user data, and WM_COMMAND / WM_NOTIFY reflected from the parent to the child.
#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "ui/control.h"

namespace ui::win32 {

using platform::win32::Narrow;
using platform::win32::Widen;

class Win32WidgetSet;

class NativeWindow {
 public:
  NativeWindow(Win32WidgetSet& ws, Control& control) : ws_(ws), control_(control) {}
  virtual ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  Control& Owner() const { return control_; }
  static NativeWindow* From(HWND hwnd);
  // Reflection, then OnMessage, with any error reported; true when the message was handled.
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Hands an error caught in a window procedure to the application's report.
  void Report(const std::exception& e);

  // Reflected notifications; true when handled.
  virtual bool OnCommand(WORD /*id*/, WORD /*code*/) { return false; }
  virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
  // Messages of the window itself, before its class procedure; true when handled.
  virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

 protected:
  // Creates a child control of the parent control's window and subclasses it.
  void CreateChild(const wchar_t* cls, DWORD style, DWORD exStyle = 0);
  void Attach(HWND hwnd);
  HWND ParentHandle() const;
  Win32WidgetSet& ws_;
  Control& control_;
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
  WNDPROC original_ = nullptr;
  friend LRESULT DispatchReflected(HWND, UINT, WPARAM, LPARAM, bool&);
};

// Handles WM_COMMAND and WM_NOTIFY for any parent window by handing them to the child's peer.
LRESULT DispatchReflected(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled);

// The common part of every control peer: text, enabled, visible, bounds, focus.
template <class PeerInterface>
class Win32Peer : public PeerInterface, public NativeWindow {
 public:
  using NativeWindow::NativeWindow;
  void SetText(const std::string& text) override { SetWindowTextW(hwnd_, Widen(text).c_str()); }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void SetBounds(const Rect& r) override { MoveWindow(hwnd_, r.Left, r.Top, r.Width, r.Height, TRUE); }
  void SetFocus() override { ::SetFocus(hwnd_); }
};

}  // namespace ui::win32
