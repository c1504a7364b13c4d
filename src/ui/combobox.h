#pragma once
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBoxPeer : public ControlPeer {
 public:
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual void SetItemIndex(int index) = 0;
};

// A drop-down list without typing.
class ComboBox : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  // An index outside the items leaves nothing chosen (-1).
  void SetItemIndex(int index);
  std::string Text() const { return itemIndex_ < 0 ? std::string() : items_[static_cast<size_t>(itemIndex_)]; }
  NotifyEvent OnChange;
  void NotifyItemIndex(int index);

 protected:
  void PushState() override;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace ui
