#pragma once
// Main menu, popup menu and their items.
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class MenuItemPeer {
 public:
  virtual ~MenuItemPeer() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetChecked(bool checked) = 0;
};

class MenuItem : public Component {
 public:
  MenuItem(MenuItem* parent, std::string name, std::string caption = "");

  MenuItem* ParentItem() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // Appends a sub-item; a caption of "-" makes a separator.
  MenuItem* Add(std::string name, std::string caption, int helpContext = 0);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool checked);

  bool RadioItem = false;
  int GroupIndex = 0;
  int HelpContext = 0;
  std::string Hint;
  NotifyEvent OnClick;

  // Runs OnClick only while the item is enabled.
  void Click();

  MenuItemPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<MenuItemPeer> peer);

 private:
  MenuItem* parent_;
  std::vector<MenuItem*> items_;
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  std::unique_ptr<MenuItemPeer> peer_;
};

class Menu : public Component {
 public:
  explicit Menu(std::string name) : Component(name), Items(nullptr, name + ".Items") {}
  MenuItem Items;  // its HelpContext is the menu's own
};

class MainMenu : public Menu {
 public:
  using Menu::Menu;
};

class PopupMenu : public Menu {
 public:
  using Menu::Menu;
};

}  // namespace ui
