#pragma once
// A top-level window: caption, bounds, border, modal showing and the close protocol.
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class Application;
class MainMenu;

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };
enum class CloseAction { None, Hide, Free };
enum class BorderStyle { Sizeable, Dialog };

struct Font {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // pixels at 96 per inch
  bool operator==(const Font&) const = default;
};

class FormPeer : public ControlPeer {
 public:
  virtual void SetClientSize(int width, int height) = 0;
  virtual void SetMenu(MainMenu* menu) = 0;
};

class Form : public Control {
 public:
  Form(Application& app, std::string name);

  Application& App() const { return app_; }

  BorderStyle Border = BorderStyle::Sizeable;
  Font FormFont;
  MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int width, int height);

  NotifyEvent OnCreate, OnShow, OnActivate;
  std::function<void(CloseAction&)> OnClose;

  Control* ActiveControl() const { return active_; }
  void SetActiveControl(Control* c) { active_ = c; }

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }
  bool Modal() const { return modal_; }

  // Shows the form and runs a nested loop until a modal result is set and the close is allowed.
  int ShowModal();
  // Shows a non-modal form (the main window).
  void Show();
  // The close request: title bar, Exit, Alt+F4. A modal form gets Cancel.
  void Close();

  // Runs OnCreate; an escaping error is reported and the rest of it skipped.
  void DoCreate();
  void DoActivate();

 protected:
  void PushState() override;

 private:
  bool CloseQuery();
  Application& app_;
  MainMenu* menu_ = nullptr;
  Control* active_ = nullptr;
  int clientWidth_ = 0, clientHeight_ = 0;
  int modalResult_ = mrNone;
  bool modal_ = false;
};

}  // namespace ui
