#pragma once
#include "ui/control.h"

namespace ui {

class Application;

// Fires OnTimer every Interval milliseconds while enabled, from the message loop.
class Timer : public Component {
 public:
  Timer(Application& app, std::string name) : Component(std::move(name)), app_(app) {}
  ~Timer() override;
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  NotifyEvent OnTimer;
  // One tick: the widget set calls it, headless tests call it directly.
  void Tick() {
    if (enabled_ && OnTimer) OnTimer();
  }

 private:
  Application& app_;
  int interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace ui
