#pragma once
#include "ui/control.h"

namespace ui {

// Static text; with AutoSize the widget set fits the bounds to the text. Bold and word
// wrap are fixed when the label is realised.
class Label : public Control {
 public:
  using Control::Control;
  bool Bold = false;
  bool WordWrap = false;
  bool AutoSize = true;
};

}  // namespace ui
