#pragma once
#include "ui/control.h"

namespace ui {

class LabelPeer : public ControlPeer {
 public:
  virtual void SetStyle(bool bold, bool wordWrap) = 0;
};

// Static text; with AutoSize the widget set fits the bounds to the text.
class Label : public Control {
 public:
  using Control::Control;
  bool Bold = false;
  bool WordWrap = false;
  bool AutoSize = true;
  // The control that the access letter focuses.
  Control* FocusControl = nullptr;

 protected:
  void PushState() override { PeerAs<LabelPeer>()->SetStyle(Bold, WordWrap); }
};

}  // namespace ui
