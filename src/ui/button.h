#pragma once
#include "ui/control.h"

namespace ui {

class ButtonPeer : public ControlPeer {
 public:
  virtual void SetDefault(bool isDefault) = 0;
};

class Button : public Control {
 public:
  using Control::Control;
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // A non-zero result closes the owning modal form with it.
  int ModalResult = 0;
  NotifyEvent OnClick;
  void Click();

 protected:
  void PushState() override { PeerAs<ButtonPeer>()->SetDefault(default_); }

 private:
  bool default_ = false;
};

}  // namespace ui
