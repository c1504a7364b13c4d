#pragma once
#include "ui/control.h"

namespace ui {

// A framed, captioned group; its controls are its children, placed in its client area.
class GroupBox : public Control {
 public:
  using Control::Control;
};

}  // namespace ui
