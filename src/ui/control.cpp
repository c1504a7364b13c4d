#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

Control::Control(Control* parent, std::string name) : Component(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  ReleaseOwned();
  peer_.reset();
  if (parent_) std::erase(parent_->children_, this);
}

Form* Control::OwnerForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

void Control::SetCaption(const std::string& text) {
  caption_ = text;
  if (peer_) peer_->SetText(text);
}

void Control::SetEnabled(bool value) {
  enabled_ = value;
  if (peer_) peer_->SetEnabled(value);
}

void Control::SetVisible(bool value) {
  visible_ = value;
  if (peer_) peer_->SetVisible(value);
}

void Control::SetBounds(const Rect& r) {
  bounds_ = r;
  if (peer_) peer_->SetBounds(r);
}

void Control::SetFocus() {
  if (Form* f = OwnerForm()) f->SetActiveControl(this);
  if (peer_) peer_->SetFocus();
}

bool Control::Focused() {
  Form* f = OwnerForm();
  return f && f->ActiveControl() == this;
}

void Control::AttachPeer(std::unique_ptr<ControlPeer> peer) {
  peer_ = std::move(peer);
  if (!peer_) return;
  peer_->SetBounds(bounds_);
  peer_->SetText(caption_);
  peer_->SetEnabled(enabled_);
  PushState();
  peer_->SetVisible(visible_);
}

}  // namespace ui
