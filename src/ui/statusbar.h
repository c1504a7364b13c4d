#pragma once
#include <string>

#include "ui/control.h"

namespace ui {

class StatusBarPeer : public ControlPeer {
 public:
  virtual void SetPanelWidth(int width) = 0;
  virtual void SetSimpleText(const std::string& text) = 0;
};

// A status bar of one panel; a non-empty simple text is shown across the whole bar.
class StatusBar : public Control {
 public:
  using Control::Control;
  int PanelWidth = 50;
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);

 protected:
  void PushState() override;

 private:
  std::string simpleText_;
};

}  // namespace ui
