#include "ui/statusbar.h"

namespace ui {

void StatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  if (auto* p = PeerAs<StatusBarPeer>()) p->SetSimpleText(text);
}

void StatusBar::PushState() {
  PeerAs<StatusBarPeer>()->SetPanelWidth(PanelWidth);
  PeerAs<StatusBarPeer>()->SetSimpleText(simpleText_);
}

}  // namespace ui
