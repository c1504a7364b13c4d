#include "ui/button.h"

#include "ui/form.h"

namespace ui {

void Button::SetDefault(bool value) {
  default_ = value;
  if (auto* p = PeerAs<ButtonPeer>()) p->SetDefault(value);
}

void Button::Click() {
  if (!Enabled()) return;
  if (ModalResult != 0) {
    if (Form* f = OwnerForm()) f->SetModalResult(ModalResult);
  }
  if (OnClick) OnClick();
}

}  // namespace ui
