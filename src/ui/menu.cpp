#include "ui/menu.h"

namespace ui {

MenuItem::MenuItem(MenuItem* parent, std::string name, std::string caption)
    : Component(std::move(name)), parent_(parent), caption_(std::move(caption)) {}

MenuItem* MenuItem::Add(std::string name, std::string caption, int helpContext) {
  MenuItem* item = Own<MenuItem>(this, std::move(name), std::move(caption));
  item->HelpContext = helpContext;
  items_.push_back(item);
  return item;
}

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (peer_) peer_->SetCaption(caption);
}

void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (peer_) peer_->SetEnabled(enabled);
}

void MenuItem::SetChecked(bool checked) {
  if (checked && RadioItem && parent_) {
    for (MenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex && sibling->checked_)
        sibling->SetChecked(false);
    }
  }
  checked_ = checked;
  if (peer_) peer_->SetChecked(checked);
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick();
}

void MenuItem::AttachPeer(std::unique_ptr<MenuItemPeer> peer) {
  peer_ = std::move(peer);
  if (!peer_) return;
  peer_->SetCaption(caption_);
  peer_->SetEnabled(enabled_);
  peer_->SetChecked(checked_);
}

}  // namespace ui
