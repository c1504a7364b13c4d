#pragma once
// The Win32 widget set: realises forms and controls as windows and runs the message loops.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <map>

#include "ui/widgetset.h"

namespace ui {
class Control;
class ImageList;
class Menu;
class MenuItem;
class ToolButton;
}  // namespace ui

namespace ui::win32 {

class Win32WidgetSet : public WidgetSet {
 public:
  Win32WidgetSet();
  ~Win32WidgetSet() override;
  void SetApplication(Application& app) { app_ = &app; }
  Application& App() { return *app_; }

  void Realize(Form& form) override;
  void RunModal(Form& form) override;
  void RunLoop(Application& app) override;
  void Terminate() override { PostQuitMessage(0); }
  int ShowMessageBox(const MessageBoxRequest& request) override;
  bool Execute(FileDialog& dialog) override;
  void TimerChanged(Timer& timer) override;
  void Repaint(Form& form) override;
  int PixelsPerInch() const override { return dpi_; }

  int NextId() { return nextId_++; }
  HFONT FontFor(Control& control);
  void Report(const std::exception& e);
  HWND HandleOf(Control& control) const;
  HWND ActiveOwner() const;

  // Menu items and toolbar buttons send WM_COMMAND with ids handed out here.
  int Register(MenuItem* item);
  int Register(ToolButton* button);
  MenuItem* MenuItemById(int id) const;
  ToolButton* ToolButtonById(int id) const;
  HMENU MenuHandle(Menu& menu, bool popup);
  HIMAGELIST ImageListHandle(ImageList* images);

  // The menu item under the highlight, for F1 inside an open menu.
  void SetMenuHighlight(MenuItem* item) { highlighted_ = item; }
  // F1 outside menus: help on the control under the mouse or with the focus.
  bool HandleHelpKey(const MSG& msg);

 private:
  void DispatchOne(MSG& msg, HWND dialog);
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  static LRESULT CALLBACK MenuHelpHook(int code, WPARAM wp, LPARAM lp);
  Application* app_ = nullptr;
  int dpi_ = 96;
  int nextId_ = 100;
  HFONT font_ = nullptr, boldFont_ = nullptr;
  HHOOK hook_ = nullptr;
  MenuItem* highlighted_ = nullptr;
  std::map<int, MenuItem*> menuItems_;
  std::map<int, ToolButton*> toolButtons_;
  std::map<Menu*, HMENU> menus_;
  std::map<UINT_PTR, Timer*> timers_;
};

}  // namespace ui::win32
