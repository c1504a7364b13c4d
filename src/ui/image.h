#pragma once
#include <string>

#include "ui/control.h"

namespace ui {

// A picture from a bitmap resource; with HandCursor it shows a hand and answers clicks.
class Image : public Control {
 public:
  using Control::Control;
  std::string Resource;
  bool HandCursor = false;
  NotifyEvent OnClick;
  void Click() {
    if (Enabled() && OnClick) OnClick();
  }
};

}  // namespace ui
