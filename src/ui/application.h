#pragma once
// The application object: title, help file, forms in creation order, the message loop,
// the activation event and the standard exception report.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/help.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/headless.h"

namespace ui {

class MenuItem;

class Application {
 public:
  // Without a widget set the application runs headless.
  explicit Application(WidgetSet* widgets = nullptr, platform::HelpViewer* help = nullptr);
  ~Application();

  std::string Title;
  std::string HelpFile;
  NotifyEvent OnActivate;

  WidgetSet& Widgets() { return *widgets_; }
  HeadlessWidgetSet* Headless() { return headless_.get(); }

  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T* raw = form.get();
    forms_.push_back(std::move(form));
    if (!mainForm_) mainForm_ = raw;
    widgets_->Realize(*raw);
    raw->DoCreate();
    return raw;
  }
  Form* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The report of an escaping error: its text with a full stop, the title, a stop icon.
  void ShowException(const std::exception& e);
  int ShowMessageBox(const MessageBoxRequest& request);

  // The application became active again (the widget set calls this).
  void DoActivate();

  void HelpContents();
  void HelpContext(int context);
  void HelpTopic(const std::string& topicId);
  // F1 on a control or menu item: its own context, else its parent's.
  void HelpOn(Control* control);
  void HelpOn(MenuItem* item);

  // Scales a length of the 96-per-inch design to the screen.
  int Scale(int designPixels) const;

 private:
  std::unique_ptr<HeadlessWidgetSet> headless_;
  WidgetSet* widgets_;
  platform::HelpViewer* help_;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
};

}  // namespace ui
