#pragma once
// Message boxes and file dialogs, answered by the widget set.
#include <string>

#include "ui/component.h"

namespace ui {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Error, Warning, Information, Question };

struct MessageBoxRequest {
  std::string Text;
  std::string Caption;
  MsgButtons Buttons = MsgButtons::Ok;
  MsgIcon Icon = MsgIcon::None;
  int DefaultButton = 0;  // index among the buttons, 0 is the first
};

class Application;

class FileDialog : public Component {
 public:
  enum class Kind { Open, Save };
  FileDialog(Application& app, Kind kind, std::string name)
      : Component(std::move(name)), app_(app), kind_(kind) {}
  Kind DialogKind() const { return kind_; }
  std::string Title;
  std::string Filter;  // "Text (*.x)|*.x|All files (*.*)|*.*"
  int FilterIndex = 1;
  std::string FileName;
  // True when the user chose a file; FileName then holds it.
  bool Execute();

 private:
  Application& app_;
  Kind kind_;
};

}  // namespace ui
