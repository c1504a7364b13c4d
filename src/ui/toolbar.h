#pragma once
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ImageList;
class ToolBar;

class ToolBarPeer : public ControlPeer {
 public:
  virtual void SetButtonEnabled(int index, bool enabled) = 0;
};

class ToolButton : public Component {
 public:
  enum class Style { Button, Separator };
  ToolButton(ToolBar& bar, std::string name, Style style, int width)
      : Component(std::move(name)), ButtonStyle(style), Width(width), bar_(bar) {}
  Style ButtonStyle;
  int Width;
  int ImageIndex = -1;
  std::string Hint;
  NotifyEvent OnClick;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  void Click() {
    if (enabled_ && OnClick) OnClick();
  }

 private:
  ToolBar& bar_;
  bool enabled_ = true;
};

// A flat toolbar at the top of its form, sized to its buttons, with tool tips.
class ToolBar : public Control {
 public:
  using Control::Control;
  int ButtonHeight = 22;
  ImageList* Images = nullptr;
  ImageList* DisabledImages = nullptr;
  ToolButton* AddButton(std::string name, int width, std::string hint, int image);
  ToolButton* AddSeparator(std::string name, int width);
  const std::vector<ToolButton*>& Buttons() const { return buttons_; }
  int IndexOf(const ToolButton* button) const;

 protected:
  void PushState() override;

 private:
  std::vector<ToolButton*> buttons_;
};

}  // namespace ui
