#include "ui/updown.h"

#include <algorithm>

#include "ui/edit.h"

namespace ui {

void UpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (auto* p = PeerAs<UpDownPeer>()) p->SetRange(min, max);
  SetPosition(position_);
}

void UpDown::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  if (auto* p = PeerAs<UpDownPeer>()) p->SetPosition(position_);
  if (associate_) associate_->SetText(std::to_string(position_));
}

void UpDown::SetAssociate(Edit* edit) {
  associate_ = edit;
  SetPosition(position_);
}

void UpDown::Step(int direction) {
  long long next = static_cast<long long>(position_) + static_cast<long long>(direction) * Increment;
  if (next > max_) next = Wrap ? min_ : max_;
  if (next < min_) next = Wrap ? max_ : min_;
  SetPosition(static_cast<int>(next));
}

void UpDown::PushState() {
  PeerAs<UpDownPeer>()->SetRange(min_, max_);
  PeerAs<UpDownPeer>()->SetPosition(position_);
}

}  // namespace ui
