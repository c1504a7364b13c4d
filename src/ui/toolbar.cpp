#include "ui/toolbar.h"

namespace ui {

void ToolButton::SetEnabled(bool value) {
  enabled_ = value;
  if (auto* p = static_cast<ToolBarPeer*>(bar_.Peer())) p->SetButtonEnabled(bar_.IndexOf(this), value);
}

ToolButton* ToolBar::AddButton(std::string name, int width, std::string hint, int image) {
  auto* b = Own<ToolButton>(*this, std::move(name), ToolButton::Style::Button, width);
  b->Hint = std::move(hint);
  b->ImageIndex = image;
  buttons_.push_back(b);
  return b;
}

ToolButton* ToolBar::AddSeparator(std::string name, int width) {
  auto* b = Own<ToolButton>(*this, std::move(name), ToolButton::Style::Separator, width);
  buttons_.push_back(b);
  return b;
}

int ToolBar::IndexOf(const ToolButton* button) const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i] == button) return static_cast<int>(i);
  return -1;
}

void ToolBar::PushState() {
  for (size_t i = 0; i < buttons_.size(); ++i)
    PeerAs<ToolBarPeer>()->SetButtonEnabled(static_cast<int>(i), buttons_[i]->Enabled());
}

}  // namespace ui
