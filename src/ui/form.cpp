#include "ui/form.h"

#include "ui/application.h"
#include "ui/widgetset.h"

namespace ui {

Form::Form(Application& app, std::string name) : Control(nullptr, std::move(name)), app_(app) {
  Control::SetVisible(false);
}

void Form::SetMenu(MainMenu* menu) {
  menu_ = menu;
  if (auto* p = PeerAs<FormPeer>()) p->SetMenu(menu);
}

void Form::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (auto* p = PeerAs<FormPeer>()) p->SetClientSize(width, height);
}

void Form::PushState() {
  auto* p = PeerAs<FormPeer>();
  if (clientWidth_ > 0) p->SetClientSize(clientWidth_, clientHeight_);
  p->SetMenu(menu_);
}

void Form::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate();
  } catch (const std::exception& e) {
    app_.ShowException(e);
  }
}

void Form::DoActivate() {
  if (OnActivate) OnActivate();
}

int Form::ShowModal() {
  modal_ = true;
  modalResult_ = mrNone;
  SetVisible(true);
  if (OnShow) OnShow();
  try {
    for (;;) {
      if (modalResult_ == mrNone) app_.Widgets().RunModal(*this);
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
      if (CloseQuery()) break;
      modalResult_ = mrNone;
    }
  } catch (...) {
    // An error in the close handler still ends the modal state; the caller reports it.
    SetVisible(false);
    modal_ = false;
    throw;
  }
  SetVisible(false);
  modal_ = false;
  return modalResult_;
}

void Form::Show() {
  SetVisible(true);
  if (OnShow) OnShow();
}

bool Form::CloseQuery() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(action);
  return action != CloseAction::None;
}

void Form::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  SetVisible(false);
  if (app_.MainForm() == this) app_.Terminate();
}

}  // namespace ui
