#pragma once
#include "ui/control.h"

namespace ui {

class EditPeer : public ControlPeer {
 public:
  virtual void SetReadOnly(bool readOnly) = 0;
};

// A single-line edit; its Caption is the text. The user's typing arrives by NotifyText.
class Edit : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) {
    readOnly_ = value;
    if (auto* p = PeerAs<EditPeer>()) p->SetReadOnly(value);
  }

 protected:
  void PushState() override { PeerAs<EditPeer>()->SetReadOnly(readOnly_); }

 private:
  bool readOnly_ = false;
};

}  // namespace ui
