#pragma once
// One factory a control kind; each lives in the file of its kind.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "ui/control.h"
#include "ui/imagelist.h"
#include "ui/menu.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Form;
class GroupBox;
class Image;
class Label;
class ListView;
class RadioButton;
class StatusBar;
class ToolBar;
class UpDown;
}  // namespace ui

namespace ui::win32 {

class Win32WidgetSet;

std::unique_ptr<ControlPeer> MakeFormPeer(Win32WidgetSet& ws, Form& form);
std::unique_ptr<ControlPeer> MakeButtonPeer(Win32WidgetSet& ws, Button& c);
std::unique_ptr<ControlPeer> MakeLabelPeer(Win32WidgetSet& ws, Label& c);
std::unique_ptr<ControlPeer> MakeEditPeer(Win32WidgetSet& ws, Edit& c);
std::unique_ptr<ControlPeer> MakeCheckBoxPeer(Win32WidgetSet& ws, CheckBox& c);
std::unique_ptr<ControlPeer> MakeRadioButtonPeer(Win32WidgetSet& ws, RadioButton& c);
std::unique_ptr<ControlPeer> MakeComboBoxPeer(Win32WidgetSet& ws, ComboBox& c);
std::unique_ptr<ControlPeer> MakeUpDownPeer(Win32WidgetSet& ws, UpDown& c);
std::unique_ptr<ControlPeer> MakeGroupBoxPeer(Win32WidgetSet& ws, GroupBox& c);
std::unique_ptr<ControlPeer> MakeListViewPeer(Win32WidgetSet& ws, ListView& c);
std::unique_ptr<ControlPeer> MakeStatusBarPeer(Win32WidgetSet& ws, StatusBar& c);
std::unique_ptr<ControlPeer> MakeToolBarPeer(Win32WidgetSet& ws, ToolBar& c);
std::unique_ptr<ControlPeer> MakeImagePeer(Win32WidgetSet& ws, Image& c);
class Win32ImageList : public ImageListPeer {
 public:
  explicit Win32ImageList(HIMAGELIST list) : List(list) {}
  ~Win32ImageList() override { ImageList_Destroy(List); }
  HIMAGELIST List;
};
std::unique_ptr<ImageListPeer> MakeImageListPeer(ImageList& images);
// Builds the native menu of a menu component and attaches item peers.
HMENU BuildMenu(Win32WidgetSet& ws, Menu& menu, bool popup);
// Lays out the aligned children of a form inside its client area.
void LayoutAligned(Form& form, HWND hwnd);

}  // namespace ui::win32
