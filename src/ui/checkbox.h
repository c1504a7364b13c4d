#pragma once
#include "ui/control.h"

namespace ui {

class CheckPeer : public ControlPeer {
 public:
  virtual void SetChecked(bool checked) = 0;
};

// A check box; OnClick runs whenever the state changes, by the user or by code.
class CheckBox : public Control {
 public:
  using Control::Control;
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  NotifyEvent OnClick;
  // Peer -> component: the user toggled it.
  void NotifyChecked(bool value) { SetChecked(value); }

 protected:
  void PushState() override { PeerAs<CheckPeer>()->SetChecked(checked_); }

 private:
  bool checked_ = false;
};

// A radio button; checking it unchecks the other radio buttons of the same parent.
class RadioButton : public Control {
 public:
  using Control::Control;
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  NotifyEvent OnClick;
  void NotifyChecked(bool value) { SetChecked(value); }

 protected:
  void PushState() override { PeerAs<CheckPeer>()->SetChecked(checked_); }

 private:
  bool checked_ = false;
};

}  // namespace ui
