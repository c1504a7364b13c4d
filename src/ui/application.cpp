#include "ui/application.h"

#include "ui/menu.h"
#include "ui/timer.h"

namespace ui {

Application::Application(WidgetSet* widgets, platform::HelpViewer* help)
    : headless_(widgets ? nullptr : std::make_unique<HeadlessWidgetSet>()),
      widgets_(widgets ? widgets : headless_.get()),
      help_(help) {}

Application::~Application() {
  // Later forms go first, as they were created after the ones they may refer to.
  while (!forms_.empty()) forms_.pop_back();
}

void Application::Run() {
  if (mainForm_) mainForm_->Show();
  if (!terminated_) widgets_->RunLoop(*this);
}

void Application::Terminate() {
  terminated_ = true;
  widgets_->Terminate();
}

void Application::ShowException(const std::exception& e) {
  std::string text = e.what();
  if (text.empty() || text.back() != '.') text += '.';
  ShowMessageBox({text, Title, MsgButtons::Ok, MsgIcon::Error, 0});
}

int Application::ShowMessageBox(const MessageBoxRequest& request) { return widgets_->ShowMessageBox(request); }

void Application::DoActivate() {
  if (OnActivate) OnActivate();
}

void Application::HelpContents() {
  if (help_) help_->ShowContents(HelpFile);
}

void Application::HelpContext(int context) {
  if (help_ && context != 0) help_->ShowContext(HelpFile, context);
}

void Application::HelpTopic(const std::string& topicId) {
  if (help_) help_->ShowTopic(HelpFile, topicId);
}

void Application::HelpOn(Control* control) {
  while (control && control->HelpContext == 0) control = control->Parent();
  if (control) HelpContext(control->HelpContext);
}

void Application::HelpOn(MenuItem* item) {
  while (item && item->HelpContext == 0) item = item->ParentItem();
  if (item) HelpContext(item->HelpContext);
}

int Application::Scale(int designPixels) const {
  return designPixels * widgets_->PixelsPerInch() / 96;
}

bool FileDialog::Execute() { return app_.Widgets().Execute(*this); }

}  // namespace ui
