#include "ui/timer.h"

#include "ui/application.h"

namespace ui {

Timer::~Timer() {
  if (enabled_) {
    enabled_ = false;
    app_.Widgets().TimerChanged(*this);
  }
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) app_.Widgets().TimerChanged(*this);
}

void Timer::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  app_.Widgets().TimerChanged(*this);
}

}  // namespace ui
