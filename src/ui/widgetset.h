#pragma once
// What a platform supplies to realise components; the headless set answers from a script.
#include "ui/dialogs.h"

namespace ui {

class Application;
class Form;
class Timer;

class WidgetSet {
 public:
  virtual ~WidgetSet() = default;
  // Creates the native peers of a form, its controls and menus.
  virtual void Realize(Form& form) = 0;
  // Runs a nested loop until the form has a modal result.
  virtual void RunModal(Form& form) = 0;
  virtual void RunLoop(Application& app) = 0;
  virtual void Terminate() = 0;
  virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
  virtual bool Execute(FileDialog& dialog) = 0;
  virtual void TimerChanged(Timer& timer) = 0;
  // Carries out pending painting of the form at once.
  virtual void Repaint(Form& form) = 0;
  virtual int PixelsPerInch() const = 0;
};

}  // namespace ui
