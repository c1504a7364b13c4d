#include "ui/win32/win32_widgetset.h"

#include <commdlg.h>

#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/checkbox.h"
#include "ui/combobox.h"
#include "ui/edit.h"
#include "ui/groupbox.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listview.h"
#include "ui/menu.h"
#include "ui/statusbar.h"
#include "ui/timer.h"
#include "ui/toolbar.h"
#include "ui/updown.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

Win32WidgetSet* current = nullptr;

std::unique_ptr<ControlPeer> CreatePeer(Win32WidgetSet& ws, Control& c) {
  if (auto* x = dynamic_cast<Button*>(&c)) return MakeButtonPeer(ws, *x);
  if (auto* x = dynamic_cast<Label*>(&c)) return MakeLabelPeer(ws, *x);
  if (auto* x = dynamic_cast<Edit*>(&c)) return MakeEditPeer(ws, *x);
  if (auto* x = dynamic_cast<CheckBox*>(&c)) return MakeCheckBoxPeer(ws, *x);
  if (auto* x = dynamic_cast<RadioButton*>(&c)) return MakeRadioButtonPeer(ws, *x);
  if (auto* x = dynamic_cast<ComboBox*>(&c)) return MakeComboBoxPeer(ws, *x);
  if (auto* x = dynamic_cast<UpDown*>(&c)) return MakeUpDownPeer(ws, *x);
  if (auto* x = dynamic_cast<GroupBox*>(&c)) return MakeGroupBoxPeer(ws, *x);
  if (auto* x = dynamic_cast<ListView*>(&c)) return MakeListViewPeer(ws, *x);
  if (auto* x = dynamic_cast<StatusBar*>(&c)) return MakeStatusBarPeer(ws, *x);
  if (auto* x = dynamic_cast<ToolBar*>(&c)) return MakeToolBarPeer(ws, *x);
  if (auto* x = dynamic_cast<Image*>(&c)) return MakeImagePeer(ws, *x);
  return nullptr;
}

void RealizeChildren(Win32WidgetSet& ws, Control& parent) {
  for (Control* child : parent.Children()) {
    child->AttachPeer(CreatePeer(ws, *child));
    RealizeChildren(ws, *child);
  }
}

void RealizeImageLists(Component& owner) {
  for (auto& owned : owner.Owned()) {
    if (auto* images = dynamic_cast<ImageList*>(owned.get())) images->AttachPeer(MakeImageListPeer(*images));
  }
}

std::vector<wchar_t> FilterText(const std::string& filter) {
  std::wstring w = Widen(filter);
  std::vector<wchar_t> out(w.begin(), w.end());
  for (auto& ch : out)
    if (ch == L'|') ch = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

UINT ButtonFlags(MsgButtons b) {
  switch (b) {
    case MsgButtons::OkCancel: return MB_OKCANCEL;
    case MsgButtons::YesNo: return MB_YESNO;
    case MsgButtons::YesNoCancel: return MB_YESNOCANCEL;
    default: return MB_OK;
  }
}

UINT IconFlags(MsgIcon i) {
  switch (i) {
    case MsgIcon::Error: return MB_ICONSTOP;
    case MsgIcon::Warning: return MB_ICONWARNING;
    case MsgIcon::Information: return MB_ICONINFORMATION;
    case MsgIcon::Question: return MB_ICONQUESTION;
    default: return 0;
  }
}

// The program's other visible, enabled windows, which a modal form disables.
BOOL CALLBACK CollectEnabled(HWND w, LPARAM p) {
  auto* context = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(p);
  if (w != context->first && IsWindowVisible(w) && IsWindowEnabled(w)) context->second->push_back(w);
  return TRUE;
}

}  // namespace

Win32WidgetSet::Win32WidgetSet() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  current = this;
  hook_ = SetWindowsHookExW(WH_MSGFILTER, MenuHelpHook, nullptr, GetCurrentThreadId());
}

Win32WidgetSet::~Win32WidgetSet() {
  for (auto& [id, timer] : timers_) KillTimer(nullptr, id);
  if (hook_) UnhookWindowsHookEx(hook_);
  for (auto& [menu, handle] : menus_) DestroyMenu(handle);
  if (font_) DeleteObject(font_);
  if (boldFont_) DeleteObject(boldFont_);
  current = nullptr;
}

HFONT Win32WidgetSet::FontFor(Control& control) {
  if (!font_) {
    Form* form = control.OwnerForm();
    Font f = form ? form->FormFont : Font{};
    int height = -MulDiv(f.Height, dpi_, 96);
    std::wstring face = Widen(f.Name);
    font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, face.c_str());
    boldFont_ = CreateFontW(height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, face.c_str());
  }
  auto* label = dynamic_cast<Label*>(&control);
  return label && label->Bold ? boldFont_ : font_;
}

void Win32WidgetSet::Report(const std::exception& e) {
  if (app_) app_->ShowException(e);
}

HWND Win32WidgetSet::HandleOf(Control& control) const {
  auto* native = dynamic_cast<NativeWindow*>(control.Peer());
  return native ? native->Handle() : nullptr;
}

HWND Win32WidgetSet::ActiveOwner() const {
  HWND active = GetActiveWindow();
  if (active) return active;
  return app_ && app_->MainForm() ? HandleOf(*app_->MainForm()) : nullptr;
}

int Win32WidgetSet::Register(MenuItem* item) {
  int id = NextId();
  menuItems_[id] = item;
  return id;
}

int Win32WidgetSet::Register(ToolButton* button) {
  int id = NextId();
  toolButtons_[id] = button;
  return id;
}

MenuItem* Win32WidgetSet::MenuItemById(int id) const {
  auto it = menuItems_.find(id);
  return it == menuItems_.end() ? nullptr : it->second;
}

ToolButton* Win32WidgetSet::ToolButtonById(int id) const {
  auto it = toolButtons_.find(id);
  return it == toolButtons_.end() ? nullptr : it->second;
}

HMENU Win32WidgetSet::MenuHandle(Menu& menu, bool popup) {
  auto it = menus_.find(&menu);
  if (it != menus_.end()) return it->second;
  HMENU handle = BuildMenu(*this, menu, popup);
  menus_[&menu] = handle;
  return handle;
}

HIMAGELIST Win32WidgetSet::ImageListHandle(ImageList* images) {
  if (!images) return nullptr;
  if (!images->Peer()) images->AttachPeer(MakeImageListPeer(*images));
  return static_cast<Win32ImageList*>(images->Peer())->List;
}

void Win32WidgetSet::Realize(Form& form) {
  RealizeImageLists(form);
  form.AttachPeer(MakeFormPeer(*this, form));
  RealizeChildren(*this, form);
  LayoutAligned(form, HandleOf(form));
}

void Win32WidgetSet::DispatchOne(MSG& msg, HWND dialog) {
  if (HandleHelpKey(msg)) return;
  if (dialog && IsDialogMessageW(dialog, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32WidgetSet::RunModal(Form& form) {
  HWND dialog = HandleOf(form);
  std::vector<HWND> disabled;
  std::pair<HWND, std::vector<HWND>*> context{dialog, &disabled};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&context));
  for (HWND w : disabled) EnableWindow(w, FALSE);
  SetForegroundWindow(dialog);
  if (Control* focus = form.ActiveControl(); focus && HandleOf(*focus)) SetFocus(HandleOf(*focus));
  MSG msg;
  while (form.ModalResult() == mrNone) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
      break;
    }
    if (got < 0) break;
    DispatchOne(msg, dialog);
  }
  for (HWND w : disabled) EnableWindow(w, TRUE);
}

void Win32WidgetSet::RunLoop(Application&) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg, nullptr);
}

int Win32WidgetSet::ShowMessageBox(const MessageBoxRequest& r) {
  UINT flags = ButtonFlags(r.Buttons) | IconFlags(r.Icon) | (static_cast<UINT>(r.DefaultButton) * MB_DEFBUTTON2);
  return MessageBoxW(ActiveOwner(), Widen(r.Text).c_str(), Widen(r.Caption).c_str(), flags);
}

bool Win32WidgetSet::Execute(FileDialog& dialog) {
  std::vector<wchar_t> file(32768, L'\0');
  std::wstring name = Widen(dialog.FileName);
  name.copy(file.data(), std::min(name.size(), file.size() - 1));
  std::vector<wchar_t> filter = FilterText(dialog.Filter);
  std::wstring title = Widen(dialog.Title);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = ActiveOwner();
  ofn.lpstrFilter = filter.data();
  ofn.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
  BOOL ok = dialog.DialogKind() == FileDialog::Kind::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
  if (!ok) return false;
  dialog.FileName = Narrow(std::wstring(file.data()));
  dialog.FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

void CALLBACK Win32WidgetSet::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  if (!current) return;
  auto it = current->timers_.find(id);
  if (it == current->timers_.end()) return;
  try {
    it->second->Tick();
  } catch (const std::exception& e) {
    current->Report(e);
  }
}

void Win32WidgetSet::TimerChanged(Timer& timer) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->second == &timer) {
      KillTimer(nullptr, it->first);
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
  if (timer.Enabled()) timers_[SetTimer(nullptr, 0, static_cast<UINT>(timer.Interval()), TimerProc)] = &timer;
}

void Win32WidgetSet::Repaint(Form& form) {
  if (HWND hwnd = HandleOf(form)) RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Win32WidgetSet::MenuHelpHook(int code, WPARAM wp, LPARAM lp) {
  auto* msg = reinterpret_cast<MSG*>(lp);
  if (code == MSGF_MENU && current && msg->message == WM_KEYDOWN && msg->wParam == VK_F1 && current->highlighted_) {
    MenuItem* item = current->highlighted_;
    PostMessageW(current->app_ && current->app_->MainForm() ? current->HandleOf(*current->app_->MainForm()) : nullptr,
                 WM_CANCELMODE, 0, 0);
    try {
      current->app_->HelpOn(item);
    } catch (const std::exception& e) {
      current->Report(e);
    }
    return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

bool Win32WidgetSet::HandleHelpKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1 || !app_) return false;
  POINT pt;
  GetCursorPos(&pt);
  HWND target = WindowFromPoint(pt);
  NativeWindow* native = NativeWindow::From(target);
  HWND focus = GetFocus();
  if (!native || GetAncestor(target, GA_ROOT) != GetAncestor(focus ? focus : msg.hwnd, GA_ROOT))
    native = NativeWindow::From(focus ? focus : msg.hwnd);
  if (!native) native = NativeWindow::From(GetAncestor(msg.hwnd, GA_ROOT));
  if (!native) return false;
  try {
    app_->HelpOn(&native->Owner());
  } catch (const std::exception& e) {
    Report(e);
  }
  return true;
}

}  // namespace ui::win32
