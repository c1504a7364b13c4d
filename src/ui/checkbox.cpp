#include "ui/checkbox.h"

namespace ui {

void CheckBox::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (auto* p = PeerAs<CheckPeer>()) p->SetChecked(value);
  if (OnClick) OnClick();
}

void RadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (auto* p = PeerAs<CheckPeer>()) p->SetChecked(value);
  if (value && Parent()) {
    for (Control* sibling : Parent()->Children()) {
      if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
    }
  }
  if (value && OnClick) OnClick();
}

}  // namespace ui
