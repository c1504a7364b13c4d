#pragma once
// Helpers for tests that drive real windows under Wine.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/win32/wide.h"

namespace wintest {

// Handles messages for the given time.
inline void Pump(int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (std::chrono::steady_clock::now() < end);
}

inline std::string Text(HWND hwnd) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(hwnd, buffer, 1024);
  return platform::win32::Narrow(std::wstring(buffer));
}

// Runs an action once a visible, enabled top-level window of this process with the
// caption shows up; the check runs from the message loop that is running then
// (a modal dialog's, a message box's or a file dialog's).
class WhenShown {
 public:
  WhenShown(std::wstring caption, std::function<void(HWND)> action)
      : caption_(std::move(caption)), action_(std::move(action)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 40, Tick);
  }
  ~WhenShown() {
    KillTimer(nullptr, timer_);
    if (current_ == this) current_ = nullptr;
  }
  bool Done() const { return done_; }

 private:
  static BOOL CALLBACK Find(HWND hwnd, LPARAM p) {
    auto* self = reinterpret_cast<WhenShown*>(p);
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    if (IsWindowVisible(hwnd) && self->caption_ == buffer) {
      self->found_ = hwnd;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    WhenShown* self = current_;
    if (!self || self->done_ || self->busy_) return;
    self->found_ = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(self));
    if (!self->found_) return;
    self->busy_ = true;
    self->done_ = true;
    self->action_(self->found_);
    self->busy_ = false;
  }
  static inline WhenShown* current_ = nullptr;
  std::wstring caption_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  HWND found_ = nullptr;
  bool done_ = false, busy_ = false;
};

inline std::string ListText(HWND list, int item, int sub) {
  wchar_t buffer[256] = {};
  LVITEMW lvi{};
  lvi.iSubItem = sub;
  lvi.pszText = buffer;
  lvi.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi));
  return platform::win32::Narrow(std::wstring(buffer));
}

// The state image number the control shows: 0 none, k + 1 for image k.
inline int StateImage(HWND list, int item) {
  return static_cast<int>((SendMessageW(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12);
}

}  // namespace wintest
