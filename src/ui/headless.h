#pragma once
// The widget set without a GUI: modal forms, message boxes and file dialogs are answered
// by a script that a test queues; nothing is drawn.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/widgetset.h"

namespace ui {

class HeadlessWidgetSet : public WidgetSet {
 public:
  // A step may act on the form's controls; its result becomes the modal result
  // unless the step already set one (by clicking a button).
  using ModalStep = std::function<int(Form&)>;

  void ExpectModal(ModalStep step) { modal_.push_back(std::move(step)); }
  void AnswerMessageBox(int result) { answers_.push_back(result); }
  void PickFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  std::vector<MessageBoxRequest> MessageBoxes;
  std::vector<std::string> ModalForms;
  std::vector<std::string> FileDialogTitles;
  int Repaints = 0;
  bool Terminated = false;

  void Realize(Form&) override {}
  void RunModal(Form& form) override;
  void RunLoop(Application&) override {}
  void Terminate() override { Terminated = true; }
  int ShowMessageBox(const MessageBoxRequest& request) override;
  bool Execute(FileDialog& dialog) override;
  void TimerChanged(Timer&) override {}
  void Repaint(Form&) override { ++Repaints; }
  int PixelsPerInch() const override { return 96; }

 private:
  std::deque<ModalStep> modal_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
};

}  // namespace ui
