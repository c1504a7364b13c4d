#include "ui/combobox.h"

namespace ui {

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  if (auto* p = PeerAs<ComboBoxPeer>()) p->SetItems(items_);
}

void ComboBox::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
  if (auto* p = PeerAs<ComboBoxPeer>()) p->SetItemIndex(itemIndex_);
}

void ComboBox::NotifyItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
  if (OnChange) OnChange();
}

void ComboBox::PushState() {
  PeerAs<ComboBoxPeer>()->SetItems(items_);
  PeerAs<ComboBoxPeer>()->SetItemIndex(itemIndex_);
}

}  // namespace ui
