#pragma once
#include "ui/control.h"

namespace ui {

class Edit;

class UpDownPeer : public ControlPeer {
 public:
  virtual void SetRange(int min, int max) = 0;
  virtual void SetPosition(int position) = 0;
};

// Arrows that step a number shown in a buddy edit. Clamping and wrapping live here,
// so the arrows and the arrow keys behave alike on every widget set.
class UpDown : public Control {
 public:
  using Control::Control;
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Increment = 1;
  bool Wrap = false;
  int Position() const { return position_; }
  // Out-of-range values are brought to the nearest end.
  void SetPosition(int value);
  void SetAssociate(Edit* edit);
  Edit* Associate() const { return associate_; }
  // One step up (+1) or down (-1), wrapping to the other end past either end.
  void Step(int direction);

 protected:
  void PushState() override;

 private:
  int min_ = 0, max_ = 100, position_ = 0;
  Edit* associate_ = nullptr;
};

}  // namespace ui
